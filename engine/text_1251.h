// The programs' texts are Windows-1251 bytes; these show them through Windows' wide calls, so
// that they read as written whatever the system's own code page for non-Unicode programs is.
// Every text the programs draw or put in a box passes through here.
#pragma once

#include <windows.h>

#include <string>

// The text's characters, each byte read as Windows-1251.
std::wstring widen1251(const char* text);

// Writes a Windows-1251 text at (x, y) with the DC's font and colours, as TextOutA would on a
// system whose code page is 1251.
BOOL drawText1251(HDC dc, int x, int y, const char* text);

// A message box whose text and caption are Windows-1251. Of MessageBoxA's type, so that it can
// stand wherever a function of that type is called.
int WINAPI messageBox1251(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
