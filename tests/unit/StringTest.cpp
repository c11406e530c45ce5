#include "framework/String.h"

#include <gtest/gtest.h>

TEST(CString, CutsAndSearchesByByteOffsets) {
    CString s("house:casa|locuinta");
    EXPECT_EQ(5, s.Find(':'));
    EXPECT_EQ(10, s.Find('|', 6));
    EXPECT_EQ(-1, s.Find('|', 11));
    EXPECT_EQ(-1, s.Find('x', 100));
    EXPECT_EQ(6, s.Find("casa"));
    EXPECT_EQ(10, s.ReverseFind('|'));
    EXPECT_EQ(CString("house"), s.Left(5));
    EXPECT_EQ(CString("casa|locuinta"), s.Mid(6));
    EXPECT_EQ(CString("casa"), s.Mid(6, 4));
    EXPECT_EQ(CString("inta"), s.Right(4));
    // Out-of-range arguments are clamped, never fatal.
    EXPECT_EQ(CString(""), s.Mid(100));
    EXPECT_EQ(s, s.Left(1000));
    EXPECT_EQ(CString(""), s.Left(-3));
    EXPECT_EQ(s, s.Mid(-2));
}

TEST(CString, ReplacesTrimsAndFormats) {
    CString s("casa, locuinta,,x");
    EXPECT_EQ(3, s.Replace(',', '|'));
    EXPECT_EQ(CString("casa| locuinta||x"), s);
    CString t("a--b--");
    EXPECT_EQ(2, t.Replace("--", "="));
    EXPECT_EQ(CString("a=b="), t);
    EXPECT_EQ(0, t.Replace("", "x"));

    CString u(" \t word \r\n");
    u.Trim();
    EXPECT_EQ(CString("word"), u);
    CString v("xxwordxx");
    v.TrimLeft('x');
    EXPECT_EQ(CString("wordxx"), v);
    v.TrimRight('x');
    EXPECT_EQ(CString("word"), v);
    CString blanks("   ");
    blanks.TrimRight();
    EXPECT_TRUE(blanks.IsEmpty());

    CString f;
    f.Format("%d-%02d-%s", 2026, 7, "x");
    EXPECT_EQ(CString("2026-07-x"), f);
    // A text far longer than any first guess of the buffer.
    f.Format("%s|%s", std::string(5000, 'a').c_str(), "end");
    EXPECT_EQ(5004, f.GetLength());
    EXPECT_EQ(CString("end"), f.Right(3));
}

TEST(CString, KeepsEmbeddedNulBytesAndHighCharacters) {
    const char bytes[] = {'a', '\0', 'b', '\xE3', '\xBA'};
    CString s(bytes, 5);
    EXPECT_EQ(5, s.GetLength());
    EXPECT_EQ(std::string(bytes, 5), s.Str());
    EXPECT_NE(s, CString("a"));  // the whole bytes count for equality
    CString copy = s;
    copy += CString("\xAA");
    EXPECT_EQ(6, copy.GetLength());
    EXPECT_EQ('\xE3', copy[3]);
}

TEST(CString, BufferAccessTakesTheWrittenLength) {
    CString s("old");
    char* p = s.GetBuffer(10);
    strcpy(p, "fresh");
    s.ReleaseBuffer();
    EXPECT_EQ(CString("fresh"), s);
    p = s.GetBuffer(2);  // never shrinks the text
    EXPECT_EQ(5u, strlen(p));
    s.ReleaseBuffer(3);
    EXPECT_EQ(CString("fre"), s);
}

TEST(CString, ComparesCaseSensitivelyOrNot) {
    EXPECT_NE(0, CString("House").Compare("house"));
    EXPECT_EQ(0, CString("House").CompareNoCase("house"));
    EXPECT_LT(CString("apple").Compare("banana"), 0);
    EXPECT_GT(CString("\xE2").Compare("z"), 0);  // bytes compare unsigned
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_TRUE("y" != CString("x"));
}

TEST(CString, LoadsMissingResourceAsEmpty) {
    CString s("keep?");
    EXPECT_FALSE(s.LoadString(54321));
    EXPECT_TRUE(s.IsEmpty());
}
