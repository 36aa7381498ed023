// Counted pen and brush holders, DCs and bitmaps.
#include "gdi_objects.h"

#include <atomic>

namespace {
// Objects are created on the window thread (scene build, input) and on the render thread
// (frames); atomics keep the census exact across both.
std::atomic<int> liveObjects{0};
std::atomic<int> peakObjects{0};

void created(HGDIOBJ object) {
    if (object == nullptr) {
        return;
    }
    const int now = liveObjects.fetch_add(1) + 1;
    int seen = peakObjects.load();
    while (now > seen && !peakObjects.compare_exchange_weak(seen, now)) {
    }
}

BOOL deleted(BOOL success) {
    if (success) {
        liveObjects.fetch_sub(1);
    }
    return success;
}

void destroy(HGDIOBJ object) {
    if (object != nullptr) {
        deleted(DeleteObject(object));
    }
}
} // namespace

namespace gdiCount {
int live() {
    return liveObjects.load();
}
int peak() {
    return peakObjects.load();
}
void resetPeak() {
    peakObjects.store(liveObjects.load());
}

HDC createCompatibleDC(HDC reference) {
    const HDC dc = CreateCompatibleDC(reference);
    created(dc);
    return dc;
}

HBITMAP createCompatibleBitmap(HDC reference, int width, int height) {
    const HBITMAP bitmap = CreateCompatibleBitmap(reference, width, height);
    created(bitmap);
    return bitmap;
}

HBITMAP loadBitmap(HINSTANCE instance, LPCSTR name) {
    const HBITMAP bitmap = LoadBitmapA(instance, name);
    created(bitmap);
    return bitmap;
}

BOOL deleteDC(HDC dc) {
    return deleted(DeleteDC(dc));
}

BOOL deleteBitmap(HBITMAP bitmap) {
    return deleted(DeleteObject(bitmap));
}
} // namespace gdiCount

Pen::Pen(int style, int width, COLORREF color) : handle(CreatePen(style, width, color)) {
    created(handle);
}

Pen::~Pen() {
    destroy(handle);
}

SolidBrush::SolidBrush(COLORREF color) : handle(CreateSolidBrush(color)) {
    created(handle);
}

SolidBrush::~SolidBrush() {
    destroy(handle);
}

void selectStockPenAndBrush(HDC dc) {
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
}
