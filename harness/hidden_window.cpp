// TestWindow: an unshown overlapped window whose client area has the requested size.
#include "test_window.h"

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
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window_ = CreateWindowExA(0, classFor(procedure).c_str(), "test", WS_OVERLAPPEDWINDOW, 0, 0,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
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
