#pragma once
// A small benchmark harness on QueryPerformanceCounter for the programs that run
// under Wine: Debian ships Google Benchmark for the native compiler only. It
// prints its figures in a table after Google Benchmark's.

#include <functional>
#include <string>
#include <vector>

// Wall-clock seconds from an arbitrary origin.
double Now();

// The CPU seconds this thread has used so far.
double ThreadCpuSeconds();

struct Timings {
    std::vector<double> wall;  // seconds of each iteration
    double cpuPerIteration = -1;  // mean CPU seconds, or -1 when not measured
};

// Calls prepare and body once untimed, then times each call of body on its own,
// with prepare run untimed before it, until minSeconds of timed calls and at
// least minIterations have been spent; a slow prepare ends it once three times
// minSeconds have passed in all.
Timings TimeIterations(double minSeconds, int minIterations, const std::function<void()>& prepare,
                       const std::function<void()>& body);

double Median(std::vector<double> values);
double Mean(const std::vector<double>& values);
double Min(const std::vector<double>& values);
double Max(const std::vector<double>& values);

void PrintTableHeader();
void PrintRow(const std::string& name, const Timings& timings);
