// The veltro-cli contract, run against the built binary: the solver's results on
// standard output with status 0, or one usage error line on standard error, status 2.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/texts.h"
#include "solver/solver.h"

extern char** environ;

namespace {

using Lines = std::vector<std::string>;

// Status -1: the program did not exit (a signal).
struct CliRun {
    int status;
    std::string out, err;
    bool inputRefused;  // the program stopped reading before the end of what was fed
    long peakKilobytes;  // its largest resident set once all was fed, 0 if it had ended
};

// A file of the run's own in the temp folder, so that runs side by side never
// share one; removed when it goes.
struct TempFile {
    std::string path = testing::TempDir() + "veltro-cli-XXXXXX";
    TempFile() { close(mkstemp(path.data())); }
    ~TempFile() { unlink(path.c_str()); }
    std::string Read() const
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
};

// The process's largest resident set so far, in kilobytes; 0 once it has ended.
long PeakKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// Runs veltro-cli without a shell. Standard input is a socket into which `fed`
// is written while the program runs, or the file `in`; standard output goes to a
// file of the run's own, or to the file `out` (then not read back).
CliRun RunCli(Lines arguments, const std::string& fed = "", const std::string& in = "", const std::string& out = "")
{
    arguments.insert(arguments.begin(), VELTRO_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    TempFile output, err;
    int socket[2] = {-1, -1};
    EXPECT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, socket));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (in.empty())
        posix_spawn_file_actions_adddup2(&actions, socket[1], 0);
    else
        posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    const std::string outPath = out.empty() ? output.path : out;
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err.path.c_str(), O_WRONLY, 0);
    pid_t pid = 0;
    EXPECT_EQ(0, posix_spawn(&pid, VELTRO_CLI_PATH, &actions, nullptr, argv.data(), environ));
    posix_spawn_file_actions_destroy(&actions);
    close(socket[1]);  // so that the program's end of it closes when the program ends
    std::size_t taken = 0;  // up to the end, or until the program closes its end
    for (ssize_t sent = 0; taken < fed.size() && sent >= 0;) {
        sent = send(socket[0], fed.data() + taken, fed.size() - taken, MSG_NOSIGNAL);
        taken += sent > 0 ? static_cast<std::size_t>(sent) : 0;
    }
    // Read before the input ends: the socket buffers less than a megabyte of it.
    const long peak = PeakKilobytes(pid);
    close(socket[0]);
    int raw = 0;
    const bool exited = pid > 0 && waitpid(pid, &raw, 0) == pid && WIFEXITED(raw);
    return {exited ? WEXITSTATUS(raw) : -1, output.Read(), err.Read(), taken < fed.size(), peak};
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
    EXPECT_EQ(TEXT_NO_SOLUTION "\n", RunCli({"list", "3", "3", "8", "8"}).out);
    Lines sorted = SolveHand({1, 2, 12, 12});
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(Joined(sorted), RunCli({"list", "1", "2", "12", "12"}).out);
}

const std::string Right = "0\t24\tright\t" TEXT_RIGHT_HEADLINE " / " TEXT_RIGHT_DETAIL "\n";
const std::string Invalid = "\t-\tinvalid\t" TEXT_INVALID_HEADLINE " / ";
const std::string Wrong = "\twrong\t" TEXT_WRONG_HEADLINE " / " TEXT_WRONG_DETAIL "\n";

// One line per text: the control bytes and the backslash that a detail quotes are escaped.
TEST(Cli, CheckPrintsResultValueJudgementAndVerdictPerText)
{
    EXPECT_EQ(Right + "513" + Invalid + "位置:2 原因:+ 不能跟在 + 后面\n" + "0\t23.9999981" + Wrong +
                  "1" + Invalid + "\\x0A 不能作为第一个字符\n" + "257" + Invalid + "位置:1 原因:\\x5C 不能跟在 1 后面\n",
              RunCli({"check", "1", "3", "5", "9", "9+5*3*1", "1++3", "(1+5/3)*9", "\n", "1\\3"}).out);
    EXPECT_EQ("0\t24" + Wrong, RunCli({"check", "3", "3", "8", "8", "8*3 3 8"}).out)
        << "a text that is no expression, whatever its value";
}

// Only "\n" ends a line; the rest of a long line is skipped, not stored.
TEST(Cli, CheckJudgesEachLineOfStandardInputByItsFirst29Bytes)
{
    const CliRun run = RunCli({"check", "1", "3", "5", "9"}, "9+5*3*1" + std::string(64 << 20, ' ') + "\n9+5*3*1\r");
    EXPECT_EQ(Right + "1793" + Invalid + "位置:7 原因:\\x0D 不能跟在 1 后面\n", run.out);
    EXPECT_GT(32 << 10, run.peakKilobytes) << "kilobytes at the peak, for a line of 64 MB";
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
    EXPECT_TRUE(IsUsageError(RunCli({"check", "1", "2", "3", "4"}, "", "/")));
    EXPECT_TRUE(IsUsageError(RunCli({"hands"}, "", "", "/dev/full")));
    std::string lines;
    for (int i = 0; i < 1 << 20; ++i)
        lines += "4*3*2*1\n";
    const CliRun check = RunCli({"check", "1", "2", "3", "4"}, lines, "", "/dev/full");
    EXPECT_TRUE(IsUsageError(check));
    EXPECT_TRUE(check.inputRefused) << "check read all of its 8 MB of input after a failed write";
}

}  // namespace
