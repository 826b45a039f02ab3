#include "ui/tests/main_window_fixture.h"

#include <cstdio>

#include "ui/tests/gdi_objects.h"

namespace {

// What a leak would grow: GDI handles, windows, and the live blocks in every heap of
// the process, counted to the byte.
struct Footprint {
    int gdiObjects = 0;
    int windows = 0;
    size_t heapBytes = 0;
};

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    return ++*reinterpret_cast<int*>(count), TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count)
{
    EnumChildWindows(window, CountWindow, count);
    return CountWindow(window, count);
}

Footprint Measure()
{
    Footprint footprint;
    footprint.gdiObjects = CountGdiObjects();
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&footprint.windows));
    HANDLE heaps[256];
    const DWORD count = GetProcessHeaps(256, heaps);
    for (DWORD i = 0; i < count && i < 256; ++i) {
        HeapLock(heaps[i]);
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            footprint.heapBytes += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ? entry.cbData : 0;
        HeapUnlock(heaps[i]);
    }
    return footprint;
}

// Between them the hands show every card face; the invalid answers fail in five different ways.
const struct Round {
    std::vector<std::string> hand;
    const char* right;
    const char* wrong;
    const char* invalid;
} rounds[] = {
    {{"1", "2", "3", "4"}, "(1+2+3)*4", "1+2+3+4", "1+2+3+(4"},
    {{"5", "6", "7", "8"}, "(5+7-8)*6", "5+6+7+8", "5+6//7+8"},
    {{"9", "10", "11", "12"}, "(9+11)*12/10", "9+10+11+12", "9+10+11"},
    {{"13", "13", "1", "2"}, "13+13-1*2", "13*13-1-2", "13+13+1+3"},
    {{"7", "7", "3", "3"}, "7*(3+3/7)", "7*3+3-7", "*7+7+3+3"},
};

// Seven player actions a round: 143 rounds make 1001, most of a minute under Wine.
const int SoakRounds = 143;
// Heap blocks move by at most 96 bytes after warm-up; a leak of 32 bytes a round would show.
const size_t HeapTolerance = 4 * 1024;

}  // namespace

class SoakTest : public MainWindowTest {
protected:
    // A deal and its results, a clock tick, then a typed hand judged wrong, invalid,
    // listed and judged right, which deals again. Answers what went wrong, if anything.
    std::string PlayRound(const Round& round)
    {
        Command(IDC_DEAL);
        Command(IDC_SHOW_RESULTS);
        std::string fault = Lines().empty() ? "the list stayed empty; " : "";
        SendMessageA(window, WM_TIMER, IDT_CLOCK, 0);
        if (!ConfirmCustomHand(round.hand))
            fault += "no custom hand dialog; ";
        const std::pair<const char*, const char*> submits[] = {
            {round.wrong, WrongHeadline}, {round.invalid, InvalidHeadline}, {round.right, RightHeadline}};
        for (const auto& [answer, headline] : submits) {
            if (answer == round.right)
                Command(IDC_SHOW_RESULTS);
            TypeAnswer(answer);
            if (Submit().headline != headline)
                fault += std::string(answer) + " not judged as " + BytesInHex(headline) + "; ";
        }
        return fault;
    }
};

TEST_F(SoakTest, ThousandActionsInARowKeepTheFootprintFlatAndTheWindowAnswering)
{
    for (const Round& round : rounds)
        ASSERT_EQ("", PlayRound(round)) << "warming up with " << round.right;
    const Footprint before = Measure();
    ASSERT_LT(0, before.gdiObjects) << "no GDI handle table found";
    for (int i = 0; i < SoakRounds; ++i)
        ASSERT_EQ("", PlayRound(rounds[i % std::size(rounds)])) << "round " << i;
    const Footprint after = Measure();
    std::printf("[ soak     ] GDI objects %d -> %d, windows %d -> %d, heap %zu -> %zu bytes\n", before.gdiObjects,
                after.gdiObjects, before.windows, after.windows, before.heapBytes, after.heapBytes);
    EXPECT_EQ(before.gdiObjects, after.gdiObjects);
    EXPECT_EQ(before.windows, after.windows);
    EXPECT_LE(after.heapBytes, before.heapBytes + HeapTolerance);
}
