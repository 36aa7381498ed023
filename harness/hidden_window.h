// A hidden top-level window of a given client size, for code that needs a real HWND.
#pragma once

#include <windows.h>

class TestWindow {
public:
    TestWindow(int clientWidth, int clientHeight, WNDPROC procedure = DefWindowProcA);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const { return window_; }

private:
    HWND window_;
};

// Delivers every message already queued for this thread.
void pumpMessages();
