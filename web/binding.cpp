// The page's binding to the game's core: plain C functions of numbers and
// zero-terminated byte texts in the WebAssembly memory, which web/site/core.js
// wraps. Texts cross in GBK, the code page of the window's ANSI calls: the page
// hands over the bytes the window's fields would give for the same typed text,
// and gets back the very bytes of the window's verdicts and solution list.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>

#include "checker/verdict.h"
#include "common/solution_list.h"
#include "deal/card_value_text.h"
#include "deal/dealing.h"
#include "solver/solver.h"

namespace {

Hand hand;             // the page's one hand, as the window has one
std::string input;     // the text the page hands over
std::string shown;     // the last list handed back
JudgedAnswer judged;   // the last answer judged

// Dealing reads a clock of the page's own, which its sleeps advance instead of waiting.
double pageClock;

int PageMilliseconds()
{
    return static_cast<int>(static_cast<long long>(pageClock) % 1000);
}

void AdvancePageClock(int milliseconds)
{
    pageClock += milliseconds;
}

const DealingCalls pageCalls = {PageMilliseconds, AdvancePageClock};

}  // namespace

extern "C" {

// Deals the hand, the page's clock set to `now`, milliseconds since the epoch.
EMSCRIPTEN_KEEPALIVE void Deal(double now)
{
    pageClock = now;
    DealHand(hand, pageCalls);
}

EMSCRIPTEN_KEEPALIVE int Card(int index)
{
    return hand[static_cast<std::size_t>(index & 3)];
}

// The custom hand's value at index 0..3.
EMSCRIPTEN_KEEPALIVE void SetCard(int index, int value)
{
    hand[static_cast<std::size_t>(index & 3)] = value;
}

// Room for a text of `bytes` bytes and its terminating zero, which the page fills.
EMSCRIPTEN_KEEPALIVE char* Input(int bytes)
{
    input.assign(static_cast<std::size_t>(std::max(bytes, 0)) + 1, '\0');
    return &input[0];
}

// Judges the input against the hand as "提交" does; returns the check result.
EMSCRIPTEN_KEEPALIVE int Judge()
{
    judged = JudgeAnswer(input.c_str(), hand);
    return judged.checkResult;
}

// Of the last answer judged: 0 right, 1 wrong, 2 not an expression.
EMSCRIPTEN_KEEPALIVE int Judgement()
{
    return static_cast<int>(judged.judgement);
}

EMSCRIPTEN_KEEPALIVE float Value()
{
    return judged.value;
}

EMSCRIPTEN_KEEPALIVE const char* Headline()
{
    return judged.verdict.headline;
}

EMSCRIPTEN_KEEPALIVE const char* Detail()
{
    return judged.verdict.detail;
}

// The solution list's lines for the hand, sorted by bytes, one per "\n".
EMSCRIPTEN_KEEPALIVE const char* SolutionLines()
{
    Solver solver;
    solver.SetHand(hand);
    solver.Search();
    shown.clear();
    for (const std::string& line : SortedSolutionListLines(solver.solutions))
        shown += line + '\n';
    return shown.c_str();
}

// Whether the input may leave a custom hand field.
EMSCRIPTEN_KEEPALIVE int IsCardValue()
{
    return IsCardValueText(input.c_str());
}

// Whether the input is a value the custom hand takes on OK.
EMSCRIPTEN_KEEPALIVE int IsWholeCardValue()
{
    return IsWholeCardValueText(input.c_str());
}
}
