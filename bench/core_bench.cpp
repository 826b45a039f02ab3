// How fast the core answers a player: the whole search with its texts (what
// "显示结果" waits for) beside its floor (the least work of any exhaustive
// single-precision search, below), the exact search of veltro-cli, and judging
// one answer. After the runs it prints the search's time beside the floor's.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <algorithm>
#include <map>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "checker/verdict.h"
#include "solver/exact.h"
#include "solver/solver.h"

namespace {

// The floor: the least work any exhaustive single-precision search must do. Every
// one of the 24 orders x 64 operator triples x 5 shapes is evaluated, each
// sub-expression once per candidate, with no texts and nothing stored; it counts
// the candidates that hit 24 in some shape.
float Apply(float x, float y, int op)
{
    switch (op) {
    case 0:
        return x + y;
    case 1:
        return x - y;
    case 2:
        return x * y;
    default:
        return x / y;  // a division by zero gives no 24 however it goes on
    }
}

std::size_t FloorHits(const Hand& hand)
{
    std::size_t hits = 0;
    int order[4] = {0, 1, 2, 3};
    do {
        const float a = static_cast<float>(hand[order[0]]), b = static_cast<float>(hand[order[1]]),
                    c = static_cast<float>(hand[order[2]]), d = static_cast<float>(hand[order[3]]);
        for (int p = 0; p < 4; ++p)
            for (int q = 0; q < 4; ++q)
                for (int r = 0; r < 4; ++r) {
                    const float ab = Apply(a, b, p), bc = Apply(b, c, q), cd = Apply(c, d, r);
                    const bool hit = Apply(Apply(ab, c, q), d, r) == 24.0f || Apply(ab, cd, q) == 24.0f ||
                                     Apply(Apply(a, bc, p), d, r) == 24.0f || Apply(a, Apply(bc, d, r), p) == 24.0f ||
                                     Apply(a, Apply(b, cd, q), p) == 24.0f;
                    hits += hit ? 1 : 0;
                }
    } while (std::next_permutation(order, order + 4));
    return hits;
}

// The whole search with its texts, as the game (float) or veltro-cli's exact
// search (Fraction) runs it.
template <typename Number>
std::size_t SearchCount(const Hand& hand)
{
    Solver solver;
    solver.SetHand(hand);
    if constexpr (std::is_same_v<Number, float>)
        solver.Search();
    else
        solver.SearchExact();
    benchmark::DoNotOptimize(solver.solutions.data());
    return solver.solutions.size();
}

// The hands go through DoNotOptimize so that no search is folded at compile time.
template <typename Number>
void Search(benchmark::State& state, const std::vector<Hand>& hands)
{
    std::size_t solutions = 0;
    for (auto _ : state) {
        solutions = 0;
        for (Hand hand : hands) {
            benchmark::DoNotOptimize(hand);
            solutions += SearchCount<Number>(hand);
        }
    }
    state.counters["solutions"] = static_cast<double>(solutions);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(hands.size()) * 1536);
}

void Floor(benchmark::State& state, const std::vector<Hand>& hands)
{
    std::size_t hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (Hand hand : hands) {
            benchmark::DoNotOptimize(hand);
            hits += FloorHits(hand);
        }
        benchmark::DoNotOptimize(hits);
    }
    state.counters["solutions"] = static_cast<double>(hits);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(hands.size()) * 1536);
}

void Judge(benchmark::State& state, std::string text)
{
    const Hand hand = {1, 2, 3, 4};
    JudgedAnswer judged{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(text.data());
        judged = JudgeAnswer(text.c_str(), hand);
        benchmark::DoNotOptimize(judged);
    }
    state.counters["checkResult"] = judged.checkResult;
}

// Console output as usual, plus the CPU seconds per iteration of each benchmark's
// fastest repetition, the one least disturbed by the rest of the machine.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& reports) override
    {
        for (const Run& run : reports)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
                const double seconds = run.cpu_accumulated_time / static_cast<double>(run.iterations);
                const auto kept = seconds_.emplace(run.benchmark_name(), seconds).first;
                kept->second = std::min(kept->second, seconds);
            }
        ConsoleReporter::ReportRuns(reports);
    }

    // For every "Search/X" with a "Floor/X": the ratio of their times.
    void PrintRatios() const
    {
        bool header = false;
        for (const auto& entry : seconds_) {
            const std::string& name = entry.first;
            if (name.rfind("Search", 0) != 0)
                continue;
            const auto floor = seconds_.find("Floor" + name.substr(6));
            if (floor == seconds_.end() || floor->second <= 0.0)
                continue;
            if (!header) {
                std::printf("\nThe search beside its floor (every candidate in all five shapes, no texts),\n"
                            "CPU time of the fastest repetition:\n");
                header = true;
            }
            std::printf("  %-36s %8.2f us  floor %8.2f us  ratio %5.2f\n", name.c_str(),
                        entry.second * 1e6, floor->second * 1e6, entry.second / floor->second);
        }
        std::fflush(stdout);
    }

private:
    std::map<std::string, double> seconds_;
};

// Search, its Floor and SearchExact of the hands, in the unit given.
void RegisterHands(const std::string& name, const std::vector<Hand>& hands, benchmark::TimeUnit unit)
{
    benchmark::RegisterBenchmark(("Search/" + name).c_str(), Search<float>, hands)->Unit(unit);
    benchmark::RegisterBenchmark(("Floor/" + name).c_str(), Floor, hands)->Unit(unit);
    benchmark::RegisterBenchmark(("SearchExact/" + name).c_str(), Search<Fraction>, hands)->Unit(unit);
}

}  // namespace

int main(int argc, char** argv)
{
    RegisterHands("1_2_3_4", {Hand{1, 2, 3, 4}}, benchmark::kMicrosecond);
    RegisterHands("12_12_12_12", {Hand{12, 12, 12, 12}}, benchmark::kMicrosecond);
    RegisterHands("3_3_8_8", {Hand{3, 3, 8, 8}}, benchmark::kMicrosecond);
    RegisterHands("6_6_6_6", {Hand{6, 6, 6, 6}}, benchmark::kMicrosecond);
    RegisterHands("all_1820_hands", AllHands(), benchmark::kMillisecond);

    const std::pair<const char*, const char*> answers[] = {
        {"JudgeAnswer/right", "(1+2+3)*4"},
        {"JudgeAnswer/wrong", "1+2*3*4"},
        {"JudgeAnswer/invalid_character", "1++2"},
        {"JudgeAnswer/not_well_formed", "1)+(2+3)*(4"},
        {"JudgeAnswer/29_bytes", "((((1+2)+3)*4)) + 0 + 0 + 00"},
        {"JudgeAnswer/10000_bytes", nullptr},
    };
    for (const auto& answer : answers) {
        const std::string text = answer.second != nullptr ? answer.second : std::string(10000, '(');
        benchmark::RegisterBenchmark(answer.first, Judge, text)->Unit(benchmark::kNanosecond);
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
