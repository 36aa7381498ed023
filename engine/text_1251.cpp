// Windows-1251 texts converted to UTF-16 and shown through the wide calls.
#include "text_1251.h"

namespace {
constexpr UINT cyrillicCodePage = 1251;
} // namespace

std::wstring widen1251(const char* text) {
    // The ANSI calls would decode the bytes in the system's code page: on any system not set to
    // Russian the letters came out as other letters or question marks.
    const int length = MultiByteToWideChar(cyrillicCodePage, 0, text, -1, nullptr, 0);
    if (length <= 1) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(cyrillicCodePage, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1)); // without the terminating null
    return wide;
}

BOOL drawText1251(HDC dc, int x, int y, const char* text) {
    const std::wstring wide = widen1251(text);
    return TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

int WINAPI messageBox1251(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    return MessageBoxW(owner, widen1251(text).c_str(), widen1251(caption).c_str(), type);
}
