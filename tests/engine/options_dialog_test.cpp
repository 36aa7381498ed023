// The options dialog of the shooter programs: what its fields show and how entries are read.
#include "app_shell.h"
#include "box_recorder.h"
#include "resource_ids.h"
#include "hidden_window.h"

#include <gtest/gtest.h>

#include <utility>

// An entry, the value before it, and the value read: a decimal number, the previous value when
// the text does not parse, and only the first nine characters.
TEST(OptionsDialogEntries, AreReadAsDecimalsFromTheFirstNineCharactersOrKeepThePreviousValue) {
    const struct {
        const char* text;
        int previous;
        int read;
    } entries[] = {{"200", 1920, 200},
                   {" 720", 1920, 720},
                   {"-5", 1920, -5},
                   {"1e3", 1920, 1},
                   {"abc", 1920, 1920},
                   {"", 1080, 1080},
                   {"-", 1080, 1080},
                   {"   ", 1080, 1080},
                   {"1234567890123", 0, 123456789},
                   {"999999999999", 0, 999999999},
                   {"12345678x9", 0, 12345678}};
    for (const auto& entry : entries) {
        int value = entry.previous;
        parseDimension(entry.text, value);
        EXPECT_EQ(entry.read, value) << '"' << entry.text << '"';
    }
}

TEST(OptionsDialogEntries, SizesBelow200AreRejected) {
    EXPECT_TRUE(dimensionsAccepted(200, 200));
    EXPECT_FALSE(dimensionsAccepted(199, 200));
    EXPECT_FALSE(dimensionsAccepted(200, 199));
    EXPECT_FALSE(dimensionsAccepted(-5, 1080));
    EXPECT_TRUE(dimensionsAccepted(999999999, 999999999));
}

TEST(OptionsDialogWindow, ShowsTheCurrentSizeInItsFieldsAndItsButtons) {
    windowWidth = 1920;
    windowHeight = 1080;
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS),
                                     nullptr, optionsDialogProc, 0);
    ASSERT_NE(nullptr, dialog);
    const std::pair<int, const char*> texts[] = {{0, "Option Window"},
                                                 {IDC_WIDTH_EDIT, "1920"},
                                                 {IDC_HEIGHT_EDIT, "1080"},
                                                 {IDOK, "OK"},
                                                 {IDCANCEL, "Cancel"}};
    for (const auto& [id, text] : texts) {
        EXPECT_EQ(text, windowText1251(id == 0 ? dialog : GetDlgItem(dialog, id))) << id;
    }
    EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(dialog, IDC_WIDTH_EDIT), GWL_STYLE) & ES_AUTOHSCROLL);
    // The Russian labels, as the program's own dialog shows them, are read back by
    // system.shooter_texts under a Russian and an English locale.
    DestroyWindow(dialog);
    pumpMessages();
}
