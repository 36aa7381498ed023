// ShooterGame: the scene class of the shooter programs.
#pragma once

#include "engine.h"

class ShooterGame : public Engine {
public:
    static constexpr EngineStyle shellStyle = EngineStyle::Game;

    ShooterGame() : Engine(shellStyle) {}

    void renderFrame(HDC target, int elapsedTicks) override;
    void buildScene() override;

    void onKeyDown(WPARAM wParam, LPARAM lParam);
    void onKeyUp(WPARAM wParam, LPARAM lParam);
    void onMouseMove(WPARAM wParam, LPARAM lParam);
    void onLeftDown(WPARAM wParam, LPARAM lParam);
    void onLeftUp(WPARAM wParam, LPARAM lParam);
    void onRightDown(WPARAM wParam, LPARAM lParam);
    void onRightUp(WPARAM wParam, LPARAM lParam);
    void onWheel(WPARAM wParam, LPARAM lParam);
};
