// The veltro-cli contract, run against the built binary: the solver's results on
// standard output with status 0, or one usage error line on standard error, status 2.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "solver/solver.h"

extern char** environ;

namespace {

using Lines = std::vector<std::string>;

// Status -1: the program did not exit (a signal).
struct CliRun {
    int status;
    std::string out, err;
};

// Runs veltro-cli without a shell, standard input from the file `in`; standard
// output to the file `out` when given (then not read back).
CliRun RunCli(Lines arguments, const std::string& in = "/dev/null", const std::string& out = "")
{
    const std::string outPath = out.empty() ? testing::TempDir() + "veltro-cli-out" : out;
    const std::string errPath = testing::TempDir() + "veltro-cli-err";
    arguments.insert(arguments.begin(), VELTRO_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    int raw = 0;
    EXPECT_EQ(0, posix_spawn(&pid, VELTRO_CLI_PATH, &actions, nullptr, argv.data(), environ));
    posix_spawn_file_actions_destroy(&actions);
    const bool exited = pid > 0 && waitpid(pid, &raw, 0) == pid && WIFEXITED(raw);
    const auto ReadFile = [](const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    return {exited ? WEXITSTATUS(raw) : -1, out.empty() ? ReadFile(outPath) : "", ReadFile(errPath)};
}

std::string Joined(const Lines& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

testing::AssertionResult IsUsageError(const CliRun& run)
{
    const bool oneLine = std::count(run.err.begin(), run.err.end(), '\n') == 1 && run.err.back() == '\n';
    return (run.status == 2 && run.out.empty() && oneLine && run.err.size() < 300 ? testing::AssertionSuccess()
                                                                                   : testing::AssertionFailure())
           << "status " << run.status << ", output <" << run.out << ">, error <" << run.err << ">";
}

TEST(Cli, SolvePrintsTheSolversTextsInSearchOrder)
{
    for (const Hand& hand : {Hand{1, 2, 3, 4}, Hand{12, 12, 1, 1}, Hand{3, 3, 8, 8}})
        for (bool exact : {false, true}) {
            Lines arguments = exact ? Lines{"solve", "--exact"} : Lines{"solve"};
            for (std::int32_t value : hand)
                arguments.push_back("0" + std::to_string(value));  // leading zeros allowed
            const CliRun run = RunCli(arguments);
            EXPECT_EQ(0, run.status);
            EXPECT_EQ(Joined(SolveHand(hand, exact)), run.out) << Joined(arguments);
        }
}

TEST(Cli, HandsCountsTheSolutionsOfEachHand)
{
    for (bool exact : {false, true}) {
        std::string expected;
        for (const Hand& hand : AllHands())
            expected += std::to_string(hand[0]) + " " + std::to_string(hand[1]) + " " + std::to_string(hand[2]) + " " +
                        std::to_string(hand[3]) + " " + std::to_string(SolveHand(hand, exact).size()) + "\n";
        expected += exact ? "1820 hands, 458 without a solution\n" : "1820 hands, 459 without a solution\n";
        EXPECT_EQ(expected, RunCli(exact ? Lines{"hands", "--exact"} : Lines{"hands"}).out);
    }
}

TEST(Cli, ExplainShowsWhereTheTwoArithmeticsDisagree)
{
    EXPECT_EQ(Joined(Lines(4, "exact-only\t8/(3-8/3)\t24\t24.0000057")) + "0 single-precision solutions, 4 exact, 4 differ\n",
              RunCli({"explain", "3", "3", "8", "8"}).out);
    const Lines pair = {"single-only\t2/13*(12*13)\t24\t24", "exact-only\t2/13*12*13\t24\t24.0000019",
                        "single-only\t2/(13/(12*13))\t24\t24", "exact-only\t2/(13/12)*13\t24\t23.9999981"};
    EXPECT_EQ(Joined(pair) + Joined(pair) + "124 single-precision solutions, 124 exact, 4 differ\n",
              RunCli({"explain", "2", "12", "13", "13"}).out);
}

TEST(Cli, ListSortsTheLinesByBytes)
{
    EXPECT_EQ("没有答案\n", RunCli({"list", "3", "3", "8", "8"}).out);
    Lines sorted = SolveHand({1, 2, 12, 12});
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(Joined(sorted), RunCli({"list", "1", "2", "12", "12"}).out);
}

TEST(Cli, CheckPrintsResultValueJudgementAndVerdictPerTextOrLine)
{
    const std::string right = "0\t24\tright\t祝贺你 / 开始下一局...\n";
    EXPECT_EQ(right + "513\t-\tinvalid\t不是合法的表达式! / 位置:2 原因:+ 不能跟在 + 后面\n" +
                  "0\t23.9999981\twrong\t很遗憾！ / 你的答案不正确\n",
              RunCli({"check", "1", "3", "5", "9", "9+5*3*1", "1++3", "(1+5/3)*9"}).out);
    // Only "\n" ends a line of standard input.
    std::ofstream(testing::TempDir() + "veltro-cli-in", std::ios::binary) << "9+5*3*1\n9+5*3*1\r";
    EXPECT_EQ(right + "1793\t-\tinvalid\t不是合法的表达式! / 位置:7 原因:\r 不能跟在 1 后面\n",
              RunCli({"check", "1", "3", "5", "9"}, testing::TempDir() + "veltro-cli-in").out);
}

TEST(Cli, HelpListsTheExactForms)
{
    const std::string usage = RunCli({"--help"}).out;
    for (const char* form : {"solve [--exact] A B C D", "explain A B C D", "hands [--exact]"})
        EXPECT_NE(std::string::npos, usage.find(form)) << usage;
}

// One case per kind of error.
TEST(Cli, RejectsBadArgumentsWithOneErrorLine)
{
    const std::vector<Lines> cases = {
        {"frob\nnicate"}, {"--help", "x"}, {"hands", "x"}, {"hands", "--exact", "x"}, {"explain", "1", "2", "3"},
        {"solve", "1", "2", "3", "4", "5"}, {"list", "--exact", "1", "2", "3", "4"}, {"solve", "1", "2", "3", "100"},
        {"solve", "1", "2", "3", "+4"}, {"check", std::string(100000, '\x1B'), "2", "3", "4"},
    };
    for (const Lines& arguments : cases)
        EXPECT_TRUE(IsUsageError(RunCli(arguments))) << Joined(arguments);
}

TEST(Cli, FailsWhenStandardOutputOrInputCannotBeUsed)
{
    EXPECT_TRUE(IsUsageError(RunCli({"check", "1", "2", "3", "4"}, "/")));
    EXPECT_TRUE(IsUsageError(RunCli({"hands"}, "/dev/null", "/dev/full")));
}

}  // namespace
