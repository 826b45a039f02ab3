#pragma once
// Scripts a modal dialog from inside its own message loop: the step is armed
// before the dialog opens, and the dialog's loop runs it once the dialog is on
// screen, so that it acts on the dialog as a player's input would.

#include <windows.h>

#include <functional>
#include <string>

#include "ui/tests/control_text.h"

class ModalScript {
public:
    using Step = std::function<void(HWND dialog)>;

    // Arms the step; it runs against the first dialog of this thread that shows.
    explicit ModalScript(Step step);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Whether the step ran. A dialog that has not shown within ten seconds is
    // ended by force, so that a failing test does not hang.
    bool Ran() const { return ran; }

private:
    static LRESULT CALLBACK ProbeProc(HWND probe, UINT message, WPARAM wParam, LPARAM lParam);
    void RunOrWait();

    HWND probe = nullptr;
    Step step;
    bool ran = false;
    int waits = 0;
};

// The open dialog (class "#32770") of this thread, or nullptr.
HWND FindOpenDialog();

std::string DialogItemText(HWND dialog, int id);

// Types the characters into the control as the keyboard's WM_CHAR messages would.
void TypeText(HWND control, const char* text);

// Handles everything already queued for this thread, without waiting for more.
void PumpPendingMessages();
