// ShooterGame: the scene class of the shooter programs. It builds the world once the surfaces
// exist, drives the world's frame, records the mouse and keyboard in the world for the player
// to read, and carries out the keyboard commands (quit, pause, help, restart). Each program
// constructs its one ShooterGame with its look.
#pragma once

#include "engine.h"
#include "look/shooter_look.h"
#include "text_1251.h"
#include "world/world.h"

#include <windows.h>

class ShooterGame : public Engine {
public:
    static constexpr EngineStyle shellStyle = EngineStyle::Game;
    // The way the game shows its modal boxes; tests put a non-blocking stand-in here.
    using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

    // look must outlive the game: the looks are program-wide constants.
    explicit ShooterGame(const ShooterLook& look) : Engine(shellStyle), world(look) {}
    // Stops the frames before the world goes, whether or not a close request paused them.
    ~ShooterGame();

    void renderFrame(HDC target, int elapsedTicks) override;
    void buildScene() override;

    // Empties the lists of the old game and builds a new one; input state and the pointer
    // sprite stay.
    void restart();

    void onKeyDown(WPARAM wParam, LPARAM lParam);
    void onKeyUp(WPARAM wParam, LPARAM lParam);
    void onMouseMove(WPARAM wParam, LPARAM lParam);
    void onLeftDown(WPARAM wParam, LPARAM lParam);
    void onLeftUp(WPARAM wParam, LPARAM lParam);
    void onRightDown(WPARAM wParam, LPARAM lParam);
    void onRightUp(WPARAM wParam, LPARAM lParam);
    void onWheel(WPARAM wParam, LPARAM lParam);

    World world;
    MessageBoxFunction showMessage = messageBox1251;

private:
    void togglePause();
    void showHelp();
    void holdKey(int key);
};
