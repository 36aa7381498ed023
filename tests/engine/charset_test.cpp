// The Russian texts reach Windows as single-byte Windows-1251 strings.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

namespace {
const char russianTimerText[] = "таймер не создан";
}

TEST(RussianTexts, AreStoredAsWindows1251Bytes) {
    // "т" is 0xF2 and "а" 0xE0 in Windows-1251; one byte per letter, blank stays 0x20.
    const unsigned char expected[] = {0xF2, 0xE0, 0xE9, 0xEC, 0xE5, 0xF0, 0x20, 0xED,
                                      0xE5, 0x20, 0xF1, 0xEE, 0xE7, 0xE4, 0xE0, 0xED};
    ASSERT_EQ(sizeof expected, std::strlen(russianTimerText));
    EXPECT_EQ(0, std::memcmp(expected, russianTimerText, sizeof expected));
}

TEST(RussianTexts, DecodeAsCyrillicUnderTheAnsiCodePage) {
    ASSERT_EQ(1251u, GetACP()) << "run the tests under the ru_RU.UTF-8 locale";
    wchar_t wide[32] = {};
    const int length = MultiByteToWideChar(CP_ACP, 0, russianTimerText, -1, wide, 32);
    EXPECT_EQ(17, length);
    EXPECT_EQ(0x0442, wide[0]); // т
    EXPECT_EQ(0x043D, wide[7]); // н
}
