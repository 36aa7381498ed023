// Entry point, options dialog and main window of the five programs.
#include "app_shell.h"

#include "random.h"
#include "resource_ids.h"
#include "text_1251.h"

#include <cstdio>
#include <cstring>
#include <ctime>

int windowWidth = 800;
int windowHeight = 600;

namespace {
const char className[] = "MyMainWindow";
const char caption[] = "Game";
constexpr int minimumDimension = 200;
constexpr int dimensionChars = 9;

void showError(const char* text) { messageBox1251(nullptr, text, "Error", MB_OK); }

void readDimension(HWND dialog, int control, int& value) {
    char text[dimensionChars + 1] = {};
    GetDlgItemTextA(dialog, control, text, sizeof text);
    parseDimension(text, value);
}

void writeDimension(HWND dialog, int control, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetDlgItemTextA(dialog, control, text);
}

void askWindowSize(HINSTANCE instance) {
    HDC screen = GetDC(nullptr);
    windowWidth = GetDeviceCaps(screen, HORZRES);
    windowHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    // The template's labels are UTF-16 already; the ANSI call would turn them into the system's
    // code page for its controls, and question marks on any system not set to Russian.
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_OPTIONS), nullptr, optionsDialogProc, 0);
}
} // namespace

void parseDimension(const char* text, int& value) {
    char first[dimensionChars + 1] = {};
    for (int i = 0; i < dimensionChars && text[i] != '\0'; ++i) {
        first[i] = text[i];
    }
    int parsed = 0;
    if (std::sscanf(first, "%d", &parsed) == 1) {
        value = parsed;
    }
}

bool dimensionsAccepted(int width, int height) {
    return width >= minimumDimension && height >= minimumDimension;
}

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        writeDimension(dialog, IDC_WIDTH_EDIT, windowWidth);
        writeDimension(dialog, IDC_HEIGHT_EDIT, windowHeight);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            readDimension(dialog, IDC_WIDTH_EDIT, windowWidth);
            readDimension(dialog, IDC_HEIGHT_EDIT, windowHeight);
            EndDialog(dialog, 1);
            if (!dimensionsAccepted(windowWidth, windowHeight)) {
                showError("Cannot Create Window");
                ExitProcess(0);
            }
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            ExitProcess(0);
        }
        return FALSE;
    case WM_CLOSE:
        ExitProcess(0);
    default:
        return FALSE;
    }
}

int runProgram(HINSTANCE instance, int showCommand, EngineStyle style, WNDPROC windowProc) {
    seedRandom(static_cast<unsigned int>(std::time(nullptr)));

    const bool game = style == EngineStyle::Game;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = game ? CS_CLASSDC : (CS_HREDRAW | CS_VREDRAW);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512)); // IDI_APPLICATION
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszClassName = className;
    if (RegisterClassExA(&windowClass) == 0) {
        showError("Cannot Register class");
        return 0;
    }

    HWND window = nullptr;
    if (game) {
        askWindowSize(instance);
        window = CreateWindowExA(0, className, caption,
                                 WS_POPUP | WS_MAXIMIZE | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0,
                                 windowWidth, windowHeight, nullptr, nullptr, instance, nullptr);
    } else {
        window = CreateWindowExA(0, className, caption, WS_OVERLAPPEDWINDOW, 50, 50, 800, 600,
                                 nullptr, nullptr, instance, nullptr);
    }
    if (window == nullptr) {
        showError("Cannot Register Window: ");
        return 0;
    }
    ShowWindow(window, showCommand);

    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
