// Loading and saving the two data files at 10 000 and 100 000 lines each, measured
// against reading the same bytes raw from disk. Every figure carries "x_raw", its
// ratio to that raw read, so that a slow step shows whatever the machine's speed.
// "Time" is the CPU time of the measured step (see cpuNow). Run by hand:
//   bench_files [--benchmark_filter=...]

#include "harness.h"
#include "sample_data.h"

#include "core/datafile.h"
#include "core/editsession.h"
#include "core/linelist.h"
#include "core/saving.h"
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
#include <vector>

namespace {

using namespace quirnel;
using namespace quirnel::bench;

struct DataDir {
    QTemporaryDir dir;
    QByteArray birthdays;
    QByteArray appointments;
    qint64 bytes = 0;
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
};

void writeFiles(const DataDir &data)
{
    writeOrDie(data.path(datafile::birthdayFileName), data.birthdays);
    writeOrDie(data.path(datafile::appointmentFileName), data.appointments);
}

// One folder per size, generated once and kept for the whole run.
const DataDir &dataDir(int lines)
{
    static std::map<int, std::unique_ptr<DataDir>> dirs;
    auto &entry = dirs[lines];
    if (!entry) {
        entry = std::make_unique<DataDir>();
        std::mt19937 random(20261205u + static_cast<unsigned>(lines));
        entry->birthdays = windows1252(birthdayLines(lines, random));
        entry->appointments = windows1252(appointmentLines(lines, random));
        writeFiles(*entry);
        entry->bytes = entry->birthdays.size() + entry->appointments.size();
    }
    return *entry;
}

std::unique_ptr<ui::MainWindow> openWindow(const DataDir &data)
{
    return openWindowIn(data.dir.path());
}

QByteArray readRaw(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::exit(1);
    return file.readAll();
}

qsizetype readBothRaw(const DataDir &data)
{
    return readRaw(data.path(datafile::birthdayFileName)).size()
        + readRaw(data.path(datafile::appointmentFileName)).size();
}

// The median of a few raw reads: the yardstick for the ratios.
double rawSeconds(int lines)
{
    static std::map<int, double> cache;
    if (auto found = cache.find(lines); found != cache.end())
        return found->second;
    const DataDir &data = dataDir(lines);
    benchmark::DoNotOptimize(readBothRaw(data)); // not the first touch of the file
    std::vector<double> times;
    for (int i = 0; i < 21; ++i) {
        const double start = cpuNow();
        benchmark::DoNotOptimize(readBothRaw(data));
        times.push_back(cpuNow() - start);
    }
    std::nth_element(times.begin(), times.begin() + 10, times.end());
    return cache[lines] = times[10];
}

// Manual timing: set-up and tear-down (closing a window) stay outside the figure.
struct Timing {
    Timing(benchmark::State &state, int lines)
        : state(state)
        , lines(lines)
    { }
    void start()
    {
        cpuStart = cpuNow();
        wallStart = wallNow();
    }
    void stop()
    {
        const double cpu = cpuNow() - cpuStart;
        wallTotal += wallNow() - wallStart;
        cpuTotal += cpu;
        state.SetIterationTime(cpu);
    }
    ~Timing()
    {
        if (state.iterations() == 0)
            return;
        const auto iterations = static_cast<double>(state.iterations());
        state.counters["x_raw"] = cpuTotal / iterations / rawSeconds(lines);
        state.counters["wall_ms"] = 1e3 * wallTotal / iterations;
        state.counters["lines"] = 2.0 * lines;
    }
    benchmark::State &state;
    int lines;
    double cpuStart = 0;
    double wallStart = 0;
    double cpuTotal = 0;
    double wallTotal = 0;
};

void BM_ReadRaw(benchmark::State &state)
{
    const int lines = static_cast<int>(state.range(0));
    const DataDir &data = dataDir(lines);
    Timing timing(state, lines);
    for (auto _ : state) {
        timing.start();
        benchmark::DoNotOptimize(readBothRaw(data));
        timing.stop();
    }
}

void BM_DatafileRead(benchmark::State &state)
{
    const int lines = static_cast<int>(state.range(0));
    const DataDir &data = dataDir(lines);
    Timing timing(state, lines);
    for (auto _ : state) {
        timing.start();
        const auto birthdays = datafile::read(data.path(datafile::birthdayFileName));
        const auto appointments = datafile::read(data.path(datafile::appointmentFileName));
        timing.stop();
        if (birthdays.lines.size() != lines || appointments.lines.size() != lines)
            state.SkipWithError("wrong line count");
    }
}

// Sorting and filling the list widget alone, from lines already read.
void BM_FillList(benchmark::State &state)
{
    const int lines = static_cast<int>(state.range(0));
    const DataDir &data = dataDir(lines);
    const QStringList birthdays = datafile::read(data.path(datafile::birthdayFileName)).lines;
    const QStringList appointments = datafile::read(data.path(datafile::appointmentFileName)).lines;
    Timing timing(state, lines);
    for (auto _ : state) {
        LineList list4(true);
        LineList tbox(true);
        timing.start();
        list4.setLines(birthdays);
        tbox.setLines(appointments);
        timing.stop();
    }
}

void BM_WindowLoad(benchmark::State &state)
{
    const int lines = static_cast<int>(state.range(0));
    const DataDir &data = dataDir(lines);
    Timing timing(state, lines);
    for (auto _ : state) {
        timing.start();
        auto window = openWindow(data);
        timing.stop();
        if (window->session().list(DataList::Birthdays).count() != lines
            || window->session().list(DataList::Appointments).count() != lines)
            state.SkipWithError("wrong line count");
        closeWindow(window);
    }
}

// "Speichern" as the window does it, after the user added ten lines to each list and took
// ten out; with `outside`, another program has meanwhile changed a hundred lines of each
// file (fifty added, fifty removed), so the save merges.
void sessionSave(benchmark::State &state, bool outside)
{
    const int lines = static_cast<int>(state.range(0));
    const DataDir &data = dataDir(lines);
    // The files as this program saves them: sorted.
    const QByteArray sorted[]
        = {datafile::encode(
               sorting::sortedNoCase(datafile::read(data.path(datafile::birthdayFileName)).lines))
               .bytes,
           datafile::encode(sorting::sortedNoCase(
                                datafile::read(data.path(datafile::appointmentFileName)).lines))
               .bytes};
    Timing timing(state, lines);
    for (auto _ : state) {
        EditSession session;
        for (const DataList which : {DataList::Birthdays, DataList::Appointments}) {
            const char *name = which == DataList::Birthdays ? datafile::birthdayFileName
                                                            : datafile::appointmentFileName;
            writeOrDie(data.path(name), sorted[int(which)]);
            datafile::ReadResult file = datafile::read(data.path(name));
            session.load(which, file.lines, true, file.stamp);
            session.setEdited(which);
            for (int i = 0; i < 10; ++i) {
                session.insert(which, QStringLiteral("01.01.2000     Neu %1").arg(i));
                session.select(which, i * 97);
                if (!session.park(which))
                    state.SkipWithError("nothing to take out");
            }
            if (outside) {
                QStringList theirs = file.lines.mid(50);
                for (int i = 0; i < 50; ++i)
                    theirs.append(QStringLiteral("02.02.2002     Von außen %1").arg(i));
                writeOrDie(data.path(name), datafile::encode(theirs).bytes);
            }
        }
        timing.start();
        const saving::Outcome outcome = saving::save(session, data.dir.path());
        timing.stop();
        if (outcome.problem != saving::Outcome::Problem::None
            || outcome.outside.size() != (outside ? 2 : 0))
            state.SkipWithError("not the expected save");
    }
    writeFiles(data);
}

void BM_SessionSave(benchmark::State &state)
{
    sessionSave(state, false);
}

void BM_SessionSaveMerged(benchmark::State &state)
{
    sessionSave(state, true);
}

void BM_EncodeWrite(benchmark::State &state)
{
    const int lines = static_cast<int>(state.range(0));
    const DataDir &data = dataDir(lines);
    const QStringList birthdays = datafile::read(data.path(datafile::birthdayFileName)).lines;
    const QStringList appointments = datafile::read(data.path(datafile::appointmentFileName)).lines;
    Timing timing(state, lines);
    for (auto _ : state) {
        timing.start();
        const auto first = datafile::write(data.path(datafile::birthdayFileName),
                                           datafile::encode(birthdays).bytes);
        const auto second = datafile::write(data.path(datafile::appointmentFileName),
                                            datafile::encode(appointments).bytes);
        timing.stop();
        if (first || second)
            state.SkipWithError("write failed");
    }
    writeFiles(data);
}

} // namespace

int main(int argc, char **argv)
{
    // The window is built without a screen; the figures are the same without painting.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    {
        // The first window loads styles and fonts once; no figure should carry that.
        QTemporaryDir empty;
        auto warmUp = openWindowIn(empty.path());
        closeWindow(warmUp);
    }
    registerManualTime({
        {"BM_ReadRaw", BM_ReadRaw, 10000, 200},
        {"BM_ReadRaw", BM_ReadRaw, 100000, 50},
        {"BM_DatafileRead", BM_DatafileRead, 10000, 50},
        {"BM_DatafileRead", BM_DatafileRead, 100000, 10},
        {"BM_FillList", BM_FillList, 10000, 20},
        {"BM_FillList", BM_FillList, 100000, 5},
        {"BM_WindowLoad", BM_WindowLoad, 10000, 10},
        {"BM_WindowLoad", BM_WindowLoad, 100000, 5},
        {"BM_SessionSave", BM_SessionSave, 10000, 20},
        {"BM_SessionSave", BM_SessionSave, 100000, 5},
        {"BM_SessionSaveMerged", BM_SessionSaveMerged, 10000, 20},
        {"BM_SessionSaveMerged", BM_SessionSaveMerged, 100000, 5},
        {"BM_EncodeWrite", BM_EncodeWrite, 10000, 20},
        {"BM_EncodeWrite", BM_EncodeWrite, 100000, 5},
    });
    return runRegistered(argc, argv);
}
