// veltro-cli under hostile input: odd arguments, thousands of texts, megabyte
// lines, control and zero bytes. Each run ends with a result (exit 0, lines on
// standard output, nothing on standard error) or a usage error (exit 2, one line on
// standard error, nothing on standard output), never with a crash or a sanitizer
// report.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct CliRun {
    int status;  // the exit status, or -1 when the program did not exit (a signal)
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// Runs veltro-cli without a shell, so that no argument is limited or reinterpreted.
// Standard output goes to `outPath` when given (e.g. /dev/full), else to a file;
// standard input comes from `inPath` when given, else from `input`.
CliRun RunCli(const std::vector<std::string>& arguments, const std::string& input = "",
           const std::string& outPath = "", const std::string& inPath = "")
{
    char pattern[] = "/tmp/veltro-hostile-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr) {
        ADD_FAILURE() << "no scratch directory";
        return {-1, "", ""};
    }
    const std::string dir = made;
    const std::string in = inPath.empty() ? dir + "/in" : inPath;
    const std::string out = outPath.empty() ? dir + "/out" : outPath, err = dir + "/err";
    if (inPath.empty())
        std::ofstream(in, std::ios::binary) << input;

    std::vector<std::string> words = {VELTRO_CLI_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, VELTRO_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    CliRun run{-1, "", ""};
    int raw = 0;
    if (spawned == 0 && waitpid(pid, &raw, 0) == pid && WIFEXITED(raw))
        run.status = WEXITSTATUS(raw);
    EXPECT_EQ(0, spawned) << "cannot start " << VELTRO_CLI_PATH;
    if (outPath.empty())
        run.out = ReadFile(out);
    run.err = ReadFile(err);
    for (const std::string& path : {dir + "/in", dir + "/out", err})
        std::remove(path.c_str());
    rmdir(dir.c_str());
    return run;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line))
        lines.push_back(line);
    return lines;
}

// An argument list shortened for a failure message.
std::string Shown(const std::vector<std::string>& arguments)
{
    std::string shown;
    for (const std::string& argument : arguments) {
        shown += "[";
        for (char c : argument.substr(0, 24))
            shown += (c >= 0x20 && c < 0x7F) ? std::string(1, c) : "?";
        shown += argument.size() > 24 ? "...]" : "]";
    }
    return shown;
}

void ExpectUsageError(const std::vector<std::string>& arguments, const CliRun& run)
{
    const std::string shown = Shown(arguments);
    EXPECT_EQ(2, run.status) << shown;
    EXPECT_EQ("", run.out) << shown;
    EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << shown << ": " << run.err;
    EXPECT_TRUE(!run.err.empty() && run.err.back() == '\n') << shown;
    EXPECT_GT(300u, run.err.size()) << shown;
}

// Four tab-separated fields: check result, value or "-", judgement, verdict (which
// may hold a tab of the text).
bool IsJudgementLine(const std::string& line)
{
    const std::size_t first = line.find('\t');
    const std::size_t second = line.find('\t', first + 1);
    const std::size_t third = line.find('\t', second + 1);
    if (first == 0 || third == std::string::npos)
        return false;
    const std::string judgement = line.substr(second + 1, third - second - 1);
    return line.find_first_not_of("0123456789") == first &&
           (judgement == "right" || judgement == "wrong" || judgement == "invalid");
}

TEST(CliHostile, OddArgumentsAreUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"solve", "1", "2", "3", "\xB2\xBB"},              // GBK bytes
        {"solve", "1", "2", "3", "\xD9\xA3"},              // an Arabic-Indic digit
        {"solve", "1", "2", "3", "4\n"},
        {"solve", "1", "2", "3", "-0"},
        {"solve", "1", "2", "3", "1e1"},
        {"solve", "1", "2", "3", "4294967300"},             // wraps to 4 in 32 bits
        {"solve", "1", "2", "3", "18446744073709551620"},   // wraps to 4 in 64 bits
        {"solve", "1", "2", "3", "4", ""},
        {"list", "1", "2", "3", "4", "\xFF"},
        {"check", "1", "2", "3", ""},
        {"check", "", "", "", ""},
        {"hands", ""},
        {"\xFF\xFE"},
        {std::string(100000, 'x')},
        {"solve", std::string(100000, '\x1B'), "2", "3", "4"},
        {"list", std::string(100000, '1'), "2", "3", "4"},
    };
    for (const std::vector<std::string>& arguments : cases)
        ExpectUsageError(arguments, RunCli(arguments));
}

TEST(CliHostile, LeadingZerosOfAnyLengthReadAsTheValue)
{
    const CliRun padded = RunCli({"solve", std::string(50000, '0') + "6", "06", "006", "6"});
    const CliRun plain = RunCli({"solve", "6", "6", "6", "6"});
    EXPECT_EQ(0, padded.status);
    EXPECT_EQ("", padded.err);
    EXPECT_EQ(plain.out, padded.out);
    EXPECT_EQ(72u, Lines(padded.out).size());
}

TEST(CliHostile, UnwritableStandardOutputIsAnError)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full";
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"solve", "12", "12", "12", "12"}, std::vector<std::string>{"hands"}}) {
        const CliRun run = RunCli(arguments, "", "/dev/full");
        EXPECT_EQ(2, run.status) << Shown(arguments);
        EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << Shown(arguments) << ": " << run.err;
    }
}

// A directory as standard input cannot be read: that is an error, not an empty input.
TEST(CliHostile, UnreadableStandardInputIsAnError)
{
    const CliRun run = RunCli({"check", "1", "2", "3", "4"}, "", "", "/");
    EXPECT_EQ(2, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << run.err;
}

// The same texts given as arguments and as lines of standard input give the same
// lines, one per text, however many there are.
TEST(CliHostile, ThousandsOfTextsOneLineEach)
{
    const std::vector<std::string> kinds = {
        "(1+2+3)*4", "1+2*3*4", "1++2", "4 3 2 1", "", "   ", "4*3*2*1+0", "8/(3-8/3)", "(((((",
        "1)+(2+3)*(4", "4294967297*2*3*4", "\xE4\xB8\xAD\xE6\x96\x87", "1\t+2", "2/(1/3/4)",
    };
    std::vector<std::string> texts;
    std::string input;
    for (int i = 0; i < 5000; ++i) {
        texts.push_back(kinds[static_cast<std::size_t>(i) % kinds.size()]);
        input += texts.back() + "\n";
    }
    std::vector<std::string> arguments = {"check", "1", "2", "3", "4"};
    arguments.insert(arguments.end(), texts.begin(), texts.end());

    const CliRun fromArguments = RunCli(arguments);
    const CliRun fromInput = RunCli({"check", "1", "2", "3", "4"}, input);
    EXPECT_EQ(0, fromArguments.status);
    EXPECT_EQ(0, fromInput.status);
    EXPECT_EQ("", fromArguments.err);
    EXPECT_EQ("", fromInput.err);
    const std::vector<std::string> lines = Lines(fromInput.out);
    ASSERT_EQ(texts.size(), lines.size());
    EXPECT_EQ(fromArguments.out, fromInput.out);
    std::map<std::string, std::string> lineOfText;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(IsJudgementLine(lines[i])) << "line " << i << ": " << lines[i];
        const auto known = lineOfText.emplace(texts[i], lines[i]).first;
        EXPECT_EQ(known->second, lines[i]) << "text " << i << " judged differently the second time";
    }
    EXPECT_EQ("0\t24\tright\t祝贺你 / 开始下一局...", lines[0]);
}

// Only the first 29 bytes of a line count, however long the line.
TEST(CliHostile, MegabyteLinesAreJudgedByTheirFirst29Bytes)
{
    const std::string megabyte(1 << 20, 'x');
    const std::string input = "(1+2+3)*4" + std::string(20, ' ') + megabyte + "\n" + std::string(1 << 20, '9') +
                              "\n" + "1+2*3*4" + std::string(22, ' ') + megabyte;
    const CliRun run = RunCli({"check", "1", "2", "3", "4"}, input);
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    const std::vector<std::string> expected = {
        "0\t24\tright\t祝贺你 / 开始下一局...",
        "2\t-\tinvalid\t不是合法的表达式! / 数字个数不符合要求!",
        "0\t25\twrong\t很遗憾！ / 你的答案不正确",
    };
    EXPECT_EQ(expected, Lines(run.out));
}

// A line is cut at its first zero byte; control and high bytes are faults where
// they stand; every byte value gives exactly one line and no crash.
TEST(CliHostile, ZeroControlAndHighBytesOnStandardInput)
{
    const std::string withZero = std::string("(1+2+3)*4") + '\0' + "+9";
    const CliRun run = RunCli({"check", "1", "2", "3", "4"}, withZero + "\n" + std::string("\0", 1) + "\n" +
                                                            "\x1B[31m4*3*2*1\n" + "4*3*2*1\x7F\n");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ("0\t24\tright\t祝贺你 / 开始下一局...", lines[0]);
    EXPECT_EQ("1\t-\tinvalid\t不是合法的表达式! / ", lines[1]);
    EXPECT_EQ("1\t-\tinvalid\t不是合法的表达式! / \x1B 不能作为第一个字符", lines[2]);
    EXPECT_EQ("1793\t-\tinvalid\t不是合法的表达式! / 位置:7 原因:\x7F 不能跟在 1 后面", lines[3]);

    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        if (byte != '\n')
            everyByte += std::string("1+2+3") + static_cast<char>(byte) + "4\n" + static_cast<char>(byte) + "\n";
    const CliRun bytes = RunCli({"check", "0", "99", "13", "1"}, everyByte);
    EXPECT_EQ(0, bytes.status);
    EXPECT_EQ("", bytes.err);
    const std::vector<std::string> byteLines = Lines(bytes.out);
    EXPECT_EQ(2u * 255u, byteLines.size());
    for (const std::string& line : byteLines)
        EXPECT_TRUE(IsJudgementLine(line)) << line;
}

}  // namespace
