// HiddenWindow: an unshown pop-up window whose client area has the requested size, and the
// message pump.
#include "hidden_window.h"

#include <string>

namespace {
std::string classFor(WNDPROC procedure) {
    // One class per window procedure, registered on first use.
    const std::string name = "HiddenWindow" + std::to_string(reinterpret_cast<UINT_PTR>(procedure));
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

HiddenWindow::HiddenWindow(int clientWidth, int clientHeight, WNDPROC procedure) {
    // A pop-up has no frame, so its client area is the whole window; and unlike a framed window
    // it is not cut down to what fits on the screen (a 1920 x 1080 client on a 1920 x 1080
    // screen), just as the shooter's own pop-up is not.
    window_ = CreateWindowExA(0, classFor(procedure).c_str(), "hidden", WS_POPUP, 0, 0, clientWidth,
                              clientHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HiddenWindow::~HiddenWindow() {
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
