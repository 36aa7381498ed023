// The recorder's hook follows dialog-class windows from creation to destruction, and reads and
// answers each when it is activated: not shown yet then, its buttons' own style tells which it
// will show.
#include "box_recorder.h"

#include <algorithm>

namespace {
// The calling thread's recorder: a hook runs on the thread that opens the box.
thread_local BoxRecorder* recorder = nullptr;

bool shown(HWND control) {
    return control != nullptr && (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

BOOL CALLBACK findIcon(HWND child, LPARAM found) {
    if (shown(child) && (GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<bool*>(found) |= SendMessageA(child, STM_GETICON, 0, 0) != 0;
    }
    return TRUE;
}

LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    char kind[16] = {};
    GetClassNameA(box, kind, sizeof kind);
    if (recorder != nullptr && lstrcmpA(kind, "#32770") == 0) {
        if (code == HCBT_CREATEWND) {
            recorder->mostOpen = std::max(recorder->mostOpen, ++recorder->open);
        } else if (code == HCBT_DESTROYWND) {
            --recorder->open;
        } else if (code == HCBT_ACTIVATE) {
            SeenBox& seen =
                recorder->boxes.emplace_back(SeenBox{GetWindow(box, GW_OWNER),
                                                     windowText1251(box),
                                                     windowText1251(GetDlgItem(box, 0xFFFF)),
                                                     {},
                                                     false});
            for (int id = IDOK; id <= IDNO; ++id) {
                if (shown(GetDlgItem(box, id))) {
                    seen.buttons.push_back(id);
                }
            }
            EnumChildWindows(box, findIcon, reinterpret_cast<LPARAM>(&seen.icon));
            if (recorder->onShown) {
                recorder->onShown(SeenBox(seen));
            }
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

bool operator==(const SeenBox& a, const SeenBox& b) {
    return a.owner == b.owner && a.caption == b.caption && a.text == b.text &&
           a.buttons == b.buttons && a.icon == b.icon;
}

void PrintTo(const SeenBox& box, std::ostream* out) {
    *out << "box of " << box.owner << ", \"" << box.caption << "\": \"" << box.text
         << "\", buttons";
    for (const int id : box.buttons) {
        *out << " " << id;
    }
    *out << (box.icon ? ", an icon" : ", no icon");
}

std::string windowText1251(HWND window) {
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = GetWindowTextW(window, wide.data(), static_cast<int>(wide.size()));
    std::string text(static_cast<std::size_t>(length) * 2, '\0');
    text.resize(static_cast<std::size_t>(
        WideCharToMultiByte(1251, 0, wide.data(), length, text.data(),
                            static_cast<int>(text.size()), nullptr, nullptr)));
    return text;
}

BoxRecorder::BoxRecorder(std::function<void(const SeenBox&)> onEachShown)
    : onShown(std::move(onEachShown)),
      hook_(SetWindowsHookExA(WH_CBT, watch, nullptr, GetCurrentThreadId())) {
    recorder = this;
}

BoxRecorder::~BoxRecorder() {
    recorder = nullptr;
    UnhookWindowsHookEx(hook_);
}
