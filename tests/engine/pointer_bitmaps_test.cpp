// The pointer bitmaps of the programs (the cross-hair and the arrow, picture and mask), as the
// test program links them: storage format and every pixel.
#include <gtest/gtest.h>

#include "pointer_shapes.h"
#include "resource_ids.h"
#include "sprite.h"
#include "test_surface.h"
#include "hidden_window.h"

#include <string>
#include <vector>

using pointerShapes::cellSize;
using pointerShapes::isLit;

namespace {

const COLORREF yellow = RGB(255, 255, 0);
const COLORREF red = RGB(255, 0, 0);
const COLORREF black = RGB(0, 0, 0);
const COLORREF white = RGB(255, 255, 255);

struct PointerPair {
    const char* name;
    int pictureId;
    int maskId;
    COLORREF color;
    pointerShapes::PixelSet lit;
};

std::vector<PointerPair> pointerPairs() {
    return {
        {"shooter cross-hair", IDB_POINTER, IDB_POINTER_MASK, yellow, pointerShapes::crosshair()},
        {"demo arrow", IDB_DEMO_ARROW, IDB_DEMO_ARROW_MASK, red, pointerShapes::arrow()},
        {"variant arrow", IDB_VARIANT_ARROW, IDB_VARIANT_ARROW_MASK, red, pointerShapes::arrow()},
    };
}

// Loads the bitmap as the programs do and copies it onto the surface; false unless it loads
// and is 32 x 32.
bool copyLoaded(int id, TestSurface& surface) {
    const HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    BITMAP description{};
    const bool fits = bitmap != nullptr &&
                      GetObjectA(bitmap, sizeof description, &description) != 0 &&
                      description.bmWidth == cellSize && description.bmHeight == cellSize;
    if (fits) {
        const HDC loaded = CreateCompatibleDC(surface.dc());
        const HGDIOBJ previous = SelectObject(loaded, bitmap);
        BitBlt(surface.dc(), 0, 0, cellSize, cellSize, loaded, 0, 0, SRCCOPY);
        SelectObject(loaded, previous);
        DeleteDC(loaded);
    }
    DeleteObject(bitmap);
    return fits;
}

// Compares a loaded bitmap with the colours the description gives for lit and unlit pixels.
void expectPixels(int id, const pointerShapes::PixelSet& lit, COLORREF litColor,
                  COLORREF otherColor) {
    SCOPED_TRACE("resource " + std::to_string(id));
    TestSurface surface(cellSize, cellSize);
    ASSERT_TRUE(copyLoaded(id, surface));
    int wrong = 0;
    for (int row = 0; row < cellSize; ++row) {
        for (int column = 0; column < cellSize; ++column) {
            const COLORREF expected = isLit(lit, column, row) ? litColor : otherColor;
            if (surface.pixel(column, row) != expected && ++wrong <= 5) {
                ADD_FAILURE() << "pixel (" << column << ", " << row << ")";
            }
        }
    }
    EXPECT_EQ(0, wrong);
}

} // namespace

TEST(PointerBitmaps, AreStoredAs32By32UncompressedBottomUp24Bit) {
    HMODULE module = GetModuleHandleA(nullptr);
    for (const PointerPair& pair : pointerPairs()) {
        for (int id : {pair.pictureId, pair.maskId}) {
            SCOPED_TRACE(std::string(pair.name) + ", resource " + std::to_string(id));
            HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
            ASSERT_NE(nullptr, found); // resource type 2 is RT_BITMAP
            const auto* header =
                static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, found)));
            ASSERT_NE(nullptr, header);
            EXPECT_EQ(sizeof(BITMAPINFOHEADER), header->biSize);
            EXPECT_EQ(cellSize, header->biWidth);
            EXPECT_EQ(cellSize, header->biHeight); // positive: bottom-up
            EXPECT_EQ(24, header->biBitCount);
            EXPECT_EQ(static_cast<DWORD>(BI_RGB), header->biCompression);
        }
    }
}

TEST(PointerBitmaps, PictureIsLitOnBlackAndMaskIsBlackExactlyThere) {
    for (const PointerPair& pair : pointerPairs()) {
        SCOPED_TRACE(pair.name);
        expectPixels(pair.pictureId, pair.lit, pair.color, black);
        expectPixels(pair.maskId, pair.lit, black, white);
    }
}

TEST(PointerBitmaps, CrosshairPlacedUpLeftOfTheMouseCentresItsSmallCrossOnThePoint) {
    HiddenWindow window(100, 100);
    Sprite sprite;
    ASSERT_TRUE(sprite.load(window.handle(), IDB_POINTER, IDB_POINTER_MASK, 32, 32, true));
    TestSurface surface(80, 80, white);
    const int mouseX = 40;
    const int mouseY = 37;
    sprite.place(mouseX - 16, mouseY - 16, 0, 0);
    sprite.draw(surface.dc());
    // The 2 x 2 centre of the small cross covers the mouse pixel and its up-left neighbour; its
    // four arms stand one pixel further out diagonally.
    for (int dy = -1; dy <= 0; ++dy) {
        for (int dx = -1; dx <= 0; ++dx) {
            EXPECT_EQ(yellow, surface.pixel(mouseX + dx, mouseY + dy));
        }
    }
    EXPECT_TRUE(showsPixels(surface, yellow,
                            {{mouseX - 2, mouseY - 2},
                             {mouseX + 1, mouseY + 1},
                             {mouseX - 2, mouseY + 1},
                             {mouseX + 1, mouseY - 2}}));
    EXPECT_TRUE(showsPixels(surface, white, {{mouseX + 1, mouseY}, {mouseX, mouseY - 2}}));
}
