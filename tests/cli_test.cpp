// The veltro-cli contract, run against the built binary: the solver's results on
// standard output with status 0, or one usage error line on standard error, status 2.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "common/texts.h"
#include "solver/solver.h"

extern char** environ;

namespace {

using Lines = std::vector<std::string>;

struct CliRun {
    int status;  // -1: the program did not exit (a signal)
    std::string out, err;
    bool inputRefused;   // the program stopped reading before the end of what was fed
    long peakKilobytes;  // its largest resident set once all was fed, 0 if it had ended
};

std::string Content(FILE* file)
{
    std::string text;
    std::rewind(file);
    for (int c = std::getc(file); c != EOF; c = std::getc(file))
        text += static_cast<char>(c);
    return text;
}

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

// Runs veltro-cli without a shell; standard input a socket that `fed` is written into while it
// runs, or the file `in`; standard output a temp file, or the file `out` (then not read back).
CliRun RunCli(Lines arguments, const std::string& fed = "", const char* in = nullptr, const char* out = nullptr)
{
    arguments.insert(arguments.begin(), VELTRO_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    FILE *output = std::tmpfile(), *error = std::tmpfile();
    int socket[2] = {-1, -1};
    EXPECT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, socket));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (in != nullptr)
        posix_spawn_file_actions_addopen(&actions, 0, in, O_RDONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, socket[1], 0);
    if (out != nullptr)
        posix_spawn_file_actions_addopen(&actions, 1, out, O_WRONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, fileno(output), 1);
    posix_spawn_file_actions_adddup2(&actions, fileno(error), 2);
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
    CliRun run{exited ? WEXITSTATUS(raw) : -1, Content(output), Content(error), taken < fed.size(), peak};
    std::fclose(output);
    std::fclose(error);
    return run;
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

const std::string Right = "0\t24\tright\t" TEXT_RIGHT_HEADLINE " / " TEXT_RIGHT_DETAIL "\n";
const std::string Invalid = "\t-\tinvalid\t" TEXT_INVALID_HEADLINE " / ";
const std::string Wrong = "\twrong\t" TEXT_WRONG_HEADLINE " / " TEXT_WRONG_DETAIL "\n";

// solve: the solver's texts in search order (leading zeros allowed); list: its lines sorted by bytes;
// explain: where the arithmetics disagree; check: a line per text, control bytes and \ quoted escaped.
TEST(Cli, PrintsEachCommandsResultsWithStatus0)
{
    const auto solutions = [](const Hand& hand) { Solver solver; solver.SetHand(hand); solver.Search(); return solver.solutions; };
    Lines sorted = solutions({1, 2, 12, 12});
    std::sort(sorted.begin(), sorted.end());
    const Lines pair = {"single-only\t2/13*(12*13)\t24\t24", "exact-only\t2/13*12*13\t24\t24.0000019",
                        "single-only\t2/(13/(12*13))\t24\t24", "exact-only\t2/(13/12)*13\t24\t23.9999981"};
    const struct {
        Lines arguments;
        std::string out;
    } cases[] = {
        {{"solve", "01", "2", "3", "04"}, Joined(solutions({1, 2, 3, 4}))},
        {{"solve", "--exact", "3", "03", "8", "8"}, Joined(Lines(4, "8/(3-8/3)"))},
        {{"list", "3", "3", "8", "8"}, TEXT_NO_SOLUTION "\n"},
        {{"list", "1", "2", "12", "12"}, Joined(sorted)},
        {{"explain", "3", "3", "8", "8"},
         Joined(Lines(4, "exact-only\t8/(3-8/3)\t24\t24.0000057")) + "0 single-precision solutions, 4 exact, 4 differ\n"},
        {{"explain", "2", "12", "13", "13"},
         Joined(pair) + Joined(pair) + "124 single-precision solutions, 124 exact, 4 differ\n"},
        {{"check", "1", "3", "5", "9", "9+5*3*1", "1++3", "(1+5/3)*9", "\n", "1\\3"},
         Right + "513" + Invalid + "位置:2 原因:+ 不能跟在 + 后面\n" + "0\t23.9999981" + Wrong + "1" +
             Invalid + "\\x0A 不能作为第一个字符\n" + "257" + Invalid + "位置:1 原因:\\x5C 不能跟在 1 后面\n"},
        {{"--version"}, "veltro-cli " VELTRO_VERSION "\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(0, run.status) << Joined(c.arguments);
        EXPECT_EQ(c.out, run.out) << Joined(c.arguments);
    }
}

// One line "a b c d N" per hand, then the count of those without a solution.
TEST(Cli, HandsCountsTheSolutionsOfEachHand)
{
    for (const bool exact : {false, true}) {
        const std::string out = RunCli(exact ? Lines{"hands", "--exact"} : Lines{"hands"}).out;
        EXPECT_EQ(1821, std::count(out.begin(), out.end(), '\n'));
        for (const char* line : {"\n1 2 3 4 80\n", "\n13 13 13 13 0\n", exact ? "\n3 3 8 8 4\n" : "\n3 3 8 8 0\n",
                                 exact ? "\n1820 hands, 458 without a solution\n" : "\n1820 hands, 459 without a solution\n"})
            EXPECT_NE(std::string::npos, out.find(line)) << line << " missing from hands" << (exact ? " --exact" : "");
    }
}

// Only "\n" ends a line; the rest of a long line is skipped, not stored.
TEST(Cli, CheckJudgesEachLineOfStandardInputByItsFirst29Bytes)
{
    const CliRun run = RunCli({"check", "1", "3", "5", "9"}, "9+5*3*1" + std::string(64 << 20, ' ') + "\n9+5*3*1\r");
    EXPECT_EQ(Right + "1793" + Invalid + "位置:7 原因:\\x0D 不能跟在 1 后面\n", run.out);
    EXPECT_GT(32 << 10, run.peakKilobytes) << "kilobytes at the peak, for a line of 64 MB";
}

// One case per kind of error.
TEST(Cli, RejectsBadArgumentsWithOneErrorLine)
{
    const std::vector<Lines> cases = {
        {"frob\nnicate"}, {"--help", "x"}, {"--version", "x"}, {"hands", "x"}, {"hands", "--exact", "x"}, {"explain", "1", "2", "3"},
        {"solve", "1", "2", "3", "4", "5"}, {"list", "--exact", "1", "2", "3", "4"}, {"solve", "1", "2", "3", "100"},
        {"solve", "1", "2", "3", "+4"}, {"check", std::string(100000, '\x1B'), "2", "3", "4"},
    };
    for (const Lines& arguments : cases)
        EXPECT_TRUE(IsUsageError(RunCli(arguments))) << Joined(arguments);
}

TEST(Cli, FailsWhenStandardOutputOrInputCannotBeUsed)
{
    EXPECT_TRUE(IsUsageError(RunCli({"check", "1", "2", "3", "4"}, "", "/")));
    EXPECT_TRUE(IsUsageError(RunCli({"hands"}, "", nullptr, "/dev/full")));
    std::string lines;
    for (int i = 0; i < 1 << 20; ++i)
        lines += "4*3*2*1\n";
    const CliRun check = RunCli({"check", "1", "2", "3", "4"}, lines, nullptr, "/dev/full");
    EXPECT_TRUE(IsUsageError(check));
    EXPECT_TRUE(check.inputRefused) << "check read all of its 8 MB of input after a failed write";
}

}  // namespace
