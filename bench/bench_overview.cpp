// The start-up overview on 1 000, 10 000 and 100 000 birthdays and as many
// appointments, at 5 December 2026 with German names; and the whole start-up of the
// window on files of those sizes, with "x_empty" its ratio to a start on empty files.
// The files are sorted, as the program saves them.
// Start-up "Time" is CPU time (see cpuNow). Run by hand:
//   bench_overview [--benchmark_filter=...]

#include "harness.h"
#include "sample_data.h"

#include "core/datafile.h"
#include "core/overview.h"
#include "core/sorting.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QStringConverter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace {

using namespace quirnel;
using namespace quirnel::bench;

const QDate today = startDay;

// Lines as the window holds them: sorted without regard to case.
struct Lines {
    QStringList birthdays;
    QStringList appointments;
};

const Lines &lines(int count)
{
    static std::map<int, Lines> cache;
    if (auto found = cache.find(count); found != cache.end())
        return found->second;
    std::mt19937 random(51226u + static_cast<unsigned>(count));
    Lines made;
    made.birthdays = birthdayLines(count, random);
    made.appointments = appointmentLines(count, random);
    // Copied in list order, so the text lies in memory as it does after reading a file.
    const auto inMemoryOrder = [](const QStringList &sorted) {
        QStringList copies;
        copies.reserve(sorted.size());
        for (const QString &line : sorted)
            copies.append(QString(line.constData(), line.size()));
        return copies;
    };
    made.birthdays = inMemoryOrder(sorting::sortedNoCase(made.birthdays));
    made.appointments = inMemoryOrder(sorting::sortedNoCase(made.appointments));
    return cache[count] = std::move(made);
}

// A folder per size with both files; size 0 gives two empty files.
const QTemporaryDir &dataDir(int count)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> dirs;
    auto &dir = dirs[count];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        const Lines &made = lines(count);
        writeOrDie(dir->filePath(QString::fromUtf8(datafile::birthdayFileName)),
                   windows1252(made.birthdays));
        writeOrDie(dir->filePath(QString::fromUtf8(datafile::appointmentFileName)),
                   windows1252(made.appointments));
    }
    return *dir;
}

std::unique_ptr<ui::MainWindow> openWindow(int count)
{
    return openWindowIn(dataDir(count).path());
}

struct Elapsed {
    double cpu = 0;
    double wall = 0;
};

// One start-up, optionally until the window is on the (offscreen) screen and painted.
Elapsed startUpTime(int count, bool shown)
{
    const double cpuStart = cpuNow();
    const double wallStart = wallNow();
    auto window = openWindow(count);
    if (shown) {
        window->show();
        QCoreApplication::processEvents();
    }
    const Elapsed elapsed{cpuNow() - cpuStart, wallNow() - wallStart};
    if (window->session().list(DataList::Birthdays).count() != count
        || window->session().list(DataList::Appointments).count() != count) {
        std::fputs("the window did not load every line\n", stderr);
        std::exit(1);
    }
    closeWindow(window);
    return elapsed;
}

// The median CPU time of a few starts on empty files: the yardstick for the ratios.
double emptyStartSeconds(bool shown)
{
    static std::map<bool, double> cache;
    if (auto found = cache.find(shown); found != cache.end())
        return found->second;
    startUpTime(0, shown); // the first window loads styles and fonts once
    std::vector<double> times;
    for (int i = 0; i < 9; ++i)
        times.push_back(startUpTime(0, shown).cpu);
    std::nth_element(times.begin(), times.begin() + 4, times.end());
    return cache[shown] = times[4];
}

void BM_Overview(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const Lines &input = lines(count);
    const overview::Names names = overview::Names::from(QLocale(QLocale::German, QLocale::Germany));
    for (auto _ : state) {
        const overview::Result result
            = overview::compute(input.birthdays, input.appointments, today, names);
        benchmark::DoNotOptimize(result.birthdayCount);
        if (result.birthdayCount != count || result.appointmentCount != count)
            state.SkipWithError("wrong counts");
    }
    state.counters["lines"] = 2.0 * count;
    state.counters["per_line"] = benchmark::Counter(
        2.0 * count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void startUp(benchmark::State &state, bool shown)
{
    const int count = static_cast<int>(state.range(0));
    const double empty = emptyStartSeconds(shown);
    Elapsed total;
    for (auto _ : state) {
        const Elapsed elapsed = startUpTime(count, shown);
        total.cpu += elapsed.cpu;
        total.wall += elapsed.wall;
        state.SetIterationTime(elapsed.cpu);
    }
    if (state.iterations() == 0)
        return;
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["x_empty"] = total.cpu / iterations / empty;
    state.counters["wall_ms"] = 1e3 * total.wall / iterations;
    state.counters["lines"] = 2.0 * count;
}

void BM_StartUp(benchmark::State &state)
{
    startUp(state, false);
}

// As above, plus showing the window and painting it once.
void BM_StartUpShown(benchmark::State &state)
{
    startUp(state, true);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says this on every show; it would bury the table.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("propagateSizeHints")))
                previous(type, context, message);
        });
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    for (const auto &[lines, iterations] : {std::pair{1000, 200}, {10000, 50}, {100000, 10}})
        benchmark::RegisterBenchmark("BM_Overview", BM_Overview)
            ->Arg(lines)
            ->Iterations(iterations)
            ->Unit(benchmark::kMillisecond);
    registerManualTime({
        {"BM_StartUp", BM_StartUp, 0, 20},
        {"BM_StartUp", BM_StartUp, 1000, 20},
        {"BM_StartUp", BM_StartUp, 10000, 10},
        {"BM_StartUp", BM_StartUp, 100000, 5},
        {"BM_StartUpShown", BM_StartUpShown, 0, 20},
        {"BM_StartUpShown", BM_StartUpShown, 100000, 5},
    });
    return runRegistered(argc, argv);
}
