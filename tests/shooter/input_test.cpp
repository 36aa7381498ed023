// The input handlers and keyboard commands: held-key slots, mouse and buttons, pause, help,
// restart and quit.
#include "world_fixture.h"

#include "test_surface.h"

#include <gtest/gtest.h>

#include <string>
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

class InputTest : public ::testing::Test {
protected:
    void press(int key) { built.game.onKeyDown(static_cast<WPARAM>(key), 0); }
    void release(int key) { built.game.onKeyUp(static_cast<WPARAM>(key), 0); }
    int slot(int index) { return built.world().heldKeys[index]; }

    BuiltGame built{1100, 1000, countingCloses};
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

TEST_F(InputTest, CommandKeysNeverTakeASlot) {
    for (int key : {VK_PAUSE, VK_PAUSE, VK_ESCAPE, VK_F1, VK_F2, VK_F3}) {
        press(key);
        EXPECT_EQ(slot(0), 0) << key;
        EXPECT_EQ(slot(1), 0) << key;
    }
    press(VK_F4);
    EXPECT_EQ(slot(0), VK_F4);
}

TEST_F(InputTest, F3DoesNothingAndEscapeAsksTheWindowToClose) {
    closeRequests = 0;
    press(VK_F3);
    EXPECT_EQ(closeRequests, 0);
    EXPECT_TRUE(shownBoxes().empty());
    EXPECT_TRUE(built.game.active);
    press(VK_ESCAPE);
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(InputTest, F1ShowsTheHelpBoxOwnedByTheWindow) {
    press(VK_F1);
    ASSERT_EQ(shownBoxes().size(), 1u);
    const ShownBox& box = shownBoxes()[0];
    EXPECT_EQ(box.owner, built.window.handle());
    EXPECT_EQ(box.caption, "help");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));

    std::vector<std::string> lines;
    std::string rest = box.text;
    for (std::size_t at = rest.find("\n\r"); at != std::string::npos; at = rest.find("\n\r")) {
        lines.push_back(rest.substr(0, at));
        rest.erase(0, at + 2);
    }
    lines.push_back(rest);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "нажмите ESC, чтобы выйти из приложения,");
    EXPECT_EQ(lines[1], "нажмите PAUSE, чтобы времено приостановить работу приложения");
    EXPECT_EQ(lines[2], "нажмите F1, для вызова справки");
    EXPECT_EQ(lines[3], "нажмите F2, чтобы начать игру заново");
    EXPECT_EQ(lines[4], "управление персонажем с помощью крестика,");
    EXPECT_EQ(lines[5], " на левую кнопку мыши стрелать");
    EXPECT_EQ(lines[6], "на правую кнопку мыши выбирать оружие");
    EXPECT_EQ(box.text.find('\r'), box.text.find('\n') + 1);
}

// Draws one real frame on a render thread, as a timer tick does.
HDC nextFrame(ShooterGame& game) {
    game.onTimerTick();
    WaitForSingleObject(game.frameDoneEvent(), INFINITE);
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
    built.game.lockScene();
    press(VK_F2);
    EXPECT_EQ(nextFrame(built.game), shown);
    ASSERT_EQ(shownBoxes().size(), 1u);
    EXPECT_EQ(shownBoxes()[0].text, "Restart Game");
    EXPECT_EQ(shownBoxes()[0].caption, "Will Be");
    EXPECT_EQ(shownBoxes()[0].owner, built.window.handle());
    EXPECT_EQ(built.player().position.y, 500.0f);
    EXPECT_EQ(built.arena().origin.y, 0.0f);
    EXPECT_EQ(built.world().solidList.count(), 0);
    EXPECT_EQ(built.world().heldKeys[0], VK_UP);
    built.game.unlockScene();
    EXPECT_NE(nextFrame(built.game), shown);
}

// The pixels of a colour in the box where the word "pause" is written.
int inPauseBox(HDC dc, COLORREF colour) {
    return countPixels(dc, colour, 200, 200, 40, 16);
}

TEST_F(InputTest, PauseFreezesWithALegibleWordAndAPressMoreResumes) {
    // The box lies in the black arena: only a star or two can be white there.
    HDC shown = nextFrame(built.game);
    ASSERT_LT(inPauseBox(shown, RGB(255, 255, 255)), 5);

    press(VK_PAUSE);
    EXPECT_FALSE(built.game.active);
    EXPECT_EQ(built.game.front.load(), shown);
    EXPECT_GT(inPauseBox(shown, RGB(255, 255, 255)), 200)
        << "the letters need a light ground on the arena";
    EXPECT_GT(inPauseBox(shown, RGB(0, 0, 0)), 20) << "the letters themselves";
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
    EXPECT_EQ(built.world().mouse.x, 300.0f);
    EXPECT_EQ(built.world().mouse.y, 400.0f);

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
    EXPECT_EQ(built.world().mouse.x, 65535.0f);
    EXPECT_EQ(built.world().mouse.y, 32768.0f);
}

// Clicks between two ticks do nothing; a held left button fires the first weapon's five shots.
TEST_F(InputTest, ClicksBetweenTwoTicksDoNothingAndAHeldLeftButtonFires) {
    built.game.onLeftDown(MK_LBUTTON, MAKELPARAM(900, 500));
    built.game.onLeftUp(0, MAKELPARAM(900, 500));
    built.game.onRightDown(MK_RBUTTON, MAKELPARAM(900, 500));
    built.game.onRightUp(0, MAKELPARAM(900, 500));
    built.player().scatterReady = true;
    built.runTicks(1);
    EXPECT_EQ(built.world().objectList.count(), 1);
    EXPECT_EQ(built.player().weaponIndex, 0u);
    built.game.onLeftDown(MK_LBUTTON, MAKELPARAM(900, 500));
    built.player().scatterReady = true;
    built.runTicks(1);
    EXPECT_EQ(built.world().objectList.count(), 5);
}

} // namespace
