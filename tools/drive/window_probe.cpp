// window_probe: what the scripts that drive the programs' windows ask Windows itself instead of
// assuming one Wine version's window frame or default font.
//   window_probe window X Y W H   of the visible top-level window whose screen rectangle is
//                                 (X, Y) W x H, as X reports it: "client X Y W H" and one
//                                 "control ID X Y W H" per child, relative to its corner,
//                                 followed by "text ID TEXT", the child's text in UTF-8
//                                 with \n, \r and \\ escaped
//   window_probe text STRING      STRING written at (0, 0) in the default font and colours, as
//                                 the programs write their texts: its box as a plain PPM
//   window_probe foreground       the title of the window that gets the keyboard now, as
//                                 "foreground TITLE" (empty when none), and the id of the
//                                 control in it that has the focus, as "focus ID"
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
RECT wanted{};
HWND found = nullptr;

BOOL CALLBACK matchRect(HWND window, LPARAM) {
    RECT rect{};
    if (IsWindowVisible(window) && GetWindowRect(window, &rect) && EqualRect(&rect, &wanted)) {
        found = window;
    }
    return found == nullptr;
}

BOOL CALLBACK printControl(HWND control, LPARAM) {
    RECT r{};
    GetWindowRect(control, &r);
    std::printf("control %d %ld %ld %ld %ld\n", GetDlgCtrlID(control), r.left - wanted.left,
                r.top - wanted.top, r.right - r.left, r.bottom - r.top);
    // The characters the control shows, whatever the code page of the program that set them.
    wchar_t text[2048] = {};
    GetWindowTextW(control, text, 2048);
    char utf8[3 * 2048] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("text %d ", GetDlgCtrlID(control));
    for (const char* c = utf8; *c != '\0'; ++c) {
        if (*c == '\n' || *c == '\r' || *c == '\\') {
            std::printf("\\%c", *c == '\n' ? 'n' : *c == '\r' ? 'r' : '\\');
        } else {
            std::putchar(*c);
        }
    }
    std::putchar('\n');
    return TRUE;
}

int describeText(const char* text) {
    const int length = static_cast<int>(std::strlen(text));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    SIZE box{};
    GetTextExtentPoint32A(dc, text, length, &box);
    HGDIOBJ previous = SelectObject(dc, CreateCompatibleBitmap(screen, box.cx, box.cy));
    TextOutA(dc, 0, 0, text, length);
    std::printf("P3\n%ld %ld\n255\n", box.cx, box.cy);
    for (int y = 0; y < box.cy; ++y) {
        for (int x = 0; x < box.cx; ++x) {
            const COLORREF colour = GetPixel(dc, x, y);
            std::printf("%d %d %d\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
        }
    }
    DeleteObject(SelectObject(dc, previous));
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "text") == 0) {
        return describeText(argv[2]);
    }
    if (argc == 2 && std::strcmp(argv[1], "foreground") == 0) {
        char title[256] = {};
        const HWND foreground = GetForegroundWindow();
        if (foreground != nullptr) {
            GetWindowTextA(foreground, title, sizeof title);
        }
        GUITHREADINFO input{};
        input.cbSize = sizeof input;
        GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &input);
        std::printf("foreground %s\nfocus %d\n", title,
                    input.hwndFocus != nullptr ? GetDlgCtrlID(input.hwndFocus) : 0);
        return 0;
    }
    if (argc != 6 || std::strcmp(argv[1], "window") != 0) {
        std::fprintf(stderr, "usage: window_probe window X Y W H | text STRING | foreground\n");
        return 2;
    }
    const int x = std::atoi(argv[2]);
    const int y = std::atoi(argv[3]);
    wanted = {x, y, x + std::atoi(argv[4]), y + std::atoi(argv[5])};
    EnumWindows(matchRect, 0);
    if (found == nullptr) {
        std::fprintf(stderr, "no visible window at %d,%d\n", x, y);
        return 1;
    }
    RECT client{};
    GetClientRect(found, &client);
    POINT corner{0, 0};
    ClientToScreen(found, &corner);
    std::printf("client %ld %ld %ld %ld\n", corner.x - x, corner.y - y, client.right,
                client.bottom);
    EnumChildWindows(found, printControl, 0);
    return 0;
}
