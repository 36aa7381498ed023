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
