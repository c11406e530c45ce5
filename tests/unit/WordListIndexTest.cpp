#include "RandomDictionary.h"

#include "dictionary/LoadedLines.h"
#include "dictionary/TextFold.h"
#include "dictionary/WordListIndex.h"
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

std::vector<std::string> RowsOf(const LoadedLines& lines, const std::vector<uint32_t>& lineOfRow) {
    std::vector<std::string> rows;
    for (uint32_t nLine : lineOfRow) {
        const std::string_view head = lines.HeadWordAt(nLine);
        rows.emplace_back(head.substr(0, head.find('\0')));  // the list holds C strings
    }
    return rows;
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
        const std::vector<std::string> rows = RowsOf(lines, lineOfRow);
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
        }
    }
}

// Only the plain form present: typed with diacritics it is still found.
TEST(WordListIndex, APlainWordIsFoundTypedWithDiacritics) {
    LoadedLines plain;
    plain.Assign("tanar:young\r\nsoapta:whisper\r\n");
    WordListIndex plainIndex;
    plainIndex.Build(plain, {0, 1}, TextCaseFold(), TextPlainFold());
    EXPECT_EQ(0u, plainIndex.FindWord("t\xE2n\xE3r"));
    EXPECT_EQ(1u, plainIndex.FindWord("\xBAoapt\xE3"));
}
