#include "bench/wine/harness.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <numeric>

double Now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

static double Seconds(const FILETIME& time)
{
    ULARGE_INTEGER ticks;
    ticks.LowPart = time.dwLowDateTime;
    ticks.HighPart = time.dwHighDateTime;
    return static_cast<double>(ticks.QuadPart) * 1e-7;
}

double ThreadCpuSeconds()
{
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0;
    return Seconds(kernel) + Seconds(user);
}

Timings TimeIterations(double minSeconds, int minIterations, const std::function<void()>& prepare,
                       const std::function<void()>& body)
{
    Timings timings;
    double spent = 0;
    double cpu = 0;
    // Once untimed: the first call also pays for fonts, code pages and caches.
    if (prepare)
        prepare();
    body();
    const double begun = Now();
    // The thread's CPU clock ticks coarsely under Wine: it is summed and divided at the end.
    while (static_cast<int>(timings.wall.size()) < minIterations ||
           (spent < minSeconds && Now() - begun < 3 * minSeconds)) {
        if (prepare)
            prepare();
        const double cpuStart = ThreadCpuSeconds();
        const double start = Now();
        body();
        const double elapsed = Now() - start;
        cpu += ThreadCpuSeconds() - cpuStart;
        timings.wall.push_back(elapsed);
        spent += elapsed;
    }
    timings.cpuPerIteration = cpu / static_cast<double>(timings.wall.size());
    return timings;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Mean(const std::vector<double>& values)
{
    return values.empty() ? 0 : std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

double Min(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

double Max(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Google Benchmark's choice of unit: the largest that keeps the figure at 1 or more.
static void PrintTime(double seconds)
{
    if (seconds < 0)
        std::printf(" %11s", "-");
    else if (seconds >= 1)
        std::printf(" %8.3f  s", seconds);
    else if (seconds >= 1e-3)
        std::printf(" %8.3f ms", seconds * 1e3);
    else
        std::printf(" %8.3f us", seconds * 1e6);
}

static const int NameWidth = 52;

void PrintTableHeader()
{
    std::printf("%-*s %11s %11s %11s %11s %11s %10s\n", NameWidth, "Benchmark (wall time per iteration)", "Median",
                "Min", "Mean", "Max", "CPU (mean)", "Iterations");
    std::printf("%s\n", std::string(NameWidth + 6 * 12 + 11, '-').c_str());
    std::fflush(stdout);
}

void PrintRow(const std::string& name, const Timings& timings)
{
    std::printf("%-*s", NameWidth, name.c_str());
    PrintTime(Median(timings.wall));
    PrintTime(Min(timings.wall));
    PrintTime(Mean(timings.wall));
    PrintTime(Max(timings.wall));
    PrintTime(timings.cpuPerIteration);
    std::printf(" %10zu\n", timings.wall.size());
    std::fflush(stdout);
}
