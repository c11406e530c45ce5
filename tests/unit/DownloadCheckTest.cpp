#include "dictionary/DownloadCheck.h"

#include <gtest/gtest.h>

// Every real dictionary passes; the pages networks answer with do not.
TEST(DownloadCheck, RealDictionariesPassAndPagesDoNot) {
    const struct {
        const char* line;
        bool bDictionary;
    } lines[] = {
        {"house:cas\xE3|locuin\xFE\xE3", true},
        {"a lot:mult", true},
        {"Apple:companie", true},
        {"bank:", true},
        {"", true},
        {"   \t", true},
        {"once upon a time: odat\xE3 ca niciodat\xE3 | demult", true},
        {"less than:mai mic dec\xE2t (<)", true},
        {"note: you must accept the terms", true},  // only its company tells it
        {"<a href=\"http://login.example/\">Log in</a>", false},
        {"</body></html>", false},
        {"Please log in", false},
        {":no head word", false},
        {"  :blank head word", false},
    };
    for (const auto& l : lines)
        EXPECT_EQ(l.bDictionary, dictionary::IsDictionaryLine(l.line)) << l.line;

    EXPECT_TRUE(dictionary::IsPageContentType("text/html; charset=utf-8"));
    EXPECT_TRUE(dictionary::IsPageContentType("application/xhtml+xml"));
    EXPECT_TRUE(dictionary::IsPageContentType("TEXT/XML"));
    EXPECT_FALSE(dictionary::IsPageContentType("text/plain"));
    EXPECT_FALSE(dictionary::IsPageContentType("application/octet-stream"));
    EXPECT_FALSE(dictionary::IsPageContentType(""));

    EXPECT_TRUE(dictionary::StartsLikeMarkup("\xEF\xBB\xBF\r\n  <!DOCTYPE html>"));
    EXPECT_TRUE(dictionary::StartsLikeMarkup("<?xml version=\"1.0\"?>"));
    EXPECT_FALSE(dictionary::StartsLikeMarkup("house:casa\r\n<b>"));
    EXPECT_FALSE(dictionary::StartsLikeMarkup(""));
}
