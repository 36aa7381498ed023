// The input handlers and keyboard commands: held-key slots, mouse and buttons, pause, help,
// restart and quit.
#include "world_fixture.h"

#include "box_recorder.h"
#include "game/help_text.h"
#include "test_surface.h"
#include "text_1251.h"
#include "vec2_checks.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int closeRequests = 0;

LRESULT CALLBACK countingCloses(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        closeRequests += 1;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The game's own boxes, shown for real and answered by the recorder.
class InputTest : public ::testing::Test {
protected:
    InputTest() { built.game.showMessage = messageBox1251; }
    void press(int key) { built.game.onKeyDown(static_cast<WPARAM>(key), 0); }
    void release(int key) { built.game.onKeyUp(static_cast<WPARAM>(key), 0); }
    int slot(int index) { return built.world().heldKeys[index]; }

    BuiltGame built{shooterProgram, countingCloses};
};

// Key-downs (a key) and key-ups (minus the key) in order, and the two slots after them: the first
// key stays, a third replaces the second, a freed first slot is filled again, and a key already
// held (an auto-repeat) changes nothing.
struct KeySequence {
    std::vector<int> events;
    int first;
    int second;
};

TEST_F(InputTest, HeldKeysKeepTheFirstReplaceTheSecondAndIgnoreRepeats) {
    const KeySequence sequences[] = {
        {{'Q', 'W', 'E'}, 'Q', 'E'},
        {{'Q', 'W', 'E', -'W'}, 'Q', 'E'},
        {{'Q', 'W', 'E', -'W', -'E'}, 'Q', 0},
        {{VK_LEFT, VK_UP, -VK_LEFT}, 0, VK_UP},
        {{VK_LEFT, VK_UP, -VK_LEFT, VK_RIGHT}, VK_RIGHT, VK_UP},
        {{VK_DOWN, VK_DOWN, VK_DOWN}, VK_DOWN, 0},
        {{VK_DOWN, VK_DOWN, VK_DOWN, VK_LEFT, VK_DOWN, VK_LEFT}, VK_DOWN, VK_LEFT},
    };
    for (const KeySequence& sequence : sequences) {
        built.world().heldKeys[0] = 0;
        built.world().heldKeys[1] = 0;
        for (const int event : sequence.events) {
            event > 0 ? press(event) : release(-event);
        }
        EXPECT_EQ(slot(0), sequence.first) << sequence.events.size() << " events";
        EXPECT_EQ(slot(1), sequence.second) << sequence.events.size() << " events";
    }
}

// The five command keys: none takes a held-key slot; ESC asks the window to close, F1 and F2
// show a box each (what they say is below), PAUSE pauses and F3 does nothing at all.
TEST_F(InputTest, CommandKeysDoTheirOwnThingAndNeverTakeASlot) {
    struct Case {
        int key;
        int closes;
        std::size_t boxes;
        bool active;
    };
    for (const Case& c :
         {Case{VK_ESCAPE, 1, 0, true}, Case{VK_F1, 0, 1, true}, Case{VK_F2, 0, 1, true},
          Case{VK_F3, 0, 0, true}, Case{VK_PAUSE, 0, 0, false}}) {
        closeRequests = 0;
        const BoxRecorder recorder;
        press(c.key);
        EXPECT_EQ(closeRequests, c.closes) << c.key;
        EXPECT_EQ(recorder.boxes.size(), c.boxes) << c.key;
        EXPECT_EQ(built.game.active.load(), c.active) << c.key;
        EXPECT_EQ(slot(0), 0) << c.key;
        EXPECT_EQ(slot(1), 0) << c.key;
    }
    press(VK_F4);
    EXPECT_EQ(slot(0), VK_F4);
}

TEST_F(InputTest, F1ShowsTheHelpBoxOwnedByTheWindow) {
    const BoxRecorder recorder;
    press(VK_F1);
    const SeenBox help{built.window.handle(), "help", helpText, {IDOK}, false};
    EXPECT_EQ(recorder.boxes, std::vector<SeenBox>{help});
}

// Draws one real frame on a render thread, as a timer tick does.
HDC nextFrame(ShooterGame& game) {
    game.onTimerTick();
    game.awaitLatestFrame();
    return game.front.load();
}

TEST_F(InputTest, F2AnnouncesAndRestartsTheGame) {
    built.world().heldKeys[0] = VK_UP;
    built.runTicks(10);
    ASSERT_EQ(built.player().position.y, 450.0f);
    ASSERT_GT(built.world().solidList.count(), 0);

    // As the window procedure runs it: under the scene lock, which the restart takes again.
    // No frame may start before the outermost unlock.
    HDC shown = nextFrame(built.game);
    World& world = built.world();
    world.heldKeys[1] = 'Q';
    world.leftButton = 1;
    world.rightButton = 2;
    world.mouse = Vec2(123, 456);
    built.game.lockScene();
    const BoxRecorder recorder;
    press(VK_F2);
    EXPECT_EQ(nextFrame(built.game), shown);
    const SeenBox announced{built.window.handle(), "Will Be", "Restart Game", {IDOK}, false};
    EXPECT_EQ(recorder.boxes, std::vector<SeenBox>{announced});
    EXPECT_EQ(built.player().position.y, 500.0f);
    EXPECT_EQ(built.arena().origin.y, 0.0f);
    EXPECT_EQ(built.world().solidList.count(), 0);
    // The input state stays: the held key moves the new player from the arena's centre, two
    // steps in the frame that also catches up the tick counted while the scene was locked.
    EXPECT_EQ(world.heldKeys[0], VK_UP);
    EXPECT_EQ(world.heldKeys[1], 'Q');
    EXPECT_TRUE(world.leftButton == 1 && world.rightButton == 2 && world.mouse.y == 456.0f);
    built.game.unlockScene();
    EXPECT_NE(nextFrame(built.game), shown);
    EXPECT_EQ(built.player().position.y, 490.0f);
}

// The pixels of a colour in the box where the word "pause" is written.
int inPauseBox(HDC dc, COLORREF colour) {
    return countPixels(dc, colour, 200, 200, 40, 16);
}

TEST_F(InputTest, PauseFreezesWithTheWordOnAStripAndAPressMoreResumes) {
    // The box lies in the black arena: only a star or two can be white there.
    HDC shown = nextFrame(built.game);
    ASSERT_LT(inPauseBox(shown, RGB(255, 255, 255)), 5);
    // The frame as it must look: "pause" written over it at (200, 200), black on a white strip.
    TestSurface& expected = built.surface;
    BitBlt(expected.dc(), 0, 0, expected.width(), expected.height(), shown, 0, 0, SRCCOPY);
    TextOutA(expected.dc(), 200, 200, "pause", 5);

    press(VK_PAUSE);
    EXPECT_FALSE(built.game.active);
    EXPECT_EQ(built.game.front.load(), shown);
    for (int y = 190; y < 230; ++y) {
        for (int x = 190; x < 260; ++x) {
            ASSERT_EQ(GetPixel(shown, x, y), expected.pixel(x, y)) << x << "," << y;
        }
    }
    // No frame starts while paused.
    EXPECT_EQ(nextFrame(built.game), shown);

    press(VK_PAUSE);
    EXPECT_TRUE(built.game.active);
    HDC resumed = nextFrame(built.game);
    ASSERT_NE(resumed, shown);
    EXPECT_LT(inPauseBox(resumed, RGB(255, 255, 255)), 5);
}

TEST_F(InputTest, MouseMessagesRecordThePositionAndButtons) {
    built.game.onMouseMove(0, MAKELPARAM(300, 400));
    EXPECT_TRUE(isAt(built.world().mouse, 300.0f, 400.0f, 0));

    built.game.onLeftDown(MK_LBUTTON, MAKELPARAM(310, 410));
    EXPECT_EQ(built.world().leftButton, 1);
    EXPECT_EQ(built.world().mouse.x, 310.0f);
    built.game.onLeftUp(0, MAKELPARAM(1, 2));
    EXPECT_EQ(built.world().leftButton, 0);
    EXPECT_EQ(built.world().mouse.x, 310.0f);

    built.game.onRightDown(MK_RBUTTON, MAKELPARAM(320, 420));
    EXPECT_EQ(built.world().rightButton, 1);
    EXPECT_EQ(built.world().mouse.y, 420.0f);
    built.game.onRightUp(0, MAKELPARAM(1, 2));
    EXPECT_EQ(built.world().rightButton, 0);
    EXPECT_EQ(built.world().mouse.y, 420.0f);

    built.game.onWheel(MAKEWPARAM(0, 120), MAKELPARAM(5, 5));
    EXPECT_EQ(built.world().mouse.x, 320.0f);

    // Both halves are read as unsigned.
    built.game.onMouseMove(0, MAKELPARAM(0xFFFF, 0x8000));
    EXPECT_TRUE(isAt(built.world().mouse, 65535.0f, 32768.0f, 0));
}

// Buttons count only when still down at the tick: clicked between two ticks they do nothing;
// held, the right one takes the weapon on to the stream, which the left one fires.
TEST_F(InputTest, OnlyButtonsHeldAtTheTickFireOrChangeTheWeapon) {
    for (const bool released : {true, false}) {
        BuiltGame game;
        game.game.onLeftDown(MK_LBUTTON, MAKELPARAM(900, 500));
        game.game.onRightDown(MK_RBUTTON, MAKELPARAM(900, 500));
        if (released) {
            game.game.onLeftUp(0, MAKELPARAM(900, 500));
            game.game.onRightUp(0, MAKELPARAM(900, 500));
        }
        game.runTicks(1);
        EXPECT_EQ(game.world().objectList.count(), released ? 1 : 2);
        EXPECT_EQ(game.player().weaponIndex, released ? 0u : 1u);
    }
}

} // namespace
