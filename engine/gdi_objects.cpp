// Counted pen and brush holders.
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

void destroy(HGDIOBJ object) {
    if (object != nullptr && DeleteObject(object)) {
        liveObjects.fetch_sub(1);
    }
}
} // namespace

namespace gdiCount {
int live() { return liveObjects.load(); }
int peak() { return peakObjects.load(); }
void resetPeak() { peakObjects.store(liveObjects.load()); }
} // namespace gdiCount

Pen::Pen(int style, int width, COLORREF color) : handle(CreatePen(style, width, color)) {
    created(handle);
}

Pen::~Pen() { destroy(handle); }

SolidBrush::SolidBrush(COLORREF color) : handle(CreateSolidBrush(color)) { created(handle); }

SolidBrush::~SolidBrush() { destroy(handle); }
