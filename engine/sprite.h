// Sprite: a cell of a bitmap resource drawn onto a frame surface, opaquely or through a mask.
// Every program uses one as its mouse pointer (bitmaps 103 and 104).
#pragma once

#include <windows.h>

class Sprite {
public:
    Sprite() = default;
    ~Sprite() { release(); }
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // Loads picture and (when masked) mask from the window's module. On failure everything
    // created so far is released, every field is zero again, and false is returned.
    bool load(HWND window, int imageId, int maskId, int frameWidth, int frameHeight, bool masked);
    void place(int x, int y, int column, int row);
    // Masked: SRCAND with the mask, then SRCINVERT with the picture. Otherwise SRCCOPY.
    void draw(HDC target) const;
    // Deletes the bitmaps and DCs and zeroes every field.
    void release();

    bool isLoaded() const { return imageDC != nullptr; }

    HDC imageDC = nullptr;
    HBITMAP image = nullptr;
    HDC maskDC = nullptr;
    HBITMAP mask = nullptr;
    int frameWidth = 0;
    int frameHeight = 0;
    int x = 0;
    int y = 0;
    int column = 0;
    int row = 0;
    bool masked = false;
};
