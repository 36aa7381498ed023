// The options dialog of the shooter programs: what its fields show and how entries are read.
#include "app_shell.h"
#include "resource_ids.h"
#include "hidden_window.h"

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

TEST(OptionsDialogEntries, AreReadAsDecimalNumbers) {
    EXPECT_EQ(200, parsed("200", 1920));
    EXPECT_EQ(720, parsed(" 720", 1920));
    EXPECT_EQ(-5, parsed("-5", 1920));
    EXPECT_EQ(1, parsed("1e3", 1920));
}

TEST(OptionsDialogEntries, TextThatDoesNotParseKeepsThePreviousValue) {
    EXPECT_EQ(1920, parsed("abc", 1920));
    EXPECT_EQ(1080, parsed("", 1080));
    EXPECT_EQ(1080, parsed("-", 1080));
    EXPECT_EQ(1080, parsed("   ", 1080));
}

TEST(OptionsDialogEntries, OnlyTheFirstNineCharactersCount) {
    EXPECT_EQ(123456789, parsed("1234567890123", 0));
    EXPECT_EQ(999999999, parsed("999999999999", 0));
    EXPECT_EQ(12345678, parsed("12345678x9", 0));
}

TEST(OptionsDialogEntries, SizesBelow200AreRejected) {
    EXPECT_TRUE(dimensionsAccepted(200, 200));
    EXPECT_FALSE(dimensionsAccepted(199, 200));
    EXPECT_FALSE(dimensionsAccepted(200, 199));
    EXPECT_FALSE(dimensionsAccepted(-5, 1080));
    EXPECT_TRUE(dimensionsAccepted(999999999, 999999999));
}

TEST(OptionsDialogWindow, ShowsTheCurrentSizeInItsFields) {
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
    DestroyWindow(dialog);
    pumpMessages();
}

TEST(OptionsDialogWindow, LabelsAreRussian) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS),
                                     nullptr, optionsDialogProc, 0);
    ASSERT_NE(nullptr, dialog);
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
