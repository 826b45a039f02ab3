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

SetTimerCall ReplaceSetTimer(SetTimerCall replacement)
{
    const auto base = reinterpret_cast<std::uint8_t*>(GetModuleHandleA(nullptr));
    const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports); entry->Name; ++entry) {
        auto slot = reinterpret_cast<SetTimerCall*>(base + entry->FirstThunk);
        for (auto name = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk); name->u1.AddressOfData; ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) ||
                lstrcmpA(reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name, "SetTimer") != 0)
                continue;
            DWORD access = 0;
            VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &access);
            const SetTimerCall held = *slot;
            *slot = replacement;
            VirtualProtect(slot, sizeof *slot, access, &access);
            return held;
        }
    }
    ADD_FAILURE() << "this program imports no SetTimer";
    return nullptr;
}

UINT_PTR WINAPI FailingSetTimer(HWND, UINT_PTR, UINT, TIMERPROC)
{
    return 0;
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
