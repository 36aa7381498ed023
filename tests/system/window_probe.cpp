// window_probe: what the system test scripts need to know about a program's windows that a
// screenshot cannot tell them reliably, asked of Windows itself rather than assumed from one
// Wine version's window frame or default font.
//
//     window_probe window X Y W H   the top-level window whose rectangle on the screen is
//                                   (X, Y) W x H, as X reports it: prints "client X Y W H" for
//                                   its client area and "control ID X Y W H" for each child
//                                   control, all relative to the window's top-left corner
//     window_probe text STRING      STRING written at (0, 0) in the default font and colours
//                                   (black on an opaque white ground), as the programs write
//                                   their status line and texts: prints the text's box as a
//                                   plain-text PPM picture
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Wanted {
    RECT rect;
    HWND found;
};

BOOL CALLBACK matchRect(HWND window, LPARAM parameter) {
    auto* wanted = reinterpret_cast<Wanted*>(parameter);
    RECT rect{};
    if (IsWindowVisible(window) && GetWindowRect(window, &rect) &&
        EqualRect(&rect, &wanted->rect)) {
        wanted->found = window;
        return FALSE;
    }
    return TRUE;
}

struct Origin {
    POINT corner;
};

BOOL CALLBACK printControl(HWND control, LPARAM parameter) {
    const POINT corner = reinterpret_cast<Origin*>(parameter)->corner;
    RECT rect{};
    GetWindowRect(control, &rect);
    std::printf("control %d %ld %ld %ld %ld\n", GetDlgCtrlID(control), rect.left - corner.x,
                rect.top - corner.y, rect.right - rect.left, rect.bottom - rect.top);
    return TRUE;
}

int describeWindow(int x, int y, int width, int height) {
    Wanted wanted{{x, y, x + width, y + height}, nullptr};
    EnumWindows(matchRect, reinterpret_cast<LPARAM>(&wanted));
    if (wanted.found == nullptr) {
        std::fprintf(stderr, "no visible window at %d,%d %dx%d\n", x, y, width, height);
        return 1;
    }
    RECT client{};
    GetClientRect(wanted.found, &client);
    POINT clientCorner{0, 0};
    ClientToScreen(wanted.found, &clientCorner);
    Origin origin{{x, y}};
    std::printf("client %ld %ld %ld %ld\n", clientCorner.x - x, clientCorner.y - y, client.right,
                client.bottom);
    EnumChildWindows(wanted.found, printControl, reinterpret_cast<LPARAM>(&origin));
    return 0;
}

// Prints the picture of dc's box (0, 0) w x h as a plain-text PPM.
void printPicture(HDC dc, int width, int height) {
    std::printf("P3\n%d %d\n255\n", width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = GetPixel(dc, x, y);
            std::printf("%d %d %d\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
        }
    }
}

// The text written at (0, 0) in the default font and colours: black on an opaque white ground.
int describeText(const char* text) {
    const int length = static_cast<int>(std::strlen(text));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    SIZE box{};
    GetTextExtentPoint32A(memory, text, length, &box);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, box.cx, box.cy);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    TextOutA(memory, 0, 0, text, length);
    printPicture(memory, box.cx, box.cy);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::strcmp(argv[1], "window") == 0) {
        return describeWindow(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                              std::atoi(argv[5]));
    }
    if (argc == 3 && std::strcmp(argv[1], "text") == 0) {
        return describeText(argv[2]);
    }
    std::fprintf(stderr, "usage: window_probe window X Y W H | window_probe text STRING\n");
    return 2;
}
