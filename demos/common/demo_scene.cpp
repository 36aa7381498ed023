// DemoScene frame (the objects arrive with each program's scene).
#include "demo_scene.h"

void DemoScene::renderFrame(HDC, int) {}
void DemoScene::buildScene() {}
void DemoScene::onKeyDown(WPARAM, LPARAM) {}
void DemoScene::onMouseMove(WPARAM, LPARAM) {}
void DemoScene::onLeftDown(WPARAM, LPARAM) {}
void DemoScene::onLeftUp(WPARAM, LPARAM) {}
void DemoScene::onRightDown(WPARAM, LPARAM) {}
void DemoScene::onRightUp(WPARAM, LPARAM) {}
void DemoScene::onWheel(WPARAM, LPARAM) {}
