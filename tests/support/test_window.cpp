// TestWindow: an unshown pop-up window whose client area has the requested size.
#include "test_window.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string classFor(WNDPROC procedure) {
    // One class per window procedure, registered on first use.
    const std::string name = "TestWindow" + std::to_string(reinterpret_cast<UINT_PTR>(procedure));
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), name.c_str(), &windowClass)) {
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = name.c_str();
        RegisterClassExA(&windowClass);
    }
    return name;
}
} // namespace

TestWindow::TestWindow(int clientWidth, int clientHeight, WNDPROC procedure) {
    // A pop-up without a sizing frame, like the shooter's own window: Windows limits an
    // overlapped window to the screen's maximum tracking size when it creates it, so a client
    // area taller than the screen minus a caption would silently come out smaller, and every
    // position derived from it would move with the test machine's screen.
    window_ = CreateWindowExA(0, classFor(procedure).c_str(), "test", WS_POPUP, 0, 0, clientWidth,
                              clientHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    RECT client{};
    GetClientRect(window_, &client);
    if (window_ == nullptr || client.right != clientWidth || client.bottom != clientHeight) {
        ADD_FAILURE() << "the test window's client area is " << client.right << " x "
                      << client.bottom << ", not the " << clientWidth << " x " << clientHeight
                      << " the test asked for";
    }
}

TestWindow::~TestWindow() {
    DestroyWindow(window_);
    pumpMessages();
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
