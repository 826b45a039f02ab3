#include "ui/tests/main_window_fixture.h"

#include <commctrl.h>

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
    std::string verdict;
    const bool shown = WhileModal([this] { Command(IDC_SUBMIT); }, [&verdict](HWND dialog) {
        verdict = ItemText(dialog, IDC_VERDICT_HEAD) + " / " + ItemText(dialog, IDC_VERDICT_DETAIL);
        for (int tick = 0; tick < 200 && IsWindowVisible(dialog); ++tick)
            SendMessageA(dialog, WM_TIMER, IDT_VERDICT, 0);
    });
    EXPECT_TRUE(shown) << "submit showed no verdict dialog, or one that its ticks did not end";
    return verdict;
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
    EXPECT_TRUE(ConfirmCustomHand(texts)) << "no custom hand dialog for " << testing::PrintToString(hand);
}

Hand MainWindowTest::Shown() const
{
    UpdateWindow(window);  // what is due to be painted, as the message loop would
    return ShownHand(CaptureClient(window), SystemDpi());
}
