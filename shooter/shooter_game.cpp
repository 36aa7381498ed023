// ShooterGame: frame driver and input handlers (the world arrives with the game rules).
#include "shooter_game.h"

void ShooterGame::renderFrame(HDC, int) {}
void ShooterGame::buildScene() {}
void ShooterGame::onKeyDown(WPARAM, LPARAM) {}
void ShooterGame::onKeyUp(WPARAM, LPARAM) {}
void ShooterGame::onMouseMove(WPARAM, LPARAM) {}
void ShooterGame::onLeftDown(WPARAM, LPARAM) {}
void ShooterGame::onLeftUp(WPARAM, LPARAM) {}
void ShooterGame::onRightDown(WPARAM, LPARAM) {}
void ShooterGame::onRightUp(WPARAM, LPARAM) {}
void ShooterGame::onWheel(WPARAM, LPARAM) {}
