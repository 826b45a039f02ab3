// veltro-cli: the command-line companion of the game, built from the same core.
//
//   veltro-cli solve [--exact] A B C D  every solution text in search order
//   veltro-cli list A B C D             the solution list's lines, sorted by bytes
//   veltro-cli check A B C D [TEXT...]  judge each TEXT (or each line of stdin)
//   veltro-cli explain A B C D          where single precision and exact arithmetic part
//   veltro-cli hands [--exact]          the solution count of the 1820 hands
//   veltro-cli --help | --version
//
// Standard output carries nothing but the results; a usage error is one line on
// standard error and exit status 2.

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "checker/verdict.h"
#include "common/solution_list.h"
#include "common/texts.h"
#include "common/types.h"
#include "deal/card_value_text.h"
#include "solver/exact.h"
#include "solver/solver.h"

namespace {

constexpr int UsageErrorStatus = 2;

const char UsageText[] =
    "usage: veltro-cli solve [--exact] A B C D\n"
    "       veltro-cli list A B C D\n"
    "       veltro-cli check A B C D [TEXT...]\n"
    "       veltro-cli explain A B C D\n"
    "       veltro-cli hands [--exact]\n"
    "       veltro-cli --help | --version\n"
    "\n"
    "A B C D are the card values at hand indexes 0..3, integers 0 to 99.\n"
    "solve  prints every solution text in search order, one per line; with\n"
    "       --exact, those of the same search in exact rational arithmetic.\n"
    "list   prints the lines of the game's solution list, sorted by bytes\n"
    "       (or the single line " TEXT_NO_SOLUTION " when there is none).\n"
    "check  judges each TEXT (without TEXT: each line of standard input) as the\n"
    "       game's submit does and prints: check result, value (%.9g) or -,\n"
    "       right/wrong/invalid, and the verdict's two lines joined by \" / \"\n"
    "       (a control byte or \\ of the text that they quote as \\xNN).\n"
    "explain prints each candidate that only one of the two searches solves:\n"
    "       exact-only or single-only, the text, its exact value (p/q, or - after a\n"
    "       division by zero) and its single-precision value (%.9g), tab-separated;\n"
    "       then \"N single-precision solutions, M exact, K differ\".\n"
    "hands  prints \"a b c d N\" for each of the 1820 hands 1 <= a <= b <= c <= d <= 13,\n"
    "       N the number of solutions (--exact: exact solutions), then\n"
    "       \"1820 hands, K without a solution\".\n"
    "--version prints \"veltro-cli VERSION\".\n";

// A usage error: one line on standard error, nothing on standard output.
int UsageError(const std::string& message)
{
    std::fprintf(stderr, "veltro-cli: %s (try veltro-cli --help)\n", message.c_str());
    return UsageErrorStatus;
}

void AppendEscaped(std::string& shown, unsigned char c)
{
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
    shown += escaped;
}

// Shows an argument in an error message: at most 40 bytes, non-printable bytes
// (control characters, bytes above 0x7E) as \xNN, so the message stays one line.
std::string Quote(const char* argument)
{
    std::string shown = "\"";
    std::size_t i = 0;
    for (; argument[i] != '\0' && i < 40; ++i) {
        unsigned char c = static_cast<unsigned char>(argument[i]);
        if (c < 0x20 || c > 0x7E || c == '"' || c == '\\')
            AppendEscaped(shown, c);
        else
            shown += static_cast<char>(c);
    }
    if (argument[i] != '\0')
        shown += "...";
    return shown + "\"";
}

// Reads the hand from argv[first..first+3]; on failure returns the usage error's
// message.
bool ParseHand(int argc, char** argv, int first, Hand& hand, std::string& error)
{
    const std::string command = argv[1];
    if (argc < first + 4) {
        error = command + ": expected 4 hand values A B C D, got " + std::to_string(argc - first);
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        const char* argument = argv[first + i];
        // One or more ASCII digits for 0..99, leading zeros allowed.
        if (!ReadCardValue(argument, 99, hand[static_cast<std::size_t>(i)])) {
            error = command + ": hand value " + Quote(argument) + " is not an integer from 0 to 99";
            return false;
        }
    }
    return true;
}

void PrintLine(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// The texts of a fresh Solver's search of the hand, in either arithmetic.
std::vector<std::string> Solutions(const Hand& hand, bool exact)
{
    Solver solver;
    solver.SetHand(hand);
    if (exact)
        solver.SearchExact();
    else
        solver.Search();
    return std::move(solver.solutions);
}

int RunSolve(const Hand& hand, bool exact)
{
    for (const std::string& text : Solutions(hand, exact))
        PrintLine(text);
    return 0;
}

int RunList(const Hand& hand)
{
    for (const std::string& line : SortedSolutionListLines(Solutions(hand, false)))
        PrintLine(line);
    return 0;
}

const char* JudgementName(Judgement judgement)
{
    switch (judgement) {
    case Judgement::Right:
        return "right";
    case Judgement::Wrong:
        return "wrong";
    default:
        return "invalid";
    }
}

// A verdict line as printed: the control bytes and the backslash that it quotes
// from the text as \xNN, as Quote shows them, so that each text gives one line;
// bytes from 0x80 on, the Chinese texts among them, as they are.
std::string Escaped(const char* line, std::size_t size)
{
    std::string shown;
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c < 0x20 || c == 0x7F || c == '\\')
            AppendEscaped(shown, c);
        else
            shown += static_cast<char>(c);
    }
    return shown;
}

// One output line for one text; the text ends at its first zero byte, as a C
// string handed to the game would.
void PrintJudgement(const char* text, const Hand& hand)
{
    const JudgedAnswer judged = JudgeAnswer(text, hand);
    char value[48];
    if (judged.checkResult == Accepted)
        std::snprintf(value, sizeof value, "%.9g", static_cast<double>(judged.value));
    else
        std::snprintf(value, sizeof value, "-");
    // Each line of the verdict is shown up to its first zero byte.
    const std::string headline = Escaped(judged.verdict.headline,
                                         strnlen(judged.verdict.headline, sizeof judged.verdict.headline));
    const std::string detail = Escaped(judged.verdict.detail,
                                       strnlen(judged.verdict.detail, sizeof judged.verdict.detail));
    std::string line = std::to_string(judged.checkResult);
    line += '\t';
    line += value;
    line += '\t';
    line += JudgementName(judged.judgement);
    line += '\t';
    line += headline;
    line += " / ";
    line += detail;
    PrintLine(line);
}

// Reads the next line of standard input, without its "\n" (a "\r" stays), into
// `text`: its first MaxAnswerLength bytes, all that is judged; the rest of a long
// line is skipped unstored. False at the end of the input.
bool ReadAnswerLine(std::string& text)
{
    text.clear();
    bool read = false;
    for (int c = std::getc(stdin); c != EOF; c = std::getc(stdin)) {
        read = true;
        if (c == '\n')
            break;
        if (text.size() < static_cast<std::size_t>(MaxAnswerLength))
            text += static_cast<char>(c);
    }
    return read;
}

// Stops at the first failed write, which main then reports.
int RunCheck(int argc, char** argv, const Hand& hand)
{
    if (argc > 6) {
        for (int i = 6; i < argc && !std::ferror(stdout); ++i)
            PrintJudgement(argv[i], hand);
        return 0;
    }
    std::string line;
    while (!std::ferror(stdout) && ReadAnswerLine(line))
        PrintJudgement(line.c_str(), hand);
    // A failed read is not the end of the input: say so rather than exit 0.
    if (std::ferror(stdin)) {
        std::fprintf(stderr, "veltro-cli: cannot read standard input\n");
        return UsageErrorStatus;
    }
    return 0;
}

int RunExplain(const Hand& hand)
{
    const SearchComparison comparison = CompareSearches(hand);
    char single[48];
    for (const Disagreement& line : comparison.lines) {
        std::snprintf(single, sizeof single, "%.9g", static_cast<double>(line.single));
        PrintLine(std::string(line.exactOnly ? "exact-only" : "single-only") + '\t' + line.text + '\t' +
                  FractionText(line.exact) + '\t' + single);
    }
    PrintLine(std::to_string(comparison.single) + " single-precision solutions, " + std::to_string(comparison.exact) +
              " exact, " + std::to_string(comparison.differ) + " differ");
    return 0;
}

int RunHands(bool exact)
{
    int withoutSolution = 0;
    char line[64];
    const std::vector<Hand> hands = AllHands();
    for (const Hand& hand : hands) {
        const std::size_t count = Solutions(hand, exact).size();
        if (count == 0)
            ++withoutSolution;
        std::snprintf(line, sizeof line, "%d %d %d %d %zu", hand[0], hand[1], hand[2], hand[3], count);
        PrintLine(line);
    }
    std::snprintf(line, sizeof line, "%zu hands, %d without a solution", hands.size(), withoutSolution);
    PrintLine(line);
    return 0;
}

int Run(int argc, char** argv)
{
    if (argc < 2 || (argc == 2 && std::strcmp(argv[1], "--help") == 0)) {
        std::fputs(UsageText, stdout);
        return 0;
    }
    const std::string command = argv[1];
    if (command == "--version" && argc == 2) {
        std::fputs("veltro-cli " VELTRO_VERSION "\n", stdout);
        return 0;
    }
    if (command == "--help" || command == "--version")
        return UsageError(command + " takes no arguments");
    // "--exact" right after the command asks solve and hands for the exact search.
    const bool exact = argc > 2 && std::strcmp(argv[2], "--exact") == 0 && (command == "solve" || command == "hands");
    const int first = exact ? 3 : 2;
    if (command == "hands") {
        if (argc > first)
            return UsageError("hands: unexpected argument " + Quote(argv[first]));
        return RunHands(exact);
    }
    if (command == "solve" || command == "list" || command == "check" || command == "explain") {
        Hand hand{};
        std::string error;
        if (!ParseHand(argc, argv, first, hand, error))
            return UsageError(error);
        if (command == "check")
            return RunCheck(argc, argv, hand);
        if (argc > first + 4)
            return UsageError(command + ": unexpected argument " + Quote(argv[first + 4]));
        if (command == "explain")
            return RunExplain(hand);
        return command == "solve" ? RunSolve(hand, exact) : RunList(hand);
    }
    return UsageError("unknown command " + Quote(argv[1]));
}

}  // namespace

int main(int argc, char** argv)
{
    const int status = Run(argc, argv);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "veltro-cli: cannot write to standard output\n");
        return UsageErrorStatus;
    }
    return status;
}
