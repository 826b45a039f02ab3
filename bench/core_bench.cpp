// How fast the core answers a player: the whole search with its texts (what
// "显示结果" waits for), its two halves (the arithmetic alone, the texts alone),
// the bare arithmetic floor of the 1536 candidates in five shapes, and judging one
// answer. After the runs
// it prints the ratio of each search to its floor.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "checker/verdict.h"
#include "solver/solver.h"

namespace {

constexpr char Operators[4] = {'+', '-', '*', '/'};

using Arrangements = std::array<std::array<std::size_t, 4>, 24>;

Arrangements MakeArrangements()
{
    Arrangements arrangements{};
    std::array<std::size_t, 4> index = {0, 1, 2, 3};
    for (std::array<std::size_t, 4>& arrangement : arrangements) {
        arrangement = index;
        std::next_permutation(index.begin(), index.end());
    }
    return arrangements;
}

const Arrangements AllArrangements = MakeArrangements();

std::vector<Hand> DealtHands()
{
    std::vector<Hand> hands;
    for (std::int32_t a = 1; a <= 13; ++a)
        for (std::int32_t b = a; b <= 13; ++b)
            for (std::int32_t c = b; c <= 13; ++c)
                for (std::int32_t d = c; d <= 13; ++d)
                    hands.push_back(Hand{a, b, c, d});
    return hands;
}

const std::vector<Hand> AllHands = DealtHands();

inline float Apply(float x, float y, int op)
{
    switch (op) {
    case 0:
        return x + y;
    case 1:
        return x - y;
    case 2:
        return x * y;
    default:
        return y == 0.0f ? DivisionByZeroResult : x / y;
    }
}

// The floor: every candidate in all five shapes, shared parts computed once, no
// first-hit exit, no text, nothing stored; only the number of hits comes out.
int FloorHits(const Hand& hand)
{
    int hits = 0;
    for (const std::array<std::size_t, 4>& index : AllArrangements) {
        const float a = static_cast<float>(hand[index[0]]);
        const float b = static_cast<float>(hand[index[1]]);
        const float c = static_cast<float>(hand[index[2]]);
        const float d = static_cast<float>(hand[index[3]]);
        for (int p = 0; p < 4; ++p)
            for (int q = 0; q < 4; ++q)
                for (int r = 0; r < 4; ++r) {
                    const float ab = Apply(a, b, p);
                    const float cd = Apply(c, d, r);
                    const float bc = Apply(b, c, q);
                    const bool hit = HitsTarget(Apply(Apply(ab, c, q), d, r)) |
                                     HitsTarget(Apply(ab, cd, q)) |
                                     HitsTarget(Apply(Apply(a, bc, p), d, r)) |
                                     HitsTarget(Apply(a, Apply(bc, d, r), p)) |
                                     HitsTarget(Apply(a, Apply(b, cd, q), p));
                    hits += hit ? 1 : 0;
                }
    }
    return hits;
}

// Sets each of the 1536 candidates into the solver in search order and hands
// the shape FindShape gives it (0 for none) to onCandidate.
template <typename OnCandidate>
void ForEachCandidate(Solver& solver, OnCandidate onCandidate)
{
    for (const std::array<std::size_t, 4>& index : AllArrangements) {
        for (std::size_t k = 0; k < 4; ++k)
            solver.order[k] = solver.values[index[k]];
        for (char p : Operators)
            for (char q : Operators)
                for (char r : Operators) {
                    solver.ops = {p, q, r};
                    onCandidate(solver.FindShape());
                }
    }
}

// The solver's own arithmetic (FindShape, first hit wins) over every candidate,
// without building or storing a text.
int FindShapeHits(Solver& solver)
{
    int hits = 0;
    ForEachCandidate(solver, [&hits](int shape) { hits += shape != 0 ? 1 : 0; });
    return hits;
}

std::size_t SearchCount(const Hand& hand)
{
    Solver solver;
    solver.SetHand(hand);
    solver.Search();
    benchmark::DoNotOptimize(solver.solutions.data());
    return solver.solutions.size();
}

// The hands go through DoNotOptimize so that no search is folded at compile time.
void Search(benchmark::State& state, Hand hand)
{
    std::size_t solutions = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hand);
        solutions = SearchCount(hand);
    }
    state.counters["solutions"] = static_cast<double>(solutions);
    state.SetItemsProcessed(state.iterations() * 1536);
}

void SearchArithmetic(benchmark::State& state, Hand hand)
{
    Solver solver;
    int hits = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hand);
        solver.SetHand(hand);
        hits = FindShapeHits(solver);
        benchmark::DoNotOptimize(hits);
    }
    state.counters["solutions"] = hits;
    state.SetItemsProcessed(state.iterations() * 1536);
}

// The other half of the search: building and storing the texts of the hand's
// solutions, found beforehand, with no arithmetic.
void Texts(benchmark::State& state, Hand hand)
{
    struct Found {
        std::array<std::int32_t, 4> order;
        std::array<char, 3> ops;
        int shape;
    };
    std::vector<Found> found;
    Solver finder;
    finder.SetHand(hand);
    ForEachCandidate(finder, [&](int shape) {
        if (shape != 0)
            found.push_back({finder.order, finder.ops, shape});
    });
    for (auto _ : state) {
        Solver solver;
        solver.solutions.reserve(24 * 64);
        for (const Found& solution : found) {
            solver.order = solution.order;
            solver.ops = solution.ops;
            solver.shape = solution.shape;
            solver.BuildSolutionText();
            solver.solutions.push_back(solver.text);
            solver.text.clear();
        }
        benchmark::DoNotOptimize(solver.solutions.data());
    }
    state.counters["solutions"] = static_cast<double>(found.size());
}

void Floor(benchmark::State& state, Hand hand)
{
    int hits = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hand);
        hits = FloorHits(hand);
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
    state.SetItemsProcessed(state.iterations() * 1536);
}

void SearchAllHands(benchmark::State& state)
{
    std::size_t solutions = 0;
    for (auto _ : state) {
        solutions = 0;
        for (Hand hand : AllHands) {
            benchmark::DoNotOptimize(hand);
            solutions += SearchCount(hand);
        }
    }
    state.counters["solutions"] = static_cast<double>(solutions);
    state.SetItemsProcessed(state.iterations() * 1820 * 1536);
}

void SearchArithmeticAllHands(benchmark::State& state)
{
    Solver solver;
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (Hand hand : AllHands) {
            benchmark::DoNotOptimize(hand);
            solver.SetHand(hand);
            hits += FindShapeHits(solver);
        }
        benchmark::DoNotOptimize(hits);
    }
    state.counters["solutions"] = hits;
    state.SetItemsProcessed(state.iterations() * 1820 * 1536);
}

void FloorAllHands(benchmark::State& state)
{
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (Hand hand : AllHands) {
            benchmark::DoNotOptimize(hand);
            hits += FloorHits(hand);
        }
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
    state.SetItemsProcessed(state.iterations() * 1820 * 1536);
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

// Console output as usual, plus each run's seconds per iteration kept by name.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& reports) override
    {
        for (const Run& run : reports)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
                seconds_[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
        ConsoleReporter::ReportRuns(reports);
    }

    // For every "Search.../X" with a "Floor/X": the ratio of their times.
    void PrintRatios() const
    {
        bool header = false;
        for (const auto& entry : seconds_) {
            const std::string& name = entry.first;
            const std::size_t slash = name.find('/');
            if (name.rfind("Search", 0) != 0 || slash == std::string::npos)
                continue;
            const auto floor = seconds_.find("Floor" + name.substr(slash));
            if (floor == seconds_.end() || floor->second <= 0.0)
                continue;
            if (!header) {
                std::printf("\nRatio to the floor (bare arithmetic of 1536 candidates x 5 shapes):\n");
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

void RegisterHand(const char* name, Hand hand)
{
    benchmark::RegisterBenchmark((std::string("Search/") + name).c_str(), Search, hand)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((std::string("SearchArithmetic/") + name).c_str(), SearchArithmetic, hand)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((std::string("Texts/") + name).c_str(), Texts, hand)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((std::string("Floor/") + name).c_str(), Floor, hand)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv)
{
    RegisterHand("1_2_3_4", Hand{1, 2, 3, 4});
    RegisterHand("12_12_12_12", Hand{12, 12, 12, 12});
    RegisterHand("3_3_8_8", Hand{3, 3, 8, 8});
    RegisterHand("6_6_6_6", Hand{6, 6, 6, 6});
    benchmark::RegisterBenchmark("Search/all_1820_hands", SearchAllHands)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SearchArithmetic/all_1820_hands", SearchArithmeticAllHands)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Floor/all_1820_hands", FloorAllHands)->Unit(benchmark::kMillisecond);

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
