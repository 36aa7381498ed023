// Pens and brushes that count themselves, and counted creation and deletion of the memory DCs
// and bitmaps of the frame surfaces and sprites. Every GDI object the programs create goes
// through these, so the number of live GDI objects can be read (Wine has no
// GetGuiResources); the pen and brush holders' destructors are the one place that deletes them.
#pragma once

#include <windows.h>

namespace gdiCount {
// GDI objects created through the holders and not yet deleted.
int live();
// The highest value live() has had since the last resetPeak().
int peak();
void resetPeak();

// CreateCompatibleDC, CreateCompatibleBitmap, LoadBitmapA, DeleteDC and DeleteObject of a
// bitmap, counted: a successful creation adds one, a successful deletion takes one away.
HDC createCompatibleDC(HDC reference);
HBITMAP createCompatibleBitmap(HDC reference, int width, int height);
HBITMAP loadBitmap(HINSTANCE instance, LPCSTR name);
BOOL deleteDC(HDC dc);
BOOL deleteBitmap(HBITMAP bitmap);
} // namespace gdiCount

class Pen {
public:
    Pen(int style, int width, COLORREF color);
    ~Pen();
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;
    operator HPEN() const { return handle; }

private:
    HPEN handle;
};

class SolidBrush {
public:
    explicit SolidBrush(COLORREF color);
    ~SolidBrush();
    SolidBrush(const SolidBrush&) = delete;
    SolidBrush& operator=(const SolidBrush&) = delete;
    operator HBRUSH() const { return handle; }

private:
    HBRUSH handle;
};

// Selects a pen or brush into a DC for one scope and puts the one it replaced back, so that no
// drawing leaves its own object selected (a selected pen or brush cannot be deleted). Objects of
// the same kind selected into the DC during the scope are replaced by the remembered one as well.
// A null object selects nothing and puts nothing back.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Selects the stock black pen and white brush, which a surface holds when it is new: after a
// frame, so that whatever the scene selected can be deleted.
void selectStockPenAndBrush(HDC dc);
