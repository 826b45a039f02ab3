// Figures of Veltro under Wine: the solution list for the hand with the most
// solutions in a real list box, and the start-up of Veltro.exe to its cards.
// Options: --min_time=SECONDS per list benchmark (2), --launches=N (10),
// --program=PATH of Veltro.exe (beside this program).

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/wine/harness.h"
#include "bench/wine/list_bench.h"
#include "bench/wine/startup_bench.h"
#include "ui/program.h"

namespace {

const double Frame = 1.0 / 60;

std::string ProgramBesideThis()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string beside = path;
    beside.erase(beside.find_last_of("\\/") + 1);
    return beside + "Veltro.exe";
}

const char* Option(const char* argument, const char* name)
{
    const size_t length = std::strlen(name);
    return std::strncmp(argument, name, length) == 0 ? argument + length : nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    double minSeconds = 2;
    int launches = 10;
    std::string program = ProgramBesideThis();
    for (int i = 1; i < argc; ++i) {
        if (const char* value = Option(argv[i], "--min_time="))
            minSeconds = std::atof(value);
        else if ((value = Option(argv[i], "--launches=")) != nullptr)
            launches = std::atoi(value);
        else if ((value = Option(argv[i], "--program=")) != nullptr)
            program = value;
        else {
            std::printf("usage: veltro-wine-bench [--min_time=SECONDS] [--launches=N] [--program=Veltro.exe]\n");
            return 2;
        }
    }

    SYSTEM_INFO system;
    GetSystemInfo(&system);
    std::printf("Run on (%lu X CPU); wall time, min_time %.1f s per list benchmark\n",
                static_cast<unsigned long>(system.dwNumberOfProcessors), minSeconds);
    PrintTableHeader();

    programInstance = GetModuleHandleA(nullptr);
    ListFigures list = RunListBenchmarks(minSeconds);
    bool started = RunStartupBenchmarks(program, launches);

    std::printf("\nAim: the list for 12 12 12 12 filled within one frame (%.1f ms) under Wine.\n", Frame * 1e3);
    std::printf("  median fill %.2f ms, with its paint %.2f ms: %s\n", list.fill * 1e3, list.fillAndPaint * 1e3,
                list.fillAndPaint <= Frame ? "within one frame" : "NOT within one frame");
    return list.listed && started ? 0 : 1;
}
