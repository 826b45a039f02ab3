// The program's windows at the session's display scale (VELTRO_DPI, see scripts/wine-session.sh):
// every control inside its window, apart from the others and the card squares, its text whole.

#include "ui/tests/main_window_fixture.h"

#include <cstdlib>

#include "checker/verdict.h"
#include "ui/info_dialog.h"
#include "ui/paint_cards.h"
#include "ui/verdict_dialog.h"

namespace {

std::string Utf8(const std::wstring& text)
{
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                                        utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

struct Control {
    HWND window;
    std::string className;
    std::string name;  // its class, id and text, for the messages
    RECT rect;         // in its parent's client coordinates
};

std::vector<Control> ControlsOf(HWND window)
{
    std::vector<Control> controls;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        wchar_t text[9] = L"";  // enough to know it by
        GetWindowTextW(child, text, 9);
        const std::string more = GetWindowTextLengthW(child) > 8 ? "..." : "";
        const std::string id = std::to_string(GetDlgCtrlID(child));
        Control control = {child, className, std::string(className) + " " + id + " \"" + Utf8(text) + more + "\"", {}};
        GetWindowRect(child, &control.rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&control.rect), 2);
        controls.push_back(control);
    }
    return controls;
}

// What of the control's text would not show: a character its font has no glyph for, a text
// wider or taller than the control draws it in, or a line of the font taller than an edit field.
std::string TextFault(const Control& control)
{
    const LONG style = GetWindowLongA(control.window, GWL_STYLE);
    const char* className = control.className.c_str();
    const bool isStatic = lstrcmpiA(className, "Static") == 0, isButton = lstrcmpiA(className, "Button") == 0,
               isEdit = lstrcmpiA(className, "Edit") == 0;
    if ((isStatic && (style & SS_TYPEMASK) == SS_ICON) || !(isStatic || isButton || isEdit))
        return "";
    wchar_t text[128] = L"";
    const int length = GetWindowTextW(control.window, text, 128);
    RECT room;
    GetClientRect(control.window, &room);
    if (isButton)  // inside its raised edge
        InflateRect(&room, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    HDC dc = GetDC(control.window);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control.window, WM_GETFONT, 0, 0)));
    std::string fault;
    std::vector<WORD> glyphs(static_cast<size_t>(length));
    GetGlyphIndicesW(dc, text, length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    for (int i = 0; i < length && fault.empty(); ++i)
        if (glyphs[static_cast<size_t>(i)] == 0xFFFF)
            fault = "its font " + Utf8(face) + " has no glyph for " + Utf8(std::wstring(1, text[i]));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    RECT drawn = {0, 0, room.right - room.left, 0};
    DrawTextW(dc, text, length, &drawn, DT_CALCRECT | (isStatic ? DT_WORDBREAK : DT_SINGLELINE));
    if (fault.empty() && length > 0 && (drawn.right > room.right - room.left || drawn.bottom > room.bottom - room.top))
        fault = "its text takes " + std::to_string(drawn.right) + "x" + std::to_string(drawn.bottom) + " of " +
                std::to_string(room.right - room.left) + "x" + std::to_string(room.bottom - room.top);
    if (fault.empty() && isEdit && metrics.tmHeight > room.bottom - room.top)
        fault = "a line of its font is " + std::to_string(metrics.tmHeight) + " high, the field " +
                std::to_string(room.bottom - room.top);
    SelectObject(dc, previous);
    ReleaseDC(control.window, dc);
    return fault;
}

// What a player would find wrong in the window, one line a fault, the card squares as controls.
std::vector<std::string> LayoutFaults(HWND window, bool withCardSquares)
{
    std::vector<std::string> faults;
    RECT client;
    GetClientRect(window, &client);
    std::vector<Control> controls = ControlsOf(window);
    for (std::size_t i = 0; withCardSquares && i < 4; ++i)
        controls.push_back({nullptr, "", "card square " + std::to_string(i), CardSquare(i, SystemDpi())});
    for (size_t i = 0; i < controls.size(); ++i) {
        const Control& control = controls[i];
        RECT both;
        if (!IntersectRect(&both, &control.rect, &client) || !EqualRect(&both, &control.rect))
            faults.push_back(control.name + " at " + Described(control.rect) + " reaches out of the client area " +
                             Described(client));
        for (size_t j = 0; j < i; ++j)
            if (IntersectRect(&both, &control.rect, &controls[j].rect))
                faults.push_back(control.name + " at " + Described(control.rect) + " overlaps " + controls[j].name +
                                 " at " + Described(controls[j].rect));
        const std::string fault = TextFault(control);
        if (!fault.empty())
            faults.push_back(control.name + ": " + fault);
    }
    return faults;
}

// The manifest, which Veltro.exe shares with this program, as Windows reads it: system aware ("true"), and no
// dpiAwareness, which Windows 10 and later would take instead (Wine 8 makes every program per-monitor aware).
TEST(DisplayScale, TheProgramDeclaresItselfAwareOfTheSystemDpi)
{
    const auto setting = [](const wchar_t* space, const wchar_t* name) {
        wchar_t value[64] = L"";
        SIZE_T length = 0;
        return QueryActCtxSettingsW(0, nullptr, space, name, value, 64, &length) ? Utf8(value) : "(none)";
    };
    EXPECT_EQ("true", setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"));
    EXPECT_EQ("(none)", setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"));
}

// The main window with its card squares; the verdict with the widest lines it has: the invalid headline, and a detail
// that quotes a two-byte character at a two-digit position. At the scale the session asked for, else all would pass at 96.
TEST_F(MainWindowTest, EveryWindowShowsItsControlsWholeAndApart)
{
    const char* asked = std::getenv("VELTRO_DPI");
    ASSERT_EQ(asked ? std::atoi(asked) : SystemDpi(), SystemDpi()) << "the system's DPI, where VELTRO_DPI asked for " << asked;
    const VerdictText widest = JudgeAnswer("1+2+3+4+5+6+7+8+9+10+11+1\xA3\xA8", Hand{1, 2, 3, 4}).verdict;
    const struct {
        const char* name;
        std::function<void()> open;
    } dialogs[] = {
        {"Help", [this] { ShowHelp(window); }},
        {"About", [this] { ShowAbout(window); }},
        {"custom hand", [this] { Command(IDC_CUSTOM_HAND); }},
        {"verdict", [&] { ShowVerdict(window, widest); }},
    };
    EXPECT_EQ(std::vector<std::string>{}, LayoutFaults(window, true)) << "the main window at " << SystemDpi() << " DPI";
    for (const auto& dialog : dialogs) {
        std::vector<std::string> faults;
        EXPECT_TRUE(WhileModal(dialog.open, [&faults](HWND opened) {
            faults = LayoutFaults(opened, false);
            EndDialog(opened, 2);
        })) << "the " << dialog.name << " dialog did not open";
        EXPECT_EQ(std::vector<std::string>{}, faults)
            << "the " << dialog.name << " dialog at " << SystemDpi() << " DPI";
    }
}

}  // namespace
