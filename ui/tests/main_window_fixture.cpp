#include "ui/tests/main_window_fixture.h"

#include <commctrl.h>

#include "ui/paint_cards.h"

std::string Described(const RECT& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

VerdictRun RunVerdict(const std::function<INT_PTR()>& open)
{
    VerdictRun run;
    run.shown = WhileModal([&] { run.result = open(); }, [&run](HWND dialog) {
        run.lines = ItemText(dialog, IDC_VERDICT_HEAD) + " / " + ItemText(dialog, IDC_VERDICT_DETAIL);
        for (int tick = 0; tick < 200 && IsWindowVisible(dialog); ++tick) {
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            SendMessageA(dialog, WM_TIMER, IDT_VERDICT, 0);
            run.barAfterTicks.push_back(SendDlgItemMessageA(dialog, IDC_VERDICT_BAR, PBM_GETPOS, 0, 0));
        }
    });
    return run;
}

// The slot of the program's import table through which the window code calls SetTimer.
using SetTimerCall = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC);
#if defined(_WIN64)
extern "C" SetTimerCall importedSetTimer __asm__("__imp_SetTimer");
#else
extern "C" SetTimerCall importedSetTimer __asm__("__imp__SetTimer@16");
#endif
static const SetTimerCall user32SetTimer = importedSetTimer;

// Fails for the program's windows; the driver's watchdog, on a message-only window, keeps its timer.
static UINT_PTR WINAPI FailingSetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure)
{
    return GetAncestor(window, GA_PARENT) == GetDesktopWindow() ? 0 : user32SetTimer(window, id, period, procedure);
}

void FailSetTimer(bool on)
{
    DWORD access = 0;
    VirtualProtect(&importedSetTimer, sizeof importedSetTimer, PAGE_READWRITE, &access);
    importedSetTimer = on ? FailingSetTimer : user32SetTimer;
    VirtualProtect(&importedSetTimer, sizeof importedSetTimer, access, &access);
}

void MainWindowTest::SetUp()
{
    window = CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    ASSERT_NE(nullptr, window);
    PumpPendingMessages();
}

void MainWindowTest::TearDown()
{
    if (IsWindow(window))
        DestroyWindow(window);
    // WM_DESTROY posted WM_QUIT; left in the queue it would end the next test's dialogs.
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

void MainWindowTest::TypeAnswer(const char* text)
{
    HWND answer = Item(IDC_ANSWER);
    SendMessageA(answer, EM_SETSEL, 0, -1);
    SendMessageA(answer, WM_CHAR, '\b', 1);
    TypeText(answer, text);
}

std::string MainWindowTest::Submit()
{
    const VerdictRun run = RunVerdict([this] { Command(IDC_SUBMIT); return INT_PTR{0}; });
    EXPECT_TRUE(run.shown) << "submit showed no verdict dialog, or one that its ticks did not end";
    return run.lines;
}

bool MainWindowTest::WithCustomHand(const std::function<void(HWND dialog)>& step)
{
    return WhileModal([this] { Command(IDC_CUSTOM_HAND); }, step);
}

void MainWindowTest::DealCustomHand(const Hand& hand)
{
    std::vector<std::string> texts;
    for (std::int32_t value : hand)
        texts.push_back(std::to_string(value));
    EXPECT_TRUE(ConfirmCustomHand(window, texts)) << "no custom hand dialog for " << testing::PrintToString(hand);
}

void MainWindowTest::ExpectFreshDeal(const char* when, const char* clock)
{
    for (int value : Shown())
        EXPECT_TRUE(HasCardFace(value)) << when << ": a square shows no face";
    EXPECT_EQ("", Text(IDC_ANSWER)) << when;
    EXPECT_FALSE(Enabled(IDC_SUBMIT)) << when;
    EXPECT_EQ(0u, Lines().size()) << when;
    EXPECT_TRUE(Enabled(IDC_SHOW_RESULTS)) << when;
    EXPECT_EQ(Item(IDC_ANSWER), GetFocus()) << when;
    EXPECT_EQ(clock, Text(IDC_CLOCK)) << when;
}

Hand MainWindowTest::Shown() const
{
    UpdateWindow(window);  // what is due to be painted, as the message loop would
    return ShownHand(CaptureClient(window), SystemDpi());
}
