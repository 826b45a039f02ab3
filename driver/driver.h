#pragma once
// Drives the program's windows as a player would and reads back what a player
// sees. Shared by the window tests, the play-through, the screenshot tool and the
// Wine benchmarks; it needs no test framework.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/types.h"

// A window's text in the bytes the ANSI calls give; asked by message, so it also
// reads the controls of another process.
std::string ControlText(HWND control);
std::string ItemText(HWND dialog, int id);

// The start and end of an edit control's selection.
std::pair<int, int> EditSelection(HWND edit);

// The lines of a list box, top to bottom.
std::vector<std::string> ListLines(HWND list);

// Bytes as hex, so that GBK texts compare readably in failure messages.
std::string BytesInHex(const std::string& bytes);

// A text of the table (common/texts.h) as the UTF-16 that the W calls read.
#define WIDE_(text) L##text
#define WIDE(text) WIDE_(text)

// Types the characters into the control as the keyboard's WM_CHAR messages would.
void TypeText(HWND control, const char* text);

// Puts the text (in the program's code page, or UTF-16) on the clipboard and pastes
// it into the control, as Shift+Insert or the context menu's Paste does.
void Paste(HWND control, const char* text);
void Paste(HWND control, const wchar_t* text);

// Another process's windows can only be looked at, not waited for: polls the
// condition every 20 ms for up to ten seconds and answers whether it came true.
bool WaitFor(const std::function<bool()>& condition);

// The visible dialog owned by the window, waited for; nullptr when none opens.
HWND OpenDialogOf(HWND owner);

// Handles everything already queued for this thread, without waiting for more.
void PumpPendingMessages();

// Calls open(), which opens a modal dialog, and runs step against that dialog from
// inside the dialog's own message loop, once it is initialised and on screen and
// before any of its timers fire. A dialog still open ten seconds later is ended with -1, so that a
// failing script does not hang. Returns whether the step ran and the dialog ended without that.
bool WhileModal(const std::function<void()>& open, const std::function<void(HWND dialog)>& step);

// Pixels as 0x00RRGGBB, row 0 at the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// Copies a rectangle of a device context: a window's client area (GetDC), the
// whole window with its frame (GetWindowDC) or the screen (GetDC(nullptr)).
Picture CopyPixels(HDC from, int x, int y, int width, int height);

// The client area as the window's own device context holds it.
Picture CaptureClient(HWND window);

// A COLORREF as the 0x00RRGGBB of a Picture.
std::uint32_t PixelOf(COLORREF colour);

// The DPI the system lays the program's windows out at, as the screen's device
// context reports it to this (system-aware) program.
int SystemDpi();

// The pixels of a card value's face (1..13) in the calling program's resources,
// CardFaceSize square, row 0 at the top.
const std::vector<std::uint32_t>& CardFacePixels(std::int32_t value);

// The hand whose faces a picture of the main window's client area shows, with the
// squares at the DPI, read against the card faces of the calling program's own
// resources: each square's value, or 0 where it shows no face. Each face pixel is
// read at the centre of the square's pixels it is stretched over.
Hand ShownHand(const Picture& client, int dpi);

// The game from outside, as a player starts it: a program (Veltro.exe or a copy),
// named from the current folder, started as a process of its own; its process, or
// nullptr when it cannot be started.
HANDLE StartProgram(const std::string& path);

// The game's main window, found by its class and caption; nullptr while there is none.
HWND FindGameWindow();

// Waits up to the milliseconds for the process to end, ending it if it has not, and
// closes it: its exit status, or -1 when it had to be ended.
long WaitForProgramEnd(HANDLE process, DWORD milliseconds);

// Presses "自定义牌面" in the main window, types the texts into the four fields,
// each entered as a click would, and presses OK; answers whether the dialog ran.
bool ConfirmCustomHand(HWND game, const std::vector<std::string>& texts);
