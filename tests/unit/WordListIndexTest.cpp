#include "RandomDictionary.h"

#include "dictionary/LoadedLines.h"
#include "dictionary/WordListFill.h"
#include "dictionary/WordListIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

using dictionary::LoadedLines;
using dictionary::WordListIndex;

namespace {

// The word box's rule, row by row: the first row whose beginning, folded
// with CharUpperBuffA, is the folded text.
size_t FirstBeginningWith(const std::vector<std::string>& rows, std::string text) {
    if (!text.empty())
        CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    for (size_t p = 0; p < rows.size(); ++p) {
        if (rows[p].size() < text.size())
            continue;
        std::string begin = rows[p].substr(0, text.size());
        if (!begin.empty())
            CharUpperBuffA(&begin[0], static_cast<DWORD>(begin.size()));
        if (begin == text)
            return p;
    }
    return WordListIndex::npos;
}

}  // namespace

TEST(WordListIndex, FindsTheTopmostRowThatBeginsWithTheText) {
    ASSERT_TRUE(CanIndexWordList());
    RandomDictionary random(4);
    std::mt19937 shuffle(5);
    for (int n = 0; n < 120; ++n) {
        LoadedLines lines;
        lines.Assign(random.File(random.Below(250), n % 4 == 0));
        // Any order of the rows will do: the list's order is not the bytes'.
        std::vector<uint32_t> lineOfRow(lines.Size());
        std::iota(lineOfRow.begin(), lineOfRow.end(), 0);
        std::shuffle(lineOfRow.begin(), lineOfRow.end(), shuffle);
        std::vector<std::string> rows;
        for (uint32_t nLine : lineOfRow) {
            const std::string_view head = lines.HeadWordAt(nLine);
            rows.emplace_back(head.substr(0, head.find('\0')));  // the list holds C strings
        }
        WordListIndex index;
        index.Build(lines, lineOfRow, ListRowFold(), TypedTextFold());
        ASSERT_EQ(rows.size(), index.RowCount());
        EXPECT_EQ(rows.empty() ? WordListIndex::npos : 0, index.FindFirstBeginningWith(""));
        for (int k = 0; k < 60; ++k) {
            const std::string text = random.Typed(rows);
            ASSERT_EQ(FirstBeginningWith(rows, text), index.FindFirstBeginningWith(text))
                << "typed " << text << " in dictionary " << n;
        }
    }
}
