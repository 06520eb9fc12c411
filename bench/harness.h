#pragma once

// What both benchmark programs share: the window at a fixed moment, the clocks, and
// how their runs are registered and run.

#include "ui/dialogs.h"
#include "ui/mainwindow.h"

#include <QCoreApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <initializer_list>
#include <memory>

namespace quirnel::bench {

inline const QDate startDay(2026, 12, 5);

class SilentDialogs final : public ui::Dialogs
{
public:
    bool ask(QWidget *, const QString &, const QString &) override { return true; }
    void warn(QWidget *, const QString &title, const QString &text) override
    {
        // A warning means the measured path was not the normal one.
        std::fprintf(stderr, "warning: %s: %s\n", qPrintable(title), qPrintable(text));
        std::exit(1);
    }
    bool choose(QWidget *, const QString &, const QString &, const QString &,
                const QString &) override
    {
        return true;
    }
    QString openFileName(QWidget *, const QString &, const QStringList &) override { return {}; }
    SaveTarget saveFileName(QWidget *, const QString &, const QStringList &) override { return {}; }
};

inline SilentDialogs dialogs;

// The window as started on the start day at 10:00 in the given folder.
inline std::unique_ptr<ui::MainWindow> openWindowIn(const QString &dir)
{
    ui::Services services;
    services.now = [] { return QDateTime(startDay, QTime(10, 0)); };
    services.locale = QLocale(QLocale::German, QLocale::Germany);
    services.dataDir = dir;
    services.dialogs = &dialogs;
    return std::make_unique<ui::MainWindow>(services);
}

inline void closeWindow(std::unique_ptr<ui::MainWindow> &window)
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The process's CPU time, kernel time included: on a shared machine the wall clock
// mostly measures the neighbours' work. Wall time is kept as a counter.
inline double cpuNow()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

inline double wallNow()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Iteration counts are fixed per size: one big window takes long enough to make a
// shared setting either slow or noisy.
struct FixedRun {
    const char *name;
    void (*run)(benchmark::State &);
    int lines;
    int iterations;
};

// Manual time keeps set-up and closing the window out of the figures.
inline void registerManualTime(std::initializer_list<FixedRun> runs)
{
    for (const FixedRun &r : runs)
        benchmark::RegisterBenchmark(r.name, r.run)
            ->Arg(r.lines)
            ->Iterations(r.iterations)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
}

inline int runRegistered(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace quirnel::bench
