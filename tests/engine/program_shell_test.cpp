// The programs' shell from entry to exit: whatever way the entry point ends, no frame runs once
// it has returned, so that the runtime can destroy the scene's content.
#include "program_main.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// A shooter-style scene whose build fails and asks the window to close, as a scene does when
// its resources cannot be loaded: the window is destroyed while it is still being created.
class ClosingScene : public ShellScene<EngineStyle::Game> {
public:
    void buildScene() override { SendMessageA(window, WM_CLOSE, 0, 0); }
    void renderFrame(HDC, int) override { frames += 1; }

    void onKeyDown(WPARAM, LPARAM) {}
    void onKeyUp(WPARAM, LPARAM) {}
    void onMouseMove(WPARAM, LPARAM) {}
    void onLeftDown(WPARAM, LPARAM) {}
    void onLeftUp(WPARAM, LPARAM) {}
    void onRightDown(WPARAM, LPARAM) {}
    void onRightUp(WPARAM, LPARAM) {}
    void onWheel(WPARAM, LPARAM) {}

    std::atomic<int> frames{0};
};

ClosingScene closingScene;

// Presses a button of the visible top-level window with this title, as a user would.
bool press(const char* title, int button) {
    HWND window = FindWindowA(nullptr, title);
    if (window == nullptr || !IsWindowVisible(window)) {
        return false;
    }
    PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(button), 0);
    return true;
}

} // namespace

TEST(ProgramShell, NoFrameRunsAfterTheEntryPointEvenWhenTheWindowClosedWhileOpening) {
    std::atomic<bool> entryReturned{false};
    std::atomic<bool> dialogAnswered{false};
    std::thread user([&] {
        for (int tries = 0; tries < 2000 && !dialogAnswered; ++tries) {
            dialogAnswered = press("Option Window", IDOK);
            Sleep(10);
        }
        // The shell reports the window that is gone before its creation returned. The box may
        // close by itself: the window's destruction already queued the quit message.
        while (!entryReturned) {
            press("Error", IDOK);
            Sleep(10);
        }
    });
    const int result =
        runProgramWith<ClosingScene, closingScene>(GetModuleHandleA(nullptr), SW_HIDE);
    entryReturned = true;
    user.join();
    ASSERT_TRUE(dialogAnswered.load());
    EXPECT_EQ(0, result);
    EXPECT_FALSE(closingScene.active.load());
    const std::uint64_t ticks = closingScene.ticksCounted();
    const int frames = closingScene.frames;
    closingScene.onTimerTick();
    EXPECT_EQ(ticks, closingScene.ticksCounted());
    EXPECT_EQ(frames, closingScene.frames.load());
}

namespace {
// What the demonstration shell's window looked like when it was created.
struct CreatedWindow {
    char caption[32] = {};
    char className[32] = {};
    LONG_PTR style = 0;
    RECT frame{};
};
CreatedWindow created;

LRESULT CALLBACK recordThenClose(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        GetWindowTextA(window, created.caption, sizeof created.caption);
        GetClassNameA(window, created.className, sizeof created.className);
        created.style = GetWindowLongPtrA(window, GWL_STYLE);
        GetWindowRect(window, &created.frame);
        PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
} // namespace

TEST(ProgramShell, ADemonstrationOpensAnOverlappedGameWindowOf800By600At50And50) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    UnregisterClassA("MyMainWindow", instance); // left by another test of this process
    EXPECT_EQ(0, runProgram(instance, SW_HIDE, EngineStyle::Demo, recordThenClose));
    UnregisterClassA("MyMainWindow", instance);
    EXPECT_STREQ("Game", created.caption);
    EXPECT_STREQ("MyMainWindow", created.className);
    EXPECT_EQ(WS_OVERLAPPEDWINDOW, created.style & WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(0, created.style & WS_POPUP);
    const RECT expected{50, 50, 850, 650};
    EXPECT_TRUE(EqualRect(&expected, &created.frame))
        << created.frame.left << "," << created.frame.top << " " << created.frame.right << ","
        << created.frame.bottom;
}
