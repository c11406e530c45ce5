// The word box's search without going through the list: the rows of the
// word list, in list order, each the head word of a loaded line, and the
// first row from the top that begins with a typed text, letter case ignored
// byte by byte through a folding table (the text is Windows-1250, one byte
// a character). A second table sets the diacritics aside as well, for the
// search that finds "pasăre" when "pasare" is typed.
//
// The list is in collation order, not in byte order, so the rows that begin
// with a text need not stand together in it (a-b may sort between ab and
// abc). The index therefore also keeps the rows sorted by their folded
// bytes, once for each table, where the rows beginning with a text do form
// one run, found by two binary searches; a tree of range minima over that
// run gives the topmost row. A search costs O(log n) comparisons of short
// texts.
#pragma once

#include "dictionary/LoadedLines.h"
#include "dictionary/UpdateMerge.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace dictionary {

class WordListIndex {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    // lineOfRow[p]: the line whose head word is row p; the row is that head
    // word up to any NUL (the list holds C strings). Rows and typed text map
    // through fold for the search, through plainFold for the search without
    // diacritics (their lead-byte marks are not used). lines must outlive
    // the index or the next Build. Throws std::bad_alloc.
    void Build(const LoadedLines& lines, std::vector<uint32_t> lineOfRow, const CaseFold& fold,
               const CaseFold& plainFold);
    void Clear();

    size_t RowCount() const { return m_lineOfRow.size(); }
    // The topmost row whose first text.size() bytes, folded, are the folded
    // text; npos when there is none. An empty text gives the first row.
    size_t FindFirstBeginningWith(std::string_view text) const { return m_exact.Find(*this, text); }
    // The same through the table without diacritics.
    size_t FindFirstBeginningWithPlain(std::string_view text) const { return m_plain.Find(*this, text); }
    // The topmost row that is the text itself, letter case aside; npos when
    // there is none.
    size_t FindWhole(std::string_view text) const { return m_exact.Find(*this, text, true); }
    // The word box's search: the first, else the second.
    size_t FindWord(std::string_view text) const {
        const size_t nRow = FindFirstBeginningWith(text);
        return nRow != npos ? nRow : FindFirstBeginningWithPlain(text);
    }

private:
    // The rows sorted by their bytes under one table.
    struct FoldedOrder {
        // Sorted rows at tree[n + k]; tree[i] below n holds the minimum of
        // its two children.
        std::vector<uint32_t> tree;
        unsigned char fold[256] = {};

        void Build(const WordListIndex& index, const CaseFold& table);
        // bWhole: only rows that are the text, not longer ones.
        size_t Find(const WordListIndex& index, std::string_view text, bool bWhole = false) const;
        // Compares the folded row with the folded text cut to the row's
        // length: below 0, 0 when the row begins with the text, above 0.
        int CompareWithPrefix(std::string_view row, std::string_view folded) const;
    };

    std::string_view Row(size_t nRow) const;

    const LoadedLines* m_pLines = nullptr;
    std::vector<uint32_t> m_lineOfRow;
    FoldedOrder m_exact;
    FoldedOrder m_plain;
};

}  // namespace dictionary
