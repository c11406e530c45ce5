#include "framework/CodePage.h"
#include "framework/String.h"
#include "framework/WideText.h"

#include <gtest/gtest.h>

#include <string>

TEST(CodePage, ConvertsBetweenWindows1250AndUnicodeWithCommaBelowAsCedilla) {
    // Every byte but NUL comes back as it went, through UTF-16 and UTF-8.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(codepage::FromUtf16(codepage::ToUtf16(all), back));
    EXPECT_EQ(all, back);
    ASSERT_TRUE(codepage::FromUtf8(codepage::ToUtf8(all), back));
    EXPECT_EQ(all, back);
    EXPECT_EQ(std::u16string(u"\u0103\u00E2\u00EE\u015F\u0163\u0102\u00C2\u00CE\u015E\u0162"),
              codepage::ToUtf16("\xE3\xE2\xEE\xBA\xFE\xC3\xC2\xCE\xAA\xDE"));

    const struct {
        std::u16string text;
        std::string bytes;      // what is stored
        char32_t chUnstorable;  // 0: all of it is stored
    } cases[] = {
        {u"\u0219tiin\u021B\u0103", "\xBAtiin\xFE\xE3", 0},  // comma below
        {u"\u015Ftiin\u0163\u0103", "\xBAtiin\xFE\xE3", 0},  // cedilla
        {u"\u0218\u021A", "\xAA\xDE", 0},
        {u"ab\u0436c", "ab", 0x0436},  // Cyrillic: the text before it
        {u"\u03B1", "", 0x03B1},
        {u"x\U0001F600", "x", 0x1F600},  // a pair of surrogates is one character
        {u"\u20AC", "\x80", 0},
    };
    for (const auto& c : cases) {
        std::string out;
        char32_t ch = 0;
        EXPECT_EQ(c.chUnstorable == 0, codepage::FromUtf16(c.text, out, &ch));
        EXPECT_EQ(c.bytes, out);
        EXPECT_EQ(c.chUnstorable, ch);  // untouched when all is stored
    }
    // The same for UTF-8 from files of elsewhere.
    std::string out;
    char32_t ch = 0;
    EXPECT_TRUE(codepage::FromUtf8("\xC8\x99ir", out));  // comma below
    EXPECT_EQ("\xBAir", out);
    EXPECT_FALSE(codepage::FromUtf8("\xD0\xB6", out, &ch));
    EXPECT_EQ(0x0436u, static_cast<unsigned>(ch));
    EXPECT_TRUE(codepage::IsValidUtf8("\xC8\x99"));
    EXPECT_FALSE(codepage::IsValidUtf8("\xBA"));
}

TEST(CodePage, NamesCharactersAndSetsDiacriticsAside) {
    EXPECT_EQ("\xD0\x96 (U+0416)", codepage::DescribeCharacter(0x0416));
    EXPECT_EQ("(U+0007)", codepage::DescribeCharacter(7));
    const std::string romanian = "AaZ\xE3\xE2\xEE\xBA\xFE\xC3\xC2\xCE\xAA\xDE\xE4";
    std::string plain;
    for (char c : romanian)
        plain += static_cast<char>(codepage::PlainLetter(static_cast<unsigned char>(c)));
    EXPECT_EQ("aazaaistaaist\xE4", plain);
}

TEST(CodePage, WindowTextAndLetterCaseDoNotDependOnTheAnsiCodePage) {
    EXPECT_EQ(std::wstring(L"\u0163in\u0103"), WideText("\xFEin\xE3"));
    EXPECT_EQ(std::wstring(L"a"), WideText(CString("a\0b", 3)));  // a C string ends at NUL
    CString out;
    char32_t ch = 0;
    EXPECT_TRUE(NarrowText(L"\u021Bin\u0103", out));
    EXPECT_EQ(CString("\xFEin\xE3"), out);
    EXPECT_FALSE(NarrowText(L"\u0436\u0443\u043A", out, &ch));
    EXPECT_EQ(0x0436u, static_cast<unsigned>(ch));
    EXPECT_EQ(CString("a?b?"), NarrowTextForDisplay(L"a\u0436b\U0001F600"));

    CString upper("xyz\xE3\xE2\xEE\xBA\xFE");
    upper.MakeUpper();
    EXPECT_EQ(CString("XYZ\xC3\xC2\xCE\xAA\xDE"), upper);
    upper.MakeLower();
    EXPECT_EQ(CString("xyz\xE3\xE2\xEE\xBA\xFE"), upper);
    EXPECT_EQ(0, CString("\xAAIR").CompareNoCase("\xBAir"));
    EXPECT_EQ(0, CString("House").CompareNoCase("house"));
    EXPECT_NE(0, CString("House").Compare("house"));
    EXPECT_GT(CString("\xE2").Compare("z"), 0);  // bytes compare unsigned
    EXPECT_EQ(0, CString("\xDEIN\xC3").CollateNoCase("\xFEin\xE3"));
}
