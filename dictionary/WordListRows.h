// The word list's rows for the loaded lines, and the order a sorted list
// box leaves them in. A sorted list box places every added row by a binary
// search and shifts the rows after it, so a million rows added one by one
// take many minutes. Here the rows are sorted once with the list box's own
// comparison (CompareStringW, ignoring case, in the list's locale), and the
// exact order that adding them one by one would leave is worked out (see
// ListOrder.h); the list box then gets them in that order at its end, where
// nothing is searched or shifted (frame/WordListFill.h).
#pragma once

#include "dictionary/LoadedLines.h"
#include "dictionary/StageProgress.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dictionary {

class WordListRows {
public:
    // The rows of lines, to be sorted as a list box of locale lcid sorts.
    // The lines must outlive the rows. Throws std::bad_alloc when they are
    // too many to count in 32 bits.
    WordListRows(const LoadedLines& lines, LCID lcid);
    ~WordListRows();
    WordListRows(const WordListRows&) = delete;
    WordListRows& operator=(const WordListRows&) = delete;

    size_t Size() const { return m_lines.Size(); }
    // The characters of all rows together.
    size_t CharCount() const { return m_nChars; }
    // The text the list box is given for line nLine: its head word up to any
    // NUL (the list box takes C strings), in UTF-16.
    void TextOf(size_t nLine, std::wstring& out) const;

    // The lines in the order adding their rows one by one would leave, as
    // the rows' sort keys (LCMapStringW) order them; onProgress is told from
    // 0 to 1 how far it has come. Throws std::bad_alloc.
    std::vector<uint32_t> OrderByKeys(const Progress& onProgress = Progress());
    // Whether the order of OrderByKeys is the list box's own: every
    // neighbour in it is checked with CompareStringW, which must give
    // "equal" exactly where the keys do and "less" everywhere else (for a
    // comparison that is a proper order this proves it). Only reads, so it
    // may run on another thread while the caller goes on.
    bool KeysAgreeWithList() const;
    // The order found by sorting with CompareStringW itself: the slow way,
    // for a system whose sort keys do not agree with it. Throws
    // std::bad_alloc.
    std::vector<uint32_t> OrderByComparing() const;

private:
    std::string_view RowOf(size_t nLine) const;

    class KeyOrder;
    const LoadedLines& m_lines;
    const LCID m_lcid;
    size_t m_nChars = 0;
    WCHAR m_table[256] = {};  // Windows-1250 byte to UTF-16
    std::unique_ptr<KeyOrder> m_keyOrder;
};

}  // namespace dictionary
