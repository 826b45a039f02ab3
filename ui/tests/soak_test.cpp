#include "ui/tests/main_window_fixture.h"

#include <psapi.h>

#include <cstdio>
#include <iterator>
#include <string>

#include "checker/verdict.h"
#include "ui/tests/gdi_objects.h"

namespace {

// What a leak would grow: GDI handles, windows, and the process's memory.
struct Footprint {
    int gdiObjects = 0;
    int windows = 0;
    size_t heapBytes = 0;     // live blocks in every heap of the process
    size_t privateBytes = 0;  // committed private memory, Wine's own allocations included
};

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindowAndDescendants(HWND window, LPARAM count)
{
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

// GetGuiResources answers 0 under Wine: the thread's windows are counted instead.
int CountThreadWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndDescendants, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Exact to the byte, unlike the page-granular counters: the C library's heap is among the process's heaps.
size_t LiveHeapBytes()
{
    HANDLE heaps[256];
    DWORD count = GetProcessHeaps(256, heaps);
    size_t live = 0;
    for (DWORD i = 0; i < count && i < 256; ++i) {
        HeapLock(heaps[i]);
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                live += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return live;
}

// Wine fills PrivateUsage with 0; PagefileUsage is the commit charge on Windows and
// the anonymous resident memory under Wine, which also holds the X11 side's allocations.
size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

Footprint Measure()
{
    Footprint footprint;
    footprint.gdiObjects = CountGdiObjects();
    footprint.windows = CountThreadWindows();
    footprint.heapBytes = LiveHeapBytes();
    footprint.privateBytes = PrivateBytes();
    return footprint;
}

double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Round {
    Hand hand;
    const char* right;
    const char* wrong;
    const char* invalid;
};

// Between them the hands show every card face; the invalid answers fail in five different ways.
const Round rounds[] = {
    {{1, 2, 3, 4}, "(1+2+3)*4", "1+2+3+4", "1+2+3+(4"},
    {{5, 6, 7, 8}, "(5+7-8)*6", "5+6+7+8", "5+6//7+8"},
    {{9, 10, 11, 12}, "(9+11)*12/10", "9+10+11+12", "9+10+11"},
    {{13, 13, 1, 2}, "13+13-1*2", "13*13-1-2", "13+13+1+3"},
    {{7, 7, 3, 3}, "7*(3+3/7)", "7*3+3-7", "*7+7+3+3"},
};
const int RoundCount = static_cast<int>(std::size(rounds));

// Seven player actions a round: 143 rounds make 1001 actions, most of a minute under Wine.
const int ActionsPerRound = 7;
const int SoakRounds = 143;

// Heap blocks are counted to the byte and moved by at most 96 bytes after warm-up;
// a leak of one 32-byte block a round would pass this by the end.
const size_t HeapTolerance = 4 * 1024;
// The private bytes grow a page at a time while Wine's and X11's caches fill (up to
// 70 KiB measured over 300 rounds, then level); a card face's pixels (25 KiB)
// lost every round would pass this within 21 rounds.
const size_t PrivateTolerance = 512 * 1024;

std::string HandText(const Hand& hand)
{
    return std::to_string(hand[0]) + " " + std::to_string(hand[1]) + " " + std::to_string(hand[2]) + " " +
           std::to_string(hand[3]);
}

}  // namespace

class SoakTest : public MainWindowTest {
protected:
    bool ConfirmCustomHand(const Hand& hand)
    {
        ModalScript script([&hand](HWND dialog) {
            for (int i = 0; i < 4; ++i) {
                HWND field = GetDlgItem(dialog, IDC_CARD_FIELD_0 + i);
                SetFocus(field);
                TypeText(field, std::to_string(hand[static_cast<size_t>(i)]).c_str());
            }
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        Command(IDC_CUSTOM_HAND);
        return script.Ran();
    }

    // Notes what the player would have seen instead of the expected headline.
    void SubmitExpecting(const char* answer, const char* headline)
    {
        TypeAnswer(answer);
        std::string shown = Submit().headline;
        if (shown != headline)
            Fault(std::string(answer) + ": expected " + BytesInHex(headline) + ", shown " + BytesInHex(shown));
    }

    void ShowResultsExpectingLines()
    {
        Command(IDC_SHOW_RESULTS);
        if (ListLines().empty())
            Fault("results of " + HandText(currentHand) + ": the list stayed empty");
    }

    // A deal and its results, then a typed hand judged wrong, invalid, listed and
    // judged right, which deals again; the deal clock ticks in between.
    void PlayRound(const Round& round)
    {
        Command(IDC_DEAL);
        ShowResultsExpectingLines();
        SendMessageA(window, WM_TIMER, 1, 0);
        if (!ConfirmCustomHand(round.hand) || currentHand != round.hand)
            Fault("custom hand: expected " + HandText(round.hand) + ", holds " + HandText(currentHand));
        SubmitExpecting(round.wrong, WrongHeadline);
        SubmitExpecting(round.invalid, InvalidHeadline);
        ShowResultsExpectingLines();
        SubmitExpecting(round.right, RightHeadline);
    }

    // Keeps the first few, so that a broken round does not bury the report.
    void Fault(const std::string& what)
    {
        if (++faultCount <= 3)
            faultLog += "\nround " + std::to_string(roundNumber) + ", " + what;
    }

    int roundNumber = 0;  // negative while warming up
    int faultCount = 0;
    std::string faultLog;
};

TEST_F(SoakTest, ThousandActionsInARowKeepTheFootprintFlatAndTheWindowAnswering)
{
    for (roundNumber = -RoundCount; roundNumber < 0; ++roundNumber)
        PlayRound(rounds[roundNumber + RoundCount]);
    ASSERT_EQ(0, faultCount) << faultLog;
    const Footprint before = Measure();
    ASSERT_LT(0, before.gdiObjects) << "no GDI handle table found";
    ASSERT_LT(0u, before.privateBytes) << "no memory counters";

    const double start = Seconds();
    for (roundNumber = 0; roundNumber < SoakRounds; ++roundNumber)
        PlayRound(rounds[roundNumber % RoundCount]);
    const double elapsed = Seconds() - start;
    const Footprint after = Measure();

    std::printf("[ soak     ] %d actions in %.1f s; GDI objects %d -> %d, windows %d -> %d, "
                "heap %zu -> %zu bytes, private %zu -> %zu bytes\n",
                SoakRounds * ActionsPerRound, elapsed, before.gdiObjects, after.gdiObjects, before.windows,
                after.windows, before.heapBytes, after.heapBytes, before.privateBytes, after.privateBytes);
    EXPECT_EQ(0, faultCount) << faultLog;
    EXPECT_EQ(before.gdiObjects, after.gdiObjects);
    EXPECT_EQ(before.windows, after.windows);
    EXPECT_LE(after.heapBytes, before.heapBytes + HeapTolerance) << "heap bytes before: " << before.heapBytes;
    EXPECT_LE(after.privateBytes, before.privateBytes + PrivateTolerance)
        << "private bytes before: " << before.privateBytes;

    ASSERT_TRUE(ConfirmCustomHand(Hand{12, 12, 12, 12}));
    Command(IDC_SHOW_RESULTS);
    EXPECT_EQ(312u, ListLines().size());
    TypeAnswer("12+12+12-12");
    EXPECT_EQ(BytesInHex(RightHeadline), BytesInHex(Submit().headline));
}
