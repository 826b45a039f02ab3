#include "ui/tests/main_window_fixture.h"

#include <cstdio>

#include "ui/tests/gdi_objects.h"
#include "ui/tests/live_bytes.h"

namespace {

// What a leak would grow: GDI handles and the bytes the C++ code holds. (Every window
// the program makes per action is a modal dialog, whose end destroys it.)
struct Footprint {
    int gdiObjects = CountGdiObjects();
    long long cppBytes = LiveCppBytes();
};

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
// Wine 10 makes and frees regions and bitmaps of its own for the dialogs' windows, so
// its count wanders by up to 6 (Wine 8's stays put); a leak of one a round would show.
const int GdiTolerance = 6;

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
        if (!ConfirmCustomHand(window, round.hand))
            fault += "no custom hand dialog; ";
        const std::pair<const char*, const char*> submits[] = {
            {round.wrong, TEXT_WRONG_HEADLINE}, {round.invalid, TEXT_INVALID_HEADLINE}, {round.right, TEXT_RIGHT_HEADLINE}};
        for (const auto& [answer, headline] : submits) {
            if (answer == round.right)
                Command(IDC_SHOW_RESULTS);
            TypeAnswer(answer);
            if (Submit().rfind(std::string(headline) + " / ", 0) != 0)
                fault += std::string(answer) + " not judged as " + BytesInHex(headline) + "; ";
        }
        return fault;
    }
};

TEST_F(SoakTest, ThousandActionsInARowKeepTheFootprintFlatAndTheWindowAnswering)
{
    for (const Round& round : rounds)
        ASSERT_EQ("", PlayRound(round)) << "warming up with " << round.right;
    const Footprint before;
    ASSERT_LT(0, before.gdiObjects) << "no GDI handle table found";
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));  // a count that never moved would pass anything
    const int withBrush = CountGdiObjects();
    DeleteObject(brush);
    ASSERT_EQ(before.gdiObjects + 1, withBrush) << "GDI objects counted with one brush more";
    for (int i = 0; i < SoakRounds; ++i)
        ASSERT_EQ("", PlayRound(rounds[i % std::size(rounds)])) << "round " << i;
    const Footprint after;
    std::printf("[ soak     ] GDI objects %d -> %d, C++ %lld -> %lld bytes\n", before.gdiObjects, after.gdiObjects,
                before.cppBytes, after.cppBytes);
    EXPECT_NEAR(before.gdiObjects, after.gdiObjects, GdiTolerance);
    EXPECT_EQ(before.cppBytes, after.cppBytes) << "bytes held through operator new";
}
