// Message boxes as the tests meet them: every box opened on a hooked thread is recorded and
// answered with OK at once, so that a test reads what a user would and never waits for one.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

struct SeenBox {
    HWND owner = nullptr;
    std::string caption; // caption and text in Windows-1251, as the programs write them
    std::string text;
    std::vector<int> buttons; // of IDOK..IDNO, the ids of those it shows
    bool icon = false;
    DWORD thread = 0;
};
bool operator==(const SeenBox& a, const SeenBox& b);
void PrintTo(const SeenBox& box, std::ostream* out);

// The text of a window or control, in Windows-1251 whatever the system's code page.
std::string windowText1251(HWND window);

// Records the boxes of the thread that makes it, and of threads that call hookThisThread, for
// its life; one recorder at a time.
class BoxRecorder {
public:
    // onShown runs on the box's own thread before the box is answered.
    explicit BoxRecorder(std::function<void(const SeenBox&)> onShown = {});
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    using ThreadHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, BOOL(WINAPI*)(HHOOK)>;
    static ThreadHook hookThisThread();

    std::vector<SeenBox> boxes() const {
        const std::lock_guard<std::mutex> lock(guard_);
        return boxes_;
    }
    int mostOpenAtOnce() const {
        const std::lock_guard<std::mutex> lock(guard_);
        return mostOpen_;
    }

private:
    static LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam);

    std::function<void(const SeenBox&)> onShown_;
    // Every hooked thread records: the guard is never held while onShown or a box runs.
    mutable std::mutex guard_;
    std::vector<SeenBox> boxes_;
    int open_ = 0;
    int mostOpen_ = 0;
    ThreadHook ownThread_;
};
