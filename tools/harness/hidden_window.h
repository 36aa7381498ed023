// HiddenWindow: a real top-level window that is never shown, with a client area of a given size,
// for scenes that need an HWND when the tests and the tools drive them without the shell; and
// the message pump that delivers what such a window is sent.
#pragma once

#include <windows.h>

class HiddenWindow {
public:
    HiddenWindow(int clientWidth, int clientHeight, WNDPROC procedure = DefWindowProcA);
    ~HiddenWindow();
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;

    HWND handle() const { return window_; }

private:
    HWND window_;
};

// Delivers every message already queued for this thread.
void pumpMessages();
