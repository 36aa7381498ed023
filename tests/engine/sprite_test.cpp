// Sprite: loading the pointer bitmaps from the test program's resources and drawing a cell of
// them, through the mask or opaquely, onto a real memory surface.
#include <gtest/gtest.h>

#include "gdi_objects.h"
#include "pointer_shapes.h"
#include "resource_ids.h"
#include "sprite.h"
#include "test_surface.h"
#include "hidden_window.h"

#include <string>

namespace {
const COLORREF yellow = RGB(255, 255, 0);
const COLORREF red = RGB(255, 0, 0);
const COLORREF black = RGB(0, 0, 0);
const COLORREF teal = RGB(0, 128, 160);

// Checks the whole surface: inside the size x size square at (left, top) a pixel lit in the
// design at (column0 + dx, row0 + dy) has litColor and the others unlitColor; outside the
// square the surface keeps its teal fill.
void expectCell(const TestSurface& surface, int left, int top, int size,
                const pointerShapes::PixelSet& lit, int column0, int row0, COLORREF litColor,
                COLORREF unlitColor) {
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const int dx = x - left;
            const int dy = y - top;
            COLORREF expected = teal;
            if (dx >= 0 && dx < size && dy >= 0 && dy < size) {
                expected =
                    pointerShapes::isLit(lit, column0 + dx, row0 + dy) ? litColor : unlitColor;
            }
            ASSERT_EQ(expected, surface.pixel(x, y)) << "at (" << x << ", " << y << ")";
        }
    }
}

void expectAllFieldsZero(const Sprite& sprite) {
    EXPECT_EQ(nullptr, sprite.imageDC);
    EXPECT_EQ(nullptr, sprite.image);
    EXPECT_EQ(nullptr, sprite.maskDC);
    EXPECT_EQ(nullptr, sprite.mask);
    EXPECT_EQ(0, sprite.frameWidth);
    EXPECT_EQ(0, sprite.frameHeight);
    EXPECT_EQ(0, sprite.x);
    EXPECT_EQ(0, sprite.y);
    EXPECT_EQ(0, sprite.column);
    EXPECT_EQ(0, sprite.row);
    EXPECT_FALSE(sprite.masked);
}
} // namespace

TEST(SpriteDraw, DrawsTheCellAtItsColumnAndRowThroughTheMaskOrOpaquely) {
    // Through the mask the background shows where the mask is white; opaquely the cell's black
    // pixels are copied too. One sprite placed in turn at each cell of its picture draws it.
    struct Case {
        const char* what;
        int picture, mask;
        bool masked;
        int cellSize, surfaceSize, left, top;
        int cellsPerSide; // drawn row by row, column by column
        pointerShapes::PixelSet lit;
        COLORREF litColor, unlitColor;
    };
    const Case cases[] = {
        {"masked cross-hair", IDB_POINTER, IDB_POINTER_MASK, true, 32, 48, 5, 9, 1,
         pointerShapes::crosshair(), yellow, teal},
        {"unmasked arrow", IDB_DEMO_ARROW, IDB_DEMO_ARROW_MASK, false, 32, 40, 4, 2, 1,
         pointerShapes::arrow(), red, black},
        {"unmasked arrow in cells", IDB_DEMO_ARROW, IDB_DEMO_ARROW_MASK, false, 16, 24, 3, 5, 2,
         pointerShapes::arrow(), red, black},
    };
    HiddenWindow window(100, 100);
    for (const Case& c : cases) {
        Sprite sprite;
        ASSERT_TRUE(
            sprite.load(window.handle(), c.picture, c.mask, c.cellSize, c.cellSize, c.masked))
            << c.what;
        EXPECT_EQ(c.masked, sprite.mask != nullptr) << c.what;
        TestSurface surface(c.surfaceSize, c.surfaceSize, teal);
        for (int cell = 0; cell < c.cellsPerSide * c.cellsPerSide; ++cell) {
            const int column = cell % c.cellsPerSide;
            const int row = cell / c.cellsPerSide;
            SCOPED_TRACE(std::string(c.what) + ": column " + std::to_string(column) + ", row " +
                         std::to_string(row));
            surface.fill(teal);
            sprite.place(c.left, c.top, column, row);
            sprite.draw(surface.dc());
            expectCell(surface, c.left, c.top, c.cellSize, c.lit, column * c.cellSize,
                       row * c.cellSize, c.litColor, c.unlitColor);
        }
    }
}

TEST(SpriteDraw, UnloadedSpriteDrawsNothing) {
    Sprite sprite;
    expectAllFieldsZero(sprite);
    sprite.frameWidth = 32;
    sprite.frameHeight = 32;
    TestSurface surface(32, 32, teal);
    sprite.draw(surface.dc());
    sprite.masked = true;
    sprite.draw(surface.dc());
    EXPECT_EQ(32 * 32, surface.count(teal));
}

TEST(SpriteLoad, MissingPictureOrMaskFailsAndLeavesEveryFieldZero) {
    // When only the picture loads, it is released again.
    const int resources[][2] = {{999, IDB_POINTER_MASK}, {IDB_POINTER, 998}};
    HiddenWindow window(100, 100);
    const int liveBefore = gdiCount::live();
    for (const auto& ids : resources) {
        SCOPED_TRACE("picture " + std::to_string(ids[0]) + ", mask " + std::to_string(ids[1]));
        Sprite sprite;
        sprite.place(3, 4, 1, 2);
        EXPECT_FALSE(sprite.load(window.handle(), ids[0], ids[1], 32, 32, true));
        expectAllFieldsZero(sprite);
        EXPECT_EQ(liveBefore, gdiCount::live());
    }
}

TEST(SpriteLoad, ReleaseZeroesTheFieldsAndTheSpriteCanLoadAgain) {
    HiddenWindow window(100, 100);
    const int liveBefore = gdiCount::live();
    Sprite sprite;
    // Only the low 16 bits of a resource number count.
    ASSERT_TRUE(sprite.load(window.handle(), 0x10000 + IDB_POINTER, 0x20000 + IDB_POINTER_MASK, 32,
                            32, true));
    EXPECT_EQ(OBJ_MEMDC, GetObjectType(sprite.maskDC));
    // Two DCs and two bitmaps, all counted and all returned by release.
    EXPECT_EQ(liveBefore + 4, gdiCount::live());
    sprite.place(1, 2, 0, 0);
    sprite.release();
    expectAllFieldsZero(sprite);
    EXPECT_EQ(liveBefore, gdiCount::live());
    EXPECT_TRUE(sprite.load(window.handle(), IDB_POINTER, IDB_POINTER_MASK, 32, 32, true));
    EXPECT_EQ(32, sprite.frameWidth);
    EXPECT_TRUE(sprite.masked);
}
