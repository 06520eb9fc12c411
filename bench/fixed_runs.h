#pragma once

// Both benchmark programs register their runs the same way and run them all.

#include <benchmark/benchmark.h>

#include <initializer_list>

namespace quirnel::bench {

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
