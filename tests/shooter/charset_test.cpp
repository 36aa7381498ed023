// The programs' Russian texts are single-byte Windows-1251 strings.
#include "display/end_message.h"
#include "game/help_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

TEST(RussianTexts, AreStoredAsWindows1251Bytes) {
    // "нажмите ESC": one byte per letter, н is 0xED and е 0xE5 in Windows-1251.
    const unsigned char helpStart[] = {0xED, 0xE0, 0xE6, 0xEC, 0xE8, 0xF2,
                                       0xE5, ' ',  'E',  'S',  'C'};
    EXPECT_EQ(0, std::memcmp(helpStart, helpText, sizeof helpStart));
    // "вы проеграли"
    const unsigned char loseStart[] = {0xE2, 0xFB, ' ',  0xEF, 0xF0, 0xEE,
                                       0xE5, 0xE3, 0xF0, 0xE0, 0xEB, 0xE8};
    EXPECT_EQ(0, std::memcmp(loseStart, loseText, sizeof loseStart));
    EXPECT_EQ(49u, std::strlen(loseText));
}
