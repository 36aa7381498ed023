// ShooterGame: the scene class of the shooter programs. It builds the world once the surfaces
// exist, drives the world's frame, records the mouse and keyboard in the world for the player
// to read, and carries out the keyboard commands (quit, pause, help, restart). Each program
// constructs its one ShooterGame from its program record.
#pragma once

#include "game/shooter_program.h"
#include "shell_scene.h"
#include "text_1251.h"
#include "world/world.h"

#include <windows.h>

class ShooterGame : public ShellScene<EngineStyle::Game> {
public:
    // The way the game shows its modal boxes; tests put a non-blocking stand-in here.
    using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

    // Where the game finds its pointer's bitmaps: the program's own IDB_POINTER and
    // IDB_POINTER_MASK, or, in a program that carries every shooter program's pointer, the
    // numbers of the game's program record.
    enum class PointerResources { Own, ByRecord };

    // program must outlive the game: the records are program-wide constants.
    explicit ShooterGame(const ShooterProgram& program,
                         PointerResources resources = PointerResources::Own);
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

    const ShooterProgram& program;
    World world;
    MessageBoxFunction showMessage = messageBox1251;

private:
    void togglePause();
    void showHelp();
    void holdKey(int key);

    const PointerResources pointerResources;
};
