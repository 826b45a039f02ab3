// The veltro-cli contract of issue 2, run against the built binary.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::string ShellQuote(const std::string& argument)
{
    std::string quoted = "'";
    for (char c : argument) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

class Scratch {
public:
    Scratch()
    {
        char pattern[] = "/tmp/veltro-cli-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        EXPECT_NE(made, nullptr);
        dir_ = made != nullptr ? made : "/tmp";
    }
    ~Scratch()
    {
        for (const char* name : {"/in", "/out", "/err"})
            std::remove((dir_ + name).c_str());
        rmdir(dir_.c_str());
    }
    std::string Path(const char* name) const { return dir_ + name; }

private:
    std::string dir_;
};

CliRun RunCli(const std::vector<std::string>& arguments, const std::string& input = "")
{
    Scratch scratch;
    {
        std::ofstream in(scratch.Path("/in"), std::ios::binary);
        in << input;
    }
    std::string command = ShellQuote(VELTRO_CLI_PATH);
    for (const std::string& argument : arguments)
        command += " " + ShellQuote(argument);
    command += " <" + scratch.Path("/in") + " >" + scratch.Path("/out") + " 2>" + scratch.Path("/err");
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(scratch.Path("/out"));
    run.err = ReadFile(scratch.Path("/err"));
    return run;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

TEST(Cli, Hands)
{
    const CliRun run = RunCli({"hands"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1821u);
    EXPECT_EQ(lines.front(), "1 1 1 1 0");
    EXPECT_EQ(lines[1], "1 1 1 2 0");
    EXPECT_EQ(lines[1819], "13 13 13 13 0");
    EXPECT_EQ(lines.back(), "1820 hands, 459 without a solution");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "1 2 3 4 80"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "3 3 8 8 0"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "6 6 6 6 72"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "1 4 5 6 1"), lines.end());
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(Cli, Solve1234)
{
    const CliRun run = RunCli({"solve", "1", "2", "3", "4"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 80u);
    const std::vector<std::string> firstSixteen = {
        "(1+2+3)*4", "1*2*3*4",   "1*2*4*3",   "(1+3+2)*4", "(1+3)*(2+4)", "1*3*2*4",
        "(1+3)*(4+2)", "1*3*4*2", "1*4*2*3",   "1*4*3*2",   "(2+1+3)*4",   "2*1*3*4",
        "2/1*3*4",   "2/(1/3)*4", "2/(1/3/4)", "2*1*4*3",
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 16), firstSixteen);
    EXPECT_EQ(lines.back(), "4*3*2/1");
}

TEST(Cli, SolveWithoutSolutionPrintsNothing)
{
    const CliRun run = RunCli({"solve", "3", "3", "8", "8"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST(Cli, SolveHandOrderMatters)
{
    EXPECT_EQ(Lines(RunCli({"solve", "12", "12", "1", "1"}).out)[14], "12+1+12-1");
    EXPECT_EQ(RunCli({"solve", "4", "10", "4", "10"}).out,
              "(10*10-4)/4\n(10*10-4)/4\n(10*10-4)/4\n(10*10-4)/4\n");
    EXPECT_EQ(Lines(RunCli({"solve", "0", "4", "6", "13"}).out).size(), 36u);
    EXPECT_EQ(RunCli({"solve", "01", "02", "003", "4"}).out, RunCli({"solve", "1", "2", "3", "4"}).out);
}

TEST(Cli, List)
{
    CliRun run = RunCli({"list", "3", "3", "8", "8"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "没有答案\n");

    run = RunCli({"list", "6", "6", "6", "6"});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 72u);
    EXPECT_EQ(lines[0], "6*6-(6+6)");
    EXPECT_EQ(lines[24], "6*6-6-6");
    EXPECT_EQ(lines[48], "6+6+6+6");
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));

    run = RunCli({"list", "1", "2", "3", "4"});
    std::vector<std::string> solved = Lines(RunCli({"solve", "1", "2", "3", "4"}).out);
    std::sort(solved.begin(), solved.end());
    EXPECT_EQ(Lines(run.out), solved);
}

TEST(Cli, CheckArguments)
{
    const CliRun run = RunCli({"check", "1", "2", "3", "4", "(1+2+3)*4", "1++2", "1+2*3*4", "", "4 3 2 1",
                            "4294967297*2*3*4"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> expected = {
        "0\t24\tright\t祝贺你 / 开始下一局...",
        "513\t-\tinvalid\t不是合法的表达式! / 位置:2 原因:+ 不能跟在 + 后面",
        "0\t25\twrong\t很遗憾！ / 你的答案不正确",
        "1\t-\tinvalid\t不是合法的表达式! / ",
        "0\tnan\twrong\t很遗憾！ / 你的答案不正确",
        "3\t-\tinvalid\t不是合法的表达式! / 指定的数字没有使用!",
    };
    EXPECT_EQ(Lines(run.out), expected);
}

TEST(Cli, CheckSinglePrecision)
{
    CliRun run = RunCli({"check", "3", "3", "8", "8", "8/(3-8/3)", "8//3+3+8", "8/(3-3)*8"});
    EXPECT_EQ(run.out,
              "0\t24.0000057\twrong\t很遗憾！ / 你的答案不正确\n"
              "513\t-\tinvalid\t不是合法的表达式! / 位置:2 原因:/ 不能跟在 / 后面\n"
              "0\t-100000\twrong\t很遗憾！ / 你的答案不正确\n");
    run = RunCli({"check", "1", "3", "5", "9", "(1+5/3)*9"});
    EXPECT_EQ(run.out, "0\t23.9999981\twrong\t很遗憾！ / 你的答案不正确\n");
    run = RunCli({"check", "1", "2", "12", "12", "12+12-1/2"});
    EXPECT_EQ(run.out, "0\t23.5\twrong\t很遗憾！ / 你的答案不正确\n");
}

TEST(Cli, CheckStandardInput)
{
    const std::string input = "(1+2+3)*4\n1+2+3+4\r\n\n   \n" + std::string(100000, '(') + "\n4*3*2*1";
    const CliRun run = RunCli({"check", "1", "2", "3", "4"}, input);
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> expected = {
        "0\t24\tright\t祝贺你 / 开始下一局...",
        "1793\t-\tinvalid\t不是合法的表达式! / 位置:7 原因:\r 不能跟在 4 后面",
        "1\t-\tinvalid\t不是合法的表达式! / ",
        "769\t-\tinvalid\t不是合法的表达式! / 位置:3 原因:",
        "5\t-\tinvalid\t不是合法的表达式! / ( 不能作为最后一个字符",
        "0\t24\tright\t祝贺你 / 开始下一局...",
    };
    EXPECT_EQ(Lines(run.out), expected);
}

TEST(Cli, CheckEmptyInputPrintsNothing)
{
    const CliRun run = RunCli({"check", "1", "2", "3", "4"}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST(Cli, HelpAndNoArguments)
{
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, std::vector<std::string>{"--help"}}) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.rfind("usage: veltro-cli", 0), 0u);
        EXPECT_EQ(run.err, "");
    }
}

TEST(Cli, UsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"solve"},
        {"solve", "1", "2", "3"},
        {"solve", "1", "2", "3", "100"},
        {"solve", "1", "2", "3", "-1"},
        {"solve", "1", "2", "3", "+4"},
        {"solve", "1", "2", "3", " 4"},
        {"solve", "1", "2", "3", "4 "},
        {"solve", "1", "2", "3", "4.0"},
        {"solve", "1", "2", "3", "0x4"},
        {"solve", "", "2", "3", "4"},
        {"solve", "a", "b", "c", "d"},
        {"solve", "99999999999999999999999999", "2", "3", "4"},
        {"solve", "1", "2", "3", "\xEF\xBC\x94"},
        {"solve", "1", "2", "3", "4", "5"},
        {"list", "1", "2", "3"},
        {"list", "1", "2", "3", "4", "x"},
        {"check"},
        {"check", "1", "2", "3"},
        {"check", "1", "2", "3", "444"},
        {"hands", "x"},
        {"frobnicate"},
        {""},
        {"SOLVE", "1", "2", "3", "4"},
        {"--help", "x"},
        {"-h"},
        {"solve", std::string(100000, '9'), "2", "3", "4"},
        {"\n\n", "1"},
    };
    for (const std::vector<std::string>& arguments : cases) {
        const CliRun run = RunCli(arguments);
        std::string shown;
        for (const std::string& a : arguments)
            shown += "[" + a.substr(0, 20) + "]";
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        ASSERT_FALSE(run.err.empty()) << shown;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << shown << run.err;
        EXPECT_EQ(run.err.back(), '\n') << shown;
        EXPECT_LT(run.err.size(), 300u) << shown;
    }
}

}  // namespace
