#include "dictionary/WordListIndex.h"

#include "dictionary/ByteScan.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <string>
#include <system_error>
#include <thread>

namespace dictionary {

namespace {

// A row's first eight folded bytes as one number that sorts like them
// (shorter rows padded with 0, which no folded row byte is).
uint64_t FoldedPrefix(std::string_view row, const unsigned char* fold) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i) {
        prefix <<= 8;
        if (i < row.size())
            prefix |= fold[static_cast<unsigned char>(row[i])];
    }
    return prefix;
}

// Compares two rows by their folded bytes from nFrom on.
int CompareFolded(std::string_view a, std::string_view b, size_t nFrom, const unsigned char* fold) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = nFrom; i < n; ++i) {
        const unsigned char x = fold[static_cast<unsigned char>(a[i])];
        const unsigned char y = fold[static_cast<unsigned char>(b[i])];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

void WordListIndex::Build(const LoadedLines& lines, std::vector<uint32_t> lineOfRow, const CaseFold& fold,
                          const CaseFold& plainFold) {
    Clear();
    m_pLines = &lines;
    m_lineOfRow = std::move(lineOfRow);
    // The two orders are independent: the second is sorted on a thread of
    // its own while this one sorts the first (a load waits for both).
    std::exception_ptr failure;
    std::thread plain;
    try {
        plain = std::thread([&] {
            try {
                m_plain.Build(*this, plainFold);
            } catch (...) {
                failure = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        m_plain.Build(*this, plainFold);  // no thread to be had: one after the other
    }
    try {
        m_exact.Build(*this, fold);
    } catch (...) {
        if (plain.joinable())
            plain.join();
        throw;
    }
    if (plain.joinable())
        plain.join();
    if (failure)
        std::rethrow_exception(failure);
}

void WordListIndex::Clear() {
    m_pLines = nullptr;
    std::vector<uint32_t>().swap(m_lineOfRow);
    std::vector<uint32_t>().swap(m_exact.tree);
    std::vector<uint32_t>().swap(m_plain.tree);
}

std::string_view WordListIndex::Row(size_t nRow) const {
    std::string_view head = m_pLines->HeadWordAt(m_lineOfRow[nRow]);
    return head.substr(0, FindByte(head.data(), head.size(), '\0'));
}

void WordListIndex::FoldedOrder::Build(const WordListIndex& index, const CaseFold& table) {
    std::memcpy(fold, table.upper, sizeof(fold));
    const size_t nRows = index.m_lineOfRow.size();
    struct Entry {
        uint64_t prefix;
        uint32_t row;
    };
    std::vector<Entry> entries(nRows);
    for (size_t p = 0; p < nRows; ++p)
        entries[p] = Entry{FoldedPrefix(index.Row(p), fold), static_cast<uint32_t>(p)};
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int c = CompareFolded(index.Row(a.row), index.Row(b.row), 8, fold);
        return c != 0 ? c < 0 : a.row < b.row;
    });
    tree.resize(2 * nRows);
    for (size_t k = 0; k < nRows; ++k)
        tree[nRows + k] = entries[k].row;
    for (size_t i = nRows; i-- > 1;)
        tree[i] = std::min(tree[2 * i], tree[2 * i + 1]);
}

int WordListIndex::FoldedOrder::CompareWithPrefix(std::string_view row, std::string_view folded) const {
    const size_t n = std::min(row.size(), folded.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = fold[static_cast<unsigned char>(row[i])];
        const auto y = static_cast<unsigned char>(folded[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return row.size() < folded.size() ? -1 : 0;
}

size_t WordListIndex::FoldedOrder::Find(const WordListIndex& index, std::string_view text,
                                        bool bWhole) const {
    const size_t nRows = tree.size() / 2;
    std::string folded(text);
    for (char& c : folded)
        c = static_cast<char>(fold[static_cast<unsigned char>(c)]);

    // The run of rows, in folded order, that begin with the text.
    auto compare = [&](size_t k) { return CompareWithPrefix(index.Row(tree[nRows + k]), folded); };
    size_t low = 0, high = nRows;
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        if (compare(mid) < 0)
            low = mid + 1;
        else
            high = mid;
    }
    size_t end = nRows;
    for (size_t first = low; first < end;) {
        const size_t mid = first + (end - first) / 2;
        if (compare(mid) <= 0)
            first = mid + 1;
        else
            end = mid;
    }
    if (bWhole) {
        // In the run the rows that are the text come first: shorter sorts first.
        size_t whole = low;
        for (size_t last = end; whole < last;) {
            const size_t mid = whole + (last - whole) / 2;
            if (index.Row(tree[nRows + mid]).size() == text.size())
                whole = mid + 1;
            else
                last = mid;
        }
        end = whole;
    }
    if (low == end)
        return npos;

    // The topmost of them: the minimum over leaves [low, end).
    uint32_t best = UINT32_MAX;
    for (size_t l = low + nRows, r = end + nRows; l < r; l /= 2, r /= 2) {
        if (l & 1)
            best = std::min(best, tree[l++]);
        if (r & 1)
            best = std::min(best, tree[--r]);
    }
    return best;
}

}  // namespace dictionary
