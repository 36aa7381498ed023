// Pens and brushes that count themselves. Every pen and brush a scene creates goes through
// these holders, so the number of live GDI objects can be read (Wine has no GetGuiResources)
// and the holder's destructor is the one place that deletes the object.
#pragma once

#include <windows.h>

namespace gdiCount {
// GDI objects created through the holders and not yet deleted.
int live();
// The highest value live() has had since the last resetPeak().
int peak();
void resetPeak();
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
