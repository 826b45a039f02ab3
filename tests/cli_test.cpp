// The veltro-cli contract, run against the built binary: results on standard
// output with status 0, or a usage error of one line on standard error with
// status 2, never a crash, whatever the arguments and input.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Lines = std::vector<std::string>;

// Status -1: the program did not exit (a signal).
struct CliRun {
    int status;
    std::string out, err;
};

std::string ReadFile(const std::string& path)
{
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

// Runs veltro-cli without a shell, so that no argument is limited or reinterpreted.
// Standard input is `input`, or the file `inPath`; standard output goes to
// `outPath` when given (then not read back).
CliRun RunCli(std::vector<std::string> arguments, const std::string& input = "", const std::string& outPath = "",
              const std::string& inPath = "")
{
    char pattern[] = "/tmp/veltro-cli-test-XXXXXX";
    const std::string dir = mkdtemp(pattern) != nullptr ? pattern : "";
    if (dir.empty()) {
        ADD_FAILURE() << "no scratch directory";
        return {-1, "", ""};
    }
    const std::string in = inPath.empty() ? dir + "/in" : inPath, out = outPath.empty() ? dir + "/out" : outPath;
    std::ofstream(dir + "/in", std::ios::binary) << input;
    arguments.insert(arguments.begin(), VELTRO_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, (dir + "/err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    int raw = 0;
    CliRun run{-1, "", ""};
    EXPECT_EQ(0, posix_spawn(&pid, VELTRO_CLI_PATH, &actions, nullptr, argv.data(), environ));
    posix_spawn_file_actions_destroy(&actions);
    if (pid > 0 && waitpid(pid, &raw, 0) == pid && WIFEXITED(raw))
        run.status = WEXITSTATUS(raw);
    run.out = outPath.empty() ? ReadFile(out) : "";
    run.err = ReadFile(dir + "/err");
    for (const char* name : {"/in", "/out", "/err"})
        std::remove((dir + name).c_str());
    rmdir(dir.c_str());
    return run;
}

Lines SplitLines(const std::string& text)
{
    Lines lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

testing::AssertionResult IsOneErrorLine(const std::string& err)
{
    if (std::count(err.begin(), err.end(), '\n') == 1 && err.back() == '\n' && err.size() < 300)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "standard error is not one line: <" << err << ">";
}

const std::string Right = "\tright\t祝贺你 / 开始下一局...";
const std::string Wrong = "\twrong\t很遗憾！ / 你的答案不正确";
const std::string Invalid = "\t-\tinvalid\t不是合法的表达式! / ";

TEST(Cli, HandsCountsTheSolutionsOfThe1820Hands)
{
    const CliRun run = RunCli({"hands"});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    const Lines lines = SplitLines(run.out);
    ASSERT_EQ(1821u, lines.size());
    EXPECT_EQ((Lines{"1 1 1 1 0", "1 1 1 2 0"}), Lines(lines.begin(), lines.begin() + 2));
    EXPECT_EQ("13 13 13 13 0", lines[1819]);
    EXPECT_EQ("1820 hands, 459 without a solution", lines.back());
    for (const char* line : {"1 2 3 4 80", "3 3 8 8 0", "6 6 6 6 72", "1 4 5 6 1", "1 1 12 12 180"})
        EXPECT_EQ(1, std::count(lines.begin(), lines.end(), line)) << line;
}

TEST(Cli, SolvePrintsTheTextsInSearchOrder)
{
    const CliRun run = RunCli({"solve", "1", "2", "3", "4"});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    const Lines lines = SplitLines(run.out);
    ASSERT_EQ(80u, lines.size());
    const Lines firstSixteen = {
        "(1+2+3)*4", "1*2*3*4",     "1*2*4*3", "(1+3+2)*4", "(1+3)*(2+4)", "1*3*2*4",   "(1+3)*(4+2)", "1*3*4*2",
        "1*4*2*3",   "1*4*3*2",     "(2+1+3)*4", "2*1*3*4", "2/1*3*4",     "2/(1/3)*4", "2/(1/3/4)",   "2*1*4*3",
    };
    EXPECT_EQ(firstSixteen, Lines(lines.begin(), lines.begin() + 16));
    EXPECT_EQ("4*3*2/1", lines.back());
    EXPECT_EQ(run.out, RunCli({"solve", std::string(50000, '0') + "1", "02", "003", "4"}).out) << "leading zeros";
    // The hand's order is the search's order; a hand without solution prints nothing.
    EXPECT_EQ("12+1+12-1", SplitLines(RunCli({"solve", "12", "12", "1", "1"}).out).at(14));
    EXPECT_EQ("", RunCli({"solve", "3", "3", "8", "8"}).out);
}

TEST(Cli, ListSortsTheLinesByBytes)
{
    EXPECT_EQ("没有答案\n", RunCli({"list", "3", "3", "8", "8"}).out);
    const Lines sixes = SplitLines(RunCli({"list", "6", "6", "6", "6"}).out);
    ASSERT_EQ(72u, sixes.size());
    EXPECT_EQ((Lines{"6*6-(6+6)", "6*6-6-6", "6+6+6+6"}), (Lines{sixes[0], sixes[24], sixes[48]}));
    EXPECT_TRUE(std::is_sorted(sixes.begin(), sixes.end()));
    Lines solved = SplitLines(RunCli({"solve", "1", "2", "3", "4"}).out);
    std::sort(solved.begin(), solved.end());
    EXPECT_EQ(solved, SplitLines(RunCli({"list", "1", "2", "3", "4"}).out));
}

TEST(Cli, CheckPrintsResultValueJudgementAndVerdictPerText)
{
    const CliRun run = RunCli({"check", "1", "2", "3", "4", "(1+2+3)*4", "1++2", "1+2*3*4", "", "4 3 2 1"});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    const Lines expected = {"0\t24" + Right, "513" + Invalid + "位置:2 原因:+ 不能跟在 + 后面", "0\t25" + Wrong,
                            "1" + Invalid, "0\tnan" + Wrong};
    EXPECT_EQ(expected, SplitLines(run.out));
}

TEST(Cli, CheckPrintsTheSinglePrecisionValueWithNineDigits)
{
    EXPECT_EQ("0\t24.0000057" + Wrong + "\n0\t-100000" + Wrong + "\n",
              RunCli({"check", "3", "3", "8", "8", "8/(3-8/3)", "8/(3-3)*8"}).out);
    EXPECT_EQ("0\t23.9999981" + Wrong + "\n", RunCli({"check", "1", "3", "5", "9", "(1+5/3)*9"}).out);
    EXPECT_EQ("0\t23.5" + Wrong + "\n", RunCli({"check", "1", "2", "12", "12", "12+12-1/2"}).out);
}

// Only "\n" ends a line: "\r" stays in the text, a zero byte ends it early, and
// only its first 29 bytes count, however long it is.
TEST(Cli, CheckJudgesEachLineOfStandardInput)
{
    const std::string input = "(1+2+3)*4\n1+2+3+4\r\n\n   \n" + std::string(1 << 20, '(') + "\n" +
                              std::string("(1+2+3)*4\0+9\n", 13) + "\x1B[31m4*3*2*1\n" + "1+2*3*4" +
                              std::string(22, ' ') + std::string(1 << 20, 'x') + "\n" + std::string(1 << 20, '9') +
                              "\n4*3*2*1";
    const CliRun run = RunCli({"check", "1", "2", "3", "4"}, input);
    EXPECT_EQ(0, run.status);
    const Lines expected = {
        "0\t24" + Right,
        "1793" + Invalid + "位置:7 原因:\r 不能跟在 4 后面",
        "1" + Invalid,
        "769" + Invalid + "位置:3 原因:",
        "5" + Invalid + "( 不能作为最后一个字符",
        "0\t24" + Right,
        "1" + Invalid + "\x1B 不能作为第一个字符",
        "0\t25" + Wrong,
        "2" + Invalid + "数字个数不符合要求!",
        "0\t24" + Right,
    };
    EXPECT_EQ(expected, SplitLines(run.out));
    EXPECT_EQ("", RunCli({"check", "1", "2", "3", "4"}, "").out);
}

// The same texts as arguments and as lines give the same lines, one per text,
// whatever bytes they hold (a zero byte ends both).
TEST(Cli, JudgesThousandsOfTextsOneLineEach)
{
    std::vector<std::string> kinds = {"(1+2+3)*4", "1+2*3*4", "1++2", "4 3 2 1", "", "   ", "(((((", "1)+(2+3)*(4",
                                      "4294967297*2*3*4", "2/(1/3/4)", "4*3*2*1+0"};
    for (int byte = 0; byte < 256; ++byte)
        if (byte != '\n')
            kinds.push_back(std::string("1+2+3") + static_cast<char>(byte) + "4");
    std::vector<std::string> arguments = {"check", "1", "2", "3", "4"};
    std::string input;
    for (std::size_t i = 0; i < 5000; ++i) {
        arguments.push_back(kinds[i % kinds.size()]);
        input += arguments.back() + "\n";
    }
    const CliRun fromArguments = RunCli(arguments);
    const CliRun fromInput = RunCli({"check", "1", "2", "3", "4"}, input);
    EXPECT_EQ(0, fromArguments.status);
    EXPECT_EQ("", fromInput.err);
    EXPECT_EQ(fromInput.out, fromArguments.out);
    const Lines lines = SplitLines(fromInput.out);
    ASSERT_EQ(5000u, lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i % kinds.size()], lines[i]) << "text " << i << " judged differently the second time";
    EXPECT_EQ("0\t24" + Right, lines[0]);
}

TEST(Cli, PrintsTheUsageWithoutArgumentsOrForHelp)
{
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, std::vector<std::string>{"--help"}}) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(0, run.status);
        EXPECT_EQ(0u, run.out.rfind("usage: veltro-cli", 0)) << run.out;
        EXPECT_EQ("", run.err);
    }
}

TEST(Cli, RejectsBadArgumentsWithOneErrorLine)
{
    const std::vector<std::vector<std::string>> cases = {
        {"solve"}, {"solve", "1", "2", "3"}, {"solve", "1", "2", "3", "4", "5"}, {"solve", "1", "2", "3", "4", ""},
        {"list", "1", "2", "3"}, {"list", "1", "2", "3", "4", "\xFF"}, {"check"}, {"check", "1", "2", "3"},
        {"hands", "x"}, {"hands", ""}, {"frobnicate"}, {""}, {"SOLVE", "1", "2", "3", "4"}, {"--help", "x"}, {"-h"},
        {"\xFF\xFE"}, {std::string(100000, 'x')}, {"\n\n", "1"},
        // Hand values: ASCII digits for 0..99 only.
        {"solve", "1", "2", "3", "100"}, {"solve", "1", "2", "3", "-1"}, {"solve", "1", "2", "3", "-0"},
        {"solve", "1", "2", "3", "+4"}, {"solve", "1", "2", "3", " 4"}, {"solve", "1", "2", "3", "4\n"},
        {"solve", "1", "2", "3", "4.0"}, {"solve", "1", "2", "3", "0x4"}, {"solve", "1", "2", "3", "1e1"},
        {"solve", "", "2", "3", "4"}, {"check", "", "", "", ""}, {"solve", "a", "b", "c", "d"},
        {"solve", "1", "2", "3", "4294967300"},            // 4 if wrapped in 32 bits
        {"solve", "1", "2", "3", "18446744073709551620"},  // 4 if wrapped in 64 bits
        {"solve", "1", "2", "3", "\xEF\xBC\x94"},          // a full-width 4
        {"solve", "1", "2", "3", "\xD9\xA3"},              // an Arabic-Indic 3
        {"solve", "1", "2", "3", "\xB2\xBB"},
        {"solve", std::string(100000, '9'), "2", "3", "4"}, {"solve", std::string(100000, '\x1B'), "2", "3", "4"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const CliRun run = RunCli(cases[i]);
        EXPECT_EQ(2, run.status) << "case " << i;
        EXPECT_EQ("", run.out) << "case " << i;
        EXPECT_TRUE(IsOneErrorLine(run.err)) << "case " << i;
    }
}

TEST(Cli, FailsWhenStandardOutputCannotBeWritten)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"solve", "12", "12", "12", "12"}, std::vector<std::string>{"hands"}}) {
        const CliRun run = RunCli(arguments, "", "/dev/full");
        EXPECT_EQ(2, run.status) << arguments[0];
        EXPECT_TRUE(IsOneErrorLine(run.err)) << arguments[0];
    }
}

// A directory as standard input cannot be read: that is an error, not an empty input.
TEST(Cli, FailsWhenStandardInputCannotBeRead)
{
    const CliRun run = RunCli({"check", "1", "2", "3", "4"}, "", "", "/");
    EXPECT_EQ(2, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_TRUE(IsOneErrorLine(run.err));
}

}  // namespace
