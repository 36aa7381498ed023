// The options dialog of the shooter programs: what its fields show and how entries are read.
#include "app_shell.h"
#include "resource_ids.h"
#include "test_window.h"

#include <gtest/gtest.h>

#include <string>

namespace {
int parsed(const char* text, int previous) {
    int value = previous;
    parseDimension(text, value);
    return value;
}

std::string controlText(HWND dialog, int id) {
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}
} // namespace

// An entry is read as a decimal number from its first nine characters; text that does not
// parse keeps the previous value.
TEST(OptionsDialogEntries, AreReadAsDecimalNumbersFromTheirFirstNineCharacters) {
    struct Case {
        const char* text;
        int previous;
        int read;
    };
    for (const Case& c :
         {Case{"200", 1920, 200}, Case{" 720", 1920, 720}, Case{"-5", 1920, -5},
          Case{"1e3", 1920, 1}, Case{"abc", 1920, 1920}, Case{"", 1080, 1080},
          Case{"-", 1080, 1080}, Case{"   ", 1080, 1080}, Case{"1234567890123", 0, 123456789},
          Case{"999999999999", 0, 999999999}, Case{"12345678x9", 0, 12345678}}) {
        EXPECT_EQ(c.read, parsed(c.text, c.previous)) << "\"" << c.text << "\"";
    }
}

TEST(OptionsDialogEntries, SizesBelow200AreRejected) {
    EXPECT_TRUE(dimensionsAccepted(200, 200));
    EXPECT_FALSE(dimensionsAccepted(199, 200));
    EXPECT_FALSE(dimensionsAccepted(200, 199));
    EXPECT_FALSE(dimensionsAccepted(-5, 1080));
    EXPECT_TRUE(dimensionsAccepted(999999999, 999999999));
}

TEST(OptionsDialogWindow, ShowsTheCurrentSizeInItsFieldsBesideRussianLabels) {
    windowWidth = 1920;
    windowHeight = 1080;
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS),
                                     nullptr, optionsDialogProc, 0);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("1920", controlText(dialog, IDC_WIDTH_EDIT));
    EXPECT_EQ("1080", controlText(dialog, IDC_HEIGHT_EDIT));
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ("Option Window", caption);
    EXPECT_EQ("OK", controlText(dialog, IDOK));
    EXPECT_EQ("Cancel", controlText(dialog, IDCANCEL));
    EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(dialog, IDC_WIDTH_EDIT), GWL_STYLE) & ES_AUTOHSCROLL);
    std::string labels;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char text[64] = {};
        GetWindowTextA(child, text, sizeof text);
        labels += std::string(text) + "|";
    }
    EXPECT_NE(std::string::npos, labels.find("Высота окна:"));
    EXPECT_NE(std::string::npos, labels.find("Ширина окна:"));
    DestroyWindow(dialog);
    pumpMessages();
}
