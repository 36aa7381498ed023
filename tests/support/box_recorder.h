// Message boxes as the tests meet them: each box opened on the thread that records is read and
// answered with OK at once, so that a test sees what a user would read and never waits for one.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

struct SeenBox {
    HWND owner;
    std::string caption; // caption and text in Windows-1251, as the programs write them
    std::string text;
    std::vector<int> buttons; // of IDOK..IDNO, the ids of those it shows
    bool icon;
};
bool operator==(const SeenBox& a, const SeenBox& b);
void PrintTo(const SeenBox& box, std::ostream* out);

// The text of a window or control, in Windows-1251 whatever the system's code page.
std::string windowText1251(HWND window);

// Records the boxes of the thread that makes it, for its life; onShown, if given, runs as each
// box is recorded, before it is answered. Each thread records into its own recorder.
class BoxRecorder {
public:
    explicit BoxRecorder(std::function<void(const SeenBox&)> onShown = {});
    ~BoxRecorder();

    std::vector<SeenBox> boxes;
    int open = 0;
    int mostOpen = 0; // boxes open at once
    const std::function<void(const SeenBox&)> onShown;

private:
    HHOOK hook_;
};
