// Sprite loading from bitmap resources and masked drawing.
#include "sprite.h"

#include "gdi_objects.h"

bool Sprite::load(HWND window, int imageId, int maskId, int cellWidth, int cellHeight,
                  bool useMask) {
    HDC windowDC = GetDC(window);
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    imageDC = gdiCount::createCompatibleDC(windowDC);
    image = gdiCount::loadBitmap(instance, MAKEINTRESOURCEA(imageId & 0xFFFF));
    if (imageDC == nullptr || image == nullptr) {
        release();
        ReleaseDC(window, windowDC);
        return false;
    }
    SelectObject(imageDC, image);
    masked = useMask;
    if (masked) {
        mask = gdiCount::loadBitmap(instance, MAKEINTRESOURCEA(maskId & 0xFFFF));
        maskDC = gdiCount::createCompatibleDC(windowDC);
        if (mask == nullptr || maskDC == nullptr) {
            release();
            ReleaseDC(window, windowDC);
            return false;
        }
        SelectObject(maskDC, mask);
    }
    ReleaseDC(window, windowDC);
    frameWidth = cellWidth;
    frameHeight = cellHeight;
    return true;
}

void Sprite::place(int px, int py, int cellColumn, int cellRow) {
    x = px;
    y = py;
    column = cellColumn;
    row = cellRow;
}

void Sprite::draw(HDC target) const {
    if (imageDC == nullptr) {
        return;
    }
    const int sourceX = column * frameWidth;
    const int sourceY = row * frameHeight;
    if (masked) {
        BitBlt(target, x, y, frameWidth, frameHeight, maskDC, sourceX, sourceY, SRCAND);
        BitBlt(target, x, y, frameWidth, frameHeight, imageDC, sourceX, sourceY, SRCINVERT);
    } else {
        BitBlt(target, x, y, frameWidth, frameHeight, imageDC, sourceX, sourceY, SRCCOPY);
    }
}

void Sprite::release() {
    // The DCs go first so that the bitmaps are no longer selected when they are deleted.
    if (imageDC != nullptr) {
        gdiCount::deleteDC(imageDC);
    }
    if (maskDC != nullptr) {
        gdiCount::deleteDC(maskDC);
    }
    if (image != nullptr) {
        gdiCount::deleteBitmap(image);
    }
    if (mask != nullptr) {
        gdiCount::deleteBitmap(mask);
    }
    imageDC = nullptr;
    image = nullptr;
    maskDC = nullptr;
    mask = nullptr;
    frameWidth = 0;
    frameHeight = 0;
    x = 0;
    y = 0;
    column = 0;
    row = 0;
    masked = false;
}
