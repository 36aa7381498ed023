// The programs' shell from entry to exit: whatever way the entry point ends, no frame runs once
// it has returned, so that the runtime can destroy the scene's content.
#include "program_main.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// A shooter-style scene whose build fails and asks the window to close, as a scene does when
// its resources cannot be loaded: the window is destroyed while it is still being created.
class ClosingScene : public Engine {
public:
    static constexpr EngineStyle shellStyle = EngineStyle::Game;

    ClosingScene() : Engine(shellStyle) {}

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
