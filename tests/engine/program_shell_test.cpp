// The programs' shell from entry to exit: whatever way the entry point ends, no frame runs once
// it has returned, so that the runtime can destroy the scene's content.
#include "box_recorder.h"
#include "program_main.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

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

} // namespace

TEST(ProgramShell, NoFrameRunsAfterTheEntryPointEvenWhenTheWindowClosedWhileOpening) {
    // The options dialog is accepted as it opens. The shell reports the window that is gone
    // before its creation returned, unless the window's destruction, which already queued the
    // quit message, closes that box first.
    const BoxRecorder recorder;
    const int result =
        runProgramWith<ClosingScene, closingScene>(GetModuleHandleA(nullptr), SW_HIDE);
    const std::vector<SeenBox> boxes = recorder.boxes;
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ("Option Window", boxes[0].caption);
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        EXPECT_EQ("Cannot Register Window: ", boxes[i].text) << boxes[i].caption;
    }
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
