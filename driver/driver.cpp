#include "driver/driver.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "common/texts.h"
#include "ui/paint_cards.h"
#include "ui/res/resource.h"

std::string ControlText(HWND control)
{
    std::string text(static_cast<size_t>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

std::string ItemText(HWND dialog, int id)
{
    return ControlText(GetDlgItem(dialog, id));
}

std::pair<int, int> EditSelection(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string line(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
        line.resize(std::strlen(line.c_str()));
        lines.push_back(line);
    }
    return lines;
}

std::string BytesInHex(const std::string& bytes)
{
    std::string hex;
    for (unsigned char c : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02x ", c);
        hex += digits;
    }
    return hex;
}

void TypeText(HWND control, const char* text)
{
    for (const char* c = text; *c; ++c)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

void Paste(HWND control, const char* text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    Paste(control, wide.c_str());
}

void Paste(HWND control, const wchar_t* text)
{
    // As another program puts it there: in UTF-16, which the clipboard hands over
    // unchanged, while its own conversion of CF_TEXT follows the keyboard's locale.
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageA(control, WM_PASTE, 0, 0);
}

bool WaitFor(const std::function<bool()>& condition)
{
    for (int i = 0; i < 500; ++i) {
        if (condition())
            return true;
        Sleep(20);
    }
    return false;
}

HWND OpenDialogOf(HWND owner)
{
    HWND dialog = nullptr;
    WaitFor([&] {
        dialog = nullptr;
        while ((dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr)) && GetWindow(dialog, GW_OWNER) != owner) {
        }
        return dialog && IsWindowVisible(dialog);
    });
    return dialog;
}

void PumpPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

namespace {

const char probeClassName[] = "VeltroModalProbe";
const UINT RunStep = WM_APP;
const UINT_PTR Watchdog = 1;
const UINT WatchdogPeriod = 10000;

struct ModalScript {
    const std::function<void(HWND)>* step;
    HWND probe = nullptr;
    HHOOK hook = nullptr;  // until the dialog is found: under Wine every hooked message costs a server call
    HWND dialog = nullptr;  // once it has shown
    bool ran = false;
    bool endedByWatchdog = false;
};

ModalScript* script;  // the thread's one armed script: its dialogs are modal

bool IsDialog(HWND window)
{
    char className[8] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

// Sees every sent message of the thread: the dialog's initialisation is the cue.
LRESULT CALLBACK WatchForDialog(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && script && !script->dialog && call->message == WM_INITDIALOG && IsDialog(call->hwnd)) {
        script->dialog = call->hwnd;
        UnhookWindowsHookEx(script->hook);
        script->hook = nullptr;
        // The dialog's loop takes posted messages before timer messages, so the
        // step comes before any tick of a timer set at initialisation.
        PostMessageA(script->probe, RunStep, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ProbeProc(HWND probe, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!script)
        return DefWindowProcA(probe, message, wParam, lParam);
    switch (message) {
    case RunStep:
        // As the dialog manager does once its loop is idle; a timer's tick could come first.
        if (!IsWindowVisible(script->dialog))
            ShowWindow(script->dialog, SW_SHOWNORMAL);
        UpdateWindow(script->dialog);
        script->ran = true;
        (*script->step)(script->dialog);
        return 0;
    case WM_TIMER:
        KillTimer(probe, Watchdog);
        script->endedByWatchdog = script->dialog && IsWindow(script->dialog);
        if (script->endedByWatchdog)
            EndDialog(script->dialog, -1);
        return 0;
    }
    return DefWindowProcA(probe, message, wParam, lParam);
}

}  // namespace

bool WhileModal(const std::function<void()>& open, const std::function<void(HWND dialog)>& step)
{
    static const ATOM probeClass = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ProbeProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = probeClassName;
        return RegisterClassA(&windowClass);
    }();
    (void)probeClass;
    ModalScript armed;
    armed.step = &step;
    armed.probe = CreateWindowA(probeClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetTimer(armed.probe, Watchdog, WatchdogPeriod, nullptr);
    armed.hook = SetWindowsHookExA(WH_CALLWNDPROCRET, WatchForDialog, nullptr, GetCurrentThreadId());
    script = &armed;
    open();
    script = nullptr;
    if (armed.hook)
        UnhookWindowsHookEx(armed.hook);
    DestroyWindow(armed.probe);
    return armed.ran && !armed.endedByWatchdog;
}

Picture CopyPixels(HDC from, int x, int y, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(from, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC copyDC = CreateCompatibleDC(from);
    HGDIOBJ previous = SelectObject(copyDC, copy);
    BitBlt(copyDC, 0, 0, width, height, from, x, y, SRCCOPY);
    GdiFlush();
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<size_t>(width * height));
    if (bits)
        std::memcpy(picture.pixels.data(), bits, picture.pixels.size() * sizeof picture.pixels[0]);
    for (std::uint32_t& pixel : picture.pixels)
        pixel &= 0xFFFFFF;
    SelectObject(copyDC, previous);
    DeleteDC(copyDC);
    DeleteObject(copy);
    return picture;
}

Picture CaptureClient(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    Picture picture = CopyPixels(dc, 0, 0, client.right, client.bottom);
    ReleaseDC(window, dc);
    return picture;
}

std::uint32_t PixelOf(COLORREF colour)
{
    return static_cast<std::uint32_t>(GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour));
}

namespace {

// The thirteen faces as 0x00RRGGBB pixels, row 0 at the top, read once.
const std::vector<std::vector<std::uint32_t>>& Faces()
{
    static const std::vector<std::vector<std::uint32_t>> faces = [] {
        std::vector<std::vector<std::uint32_t>> loaded;
        HDC screen = GetDC(nullptr);
        BITMAPINFO format = {};
        format.bmiHeader = {sizeof format.bmiHeader, CardFaceSize, -CardFaceSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        for (std::int32_t value = 1; HasCardFace(value); ++value) {
            std::vector<std::uint32_t> face(CardFaceSize * CardFaceSize);
            HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(CardFaceId(value)));
            GetDIBits(screen, bitmap, 0, CardFaceSize, face.data(), &format, DIB_RGB_COLORS);
            DeleteObject(bitmap);
            for (std::uint32_t& pixel : face)
                pixel &= 0xFFFFFF;
            loaded.push_back(face);
        }
        ReleaseDC(nullptr, screen);
        return loaded;
    }();
    return faces;
}

}  // namespace

const std::vector<std::uint32_t>& CardFacePixels(std::int32_t value)
{
    return Faces()[static_cast<size_t>(value - 1)];
}

int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

Hand ShownHand(const Picture& client, int dpi)
{
    Hand shown = {0, 0, 0, 0};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const RECT square = CardSquare(i, dpi);
        if (square.right > client.width || square.bottom > client.height)
            continue;
        // Where face pixel n of a row or column shows: the middle of its share of the side.
        const int side = square.right - square.left;
        const auto shownAt = [side](int n) { return (2 * n + 1) * side / (2 * CardFaceSize); };
        for (std::size_t face = 0; face < Faces().size() && shown[i] == 0; ++face) {
            bool same = true;
            for (int y = 0; same && y < CardFaceSize; ++y)
                for (int x = 0; same && x < CardFaceSize; ++x)
                    same = client.At(square.left + shownAt(x), square.top + shownAt(y)) ==
                           Faces()[face][static_cast<size_t>(y * CardFaceSize + x)];
            shown[i] = same ? static_cast<std::int32_t>(face) + 1 : 0;
        }
    }
    return shown;
}

HANDLE StartProgram(const std::string& path)
{
    // A bare name would find the program beside the caller first.
    char program[MAX_PATH];
    GetFullPathNameA(path.c_str(), MAX_PATH, program, nullptr);
    std::string commandLine = "\"" + std::string(program) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

HWND FindGameWindow()
{
    return FindWindowA(MAIN_WINDOW_CLASS, TEXT_CAPTION);
}

long WaitForProgramEnd(HANDLE process, DWORD milliseconds)
{
    DWORD status = 0;
    const bool ended = WaitForSingleObject(process, milliseconds) == WAIT_OBJECT_0 && GetExitCodeProcess(process, &status);
    if (!ended)
        TerminateProcess(process, 1);
    CloseHandle(process);
    return ended ? static_cast<long>(status) : -1;
}

bool ConfirmCustomHand(HWND game, const std::vector<std::string>& texts)
{
    return WhileModal([game] { SendMessageA(game, WM_COMMAND, IDC_CUSTOM_HAND, 0); }, [&texts](HWND dialog) {
        for (size_t i = 0; i < texts.size(); ++i) {
            HWND field = GetDlgItem(dialog, IDC_CARD_FIELD_0 + static_cast<int>(i));
            SetFocus(field);
            TypeText(field, texts[i].c_str());
        }
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
}
