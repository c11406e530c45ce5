#include "RandomDictionary.h"

#include "dictionary/LoadedLines.h"
#include "dictionary/TextFold.h"
#include "dictionary/WordListIndex.h"
#include "dictionary/WordMatch.h"
#include "framework/CodePage.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

using dictionary::LoadedLines;
using dictionary::WordListIndex;

namespace {

// Windows-1250 text as the word box's rule sees it, worked out through the
// system's Unicode case mapping: capitals, and with bPlain the Romanian
// diacritics set aside.
std::wstring Key(const std::string& text, bool bPlain) {
    std::wstring key;
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (bPlain)
            byte = codepage::PlainLetter(byte);
        key += static_cast<wchar_t>(codepage::ToUnicode(byte));
    }
    if (!key.empty())
        CharUpperBuffW(&key[0], static_cast<DWORD>(key.size()));
    return key;
}

// The rule, row by row: the first row whose beginning has the text's key.
size_t FirstBeginningWith(const std::vector<std::string>& rows, const std::string& text, bool bPlain) {
    for (size_t p = 0; p < rows.size(); ++p) {
        if (rows[p].size() >= text.size() && Key(rows[p].substr(0, text.size()), bPlain) == Key(text, bPlain))
            return p;
    }
    return WordListIndex::npos;
}

}  // namespace

TEST(WordListIndex, FindsTheTopmostRowThatBeginsWithTheTextWithAndWithoutDiacritics) {
    RandomDictionary random(4);
    std::mt19937 shuffle(5);
    for (int n = 0; n < 120; ++n) {
        LoadedLines lines;
        lines.Assign(random.File(random.Below(250), n % 4 == 0));
        // Any order of the rows will do: the list's order is not the bytes'.
        std::vector<uint32_t> lineOfRow(lines.Size());
        std::iota(lineOfRow.begin(), lineOfRow.end(), 0);
        std::shuffle(lineOfRow.begin(), lineOfRow.end(), shuffle);
        std::vector<std::string> rows;  // the list holds C strings: each head word up to a NUL
        for (uint32_t nLine : lineOfRow)
            rows.emplace_back(std::string(lines.HeadWordAt(nLine)).c_str());
        WordListIndex index;
        index.Build(lines, lineOfRow, TextCaseFold(), TextPlainFold());
        ASSERT_EQ(rows.size(), index.RowCount());
        EXPECT_EQ(rows.empty() ? WordListIndex::npos : 0, index.FindFirstBeginningWith(""));
        for (int k = 0; k < 60; ++k) {
            const std::string text = random.Typed(rows);
            const size_t nExact = FirstBeginningWith(rows, text, false);
            ASSERT_EQ(nExact, index.FindFirstBeginningWith(text))
                << "typed " << text << " in dictionary " << n;
            const size_t nPlain = FirstBeginningWith(rows, text, true);
            ASSERT_EQ(nPlain, index.FindFirstBeginningWithPlain(text)) << "typed " << text;
            ASSERT_EQ(nExact != WordListIndex::npos ? nExact : nPlain, index.FindWord(text))
                << "typed " << text;
            size_t nWhole = WordListIndex::npos;
            for (size_t p = 0; p < rows.size() && nWhole == WordListIndex::npos; ++p) {
                if (Key(rows[p], false) == Key(text, false))
                    nWhole = p;
            }
            ASSERT_EQ(nWhole, index.FindWhole(text)) << "typed " << text;
        }
    }
}

// The order of a lookup: the head word, a form's head word (a whole form
// beats a longer head word beginning with the text), the beginning, the
// beginning without diacritics.
TEST(WordMatch, TakesTheHeadWordThenAFormThenTheBeginning) {
    LoadedLines lines;
    lines.Assign(
        "Casele Mice\xBAti:village\r\ncas\xE3:house\r\nmerge:go\r\nmerg\xE3tor:walking\r\n"
        "go:a merge\r\nchild:copil\r\ntanar:young\r\n");
    WordListIndex index;
    index.Build(lines, {0, 1, 2, 3, 4, 5, 6}, TextCaseFold(), TextPlainFold());
    dictionary::WordForms forms;
    forms.Assign("casele:cas\xE3\r\nmerg:merge\r\nmerg:merg\xE3tor\r\nmerge:merg\xE3tor\r\n", TextCaseFold());
    using Kind = dictionary::WordMatch::Kind;
    const struct {
        const char* text;
        bool bEnglish;
        Kind kind;
        size_t nRow;
        std::vector<std::string> headWords;
    } cases[] = {
        {"MERGE", false, Kind::kHeadWord, 2, {}},  // a head word though also a form
        {"casele", false, Kind::kForm, 1, {"cas\xE3"}},
        {"Merg", false, Kind::kForm, 2, {"merge", "merg\xE3tor"}},
        {"went", true, Kind::kForm, 4, {"go"}},
        {"went", false, Kind::kNone, WordListIndex::npos, {}},  // English rules for English only
        {"children", true, Kind::kForm, 5, {"child"}},
        {"casele m", false, Kind::kBeginning, 0, {}},
        {"t\xE2n", false, Kind::kWithoutDiacritics, 6, {}},
        {"casx", false, Kind::kNone, WordListIndex::npos, {}},
    };
    for (const auto& c : cases) {
        const dictionary::WordMatch match = dictionary::MatchWord(c.text, index, forms, c.bEnglish);
        EXPECT_EQ(c.kind, match.kind) << c.text;
        EXPECT_EQ(c.nRow, match.nRow) << c.text;
        EXPECT_EQ(c.headWords, match.headWords) << c.text;
    }
}
