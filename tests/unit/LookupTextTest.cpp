#include "dictionary/LookupText.h"
#include "dictionary/TextFold.h"

#include <gtest/gtest.h>

using namespace dictionary;

namespace {

// Text as other programs copy it, in Windows-1250 (\xE3 ă, \x84 and
// \x94 the low and high quotes, \xA0 a no-break space).
TEST(LookupText, FirstWordOrShortPhraseWithoutWhatSurroundsIt) {
    struct {
        const char* text;
        const char* expected;
    } const kCases[] = {
        {"house", "house"},
        {"  house,\r\n", "house"},
        {"\x84m\xE3r\x94.", "m\xE3r"},
        {"(well-known)", "well-known"},
        {"o'clock!", "o'clock"},
        {"'quoted'", "quoted"},
        {"ice\t \xA0tea", "ice tea"},  // a short phrase, one blank between
        {"a piece of cake", "a"},      // four words: the first
        {"extraordinarily-long compound-word", "extraordinarily-long compound-word"},
        {"incomprehensibilities-notwithstanding here now", "incomprehensibilities-notwithstanding"},
        {"first line\r\nsecond line", "first line"},
        {"bank: mal", "bank: mal"},  // inner punctuation is the user's
        {"... ,;", ""},
        {"", ""},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.expected, TrimToLookupText(c.text)) << '"' << c.text << '"';
}

}  // namespace
