#include "dictionary/WordListRows.h"

#include "dictionary/ByteScan.h"
#include "dictionary/ListOrder.h"
#include "framework/CodePage.h"

#include <algorithm>
#include <new>

namespace dictionary {

namespace {

// Where each stage of OrderByKeys ends, as a share of the whole.
const double kKeysDone = 0.67;
const double kSortDone = 0.84;

// Appends the sort key of text under the list box's comparison to keys.
void AppendSortKey(LCID lcid, const std::wstring& text, std::string& keys) {
    const DWORD dwFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const size_t nOld = keys.size();
    size_t nRoom = text.size() * 8 + 32;
    keys.resize(nOld + nRoom);
    int n = LCMapStringW(lcid, dwFlags, text.c_str(), -1, reinterpret_cast<LPWSTR>(&keys[nOld]),
                         static_cast<int>(nRoom));
    if (n == 0) {
        nRoom = static_cast<size_t>(LCMapStringW(lcid, dwFlags, text.c_str(), -1, nullptr, 0));
        keys.resize(nOld + nRoom);
        if (nRoom > 0)
            n = LCMapStringW(lcid, dwFlags, text.c_str(), -1, reinterpret_cast<LPWSTR>(&keys[nOld]),
                             static_cast<int>(nRoom));
    }
    keys.resize(nOld + static_cast<size_t>(n));
}

int CompareAsList(LCID lcid, const std::wstring& a, const std::wstring& b) {
    return CompareStringW(lcid, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1);
}

// The first eight bytes of a sort key as one number that sorts like them.
uint64_t KeyPrefix(const char* key, size_t nLength) {
    uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < nLength ? static_cast<unsigned char>(key[i]) : 0u);
    return prefix;
}

}  // namespace

// The rows in the order of their sort keys, which is meant to be the list
// box's own order. The keys themselves are let go once sorted: what stays
// is small.
class WordListRows::KeyOrder {
public:
    KeyOrder(const WordListRows& rows, const Progress& onProgress);

    // Rows with the same key share a rank, 0 sorts first.
    std::vector<uint32_t> Ranks(size_t& nRanks) const;
    bool KeysAgreeWithList(const WordListRows& rows) const;

private:
    std::vector<uint32_t> m_sorted;         // the rows in key order
    std::vector<bool> m_sameKeyAsPrevious;  // in that order
};

WordListRows::KeyOrder::KeyOrder(const WordListRows& rows, const Progress& onProgress)
    : m_sorted(rows.Size()), m_sameKeyAsPrevious(rows.Size()) {
    const size_t nTexts = rows.Size();
    // A key takes about two bytes a character and a few more: room for all
    // at once, so that the keys are never copied while they grow.
    std::string keys;
    keys.reserve(2 * rows.CharCount() + 8 * nTexts);
    std::vector<uint32_t> keyStart(nTexts + 1);
    struct Entry {
        uint64_t prefix;
        uint32_t text;
    };
    std::vector<Entry> entries(nTexts);
    {
        StageProgress progress(onProgress, 0, kKeysDone, nTexts);
        std::wstring wide;
        for (size_t j = 0; j < nTexts; ++j) {
            rows.TextOf(j, wide);
            if (keys.size() > UINT32_MAX - (wide.size() * 8 + 32))
                throw std::bad_alloc();
            keyStart[j] = static_cast<uint32_t>(keys.size());
            AppendSortKey(rows.m_lcid, wide, keys);
            entries[j] = Entry{KeyPrefix(keys.data() + keyStart[j], keys.size() - keyStart[j]),
                               static_cast<uint32_t>(j)};
            progress.Step(j);
        }
        keyStart[nTexts] = static_cast<uint32_t>(keys.size());
        progress.Done();
    }
    auto key = [&](uint32_t j) {
        return std::string_view(keys.data() + keyStart[j], keyStart[j + 1] - keyStart[j]);
    };
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const std::string_view x = key(a.text), y = key(b.text);
        const int c = x.size() > 8 && y.size() > 8 ? x.substr(8).compare(y.substr(8)) : x.compare(y);
        return c != 0 ? c < 0 : a.text < b.text;
    });
    for (size_t k = 0; k < nTexts; ++k) {
        m_sorted[k] = entries[k].text;
        m_sameKeyAsPrevious[k] = k > 0 && key(entries[k - 1].text) == key(entries[k].text);
    }
    StageProgress(onProgress, kKeysDone, kSortDone, nTexts).Done();
}

std::vector<uint32_t> WordListRows::KeyOrder::Ranks(size_t& nRanks) const {
    std::vector<uint32_t> rank(m_sorted.size());
    uint32_t nRank = 0;
    for (size_t k = 0; k < m_sorted.size(); ++k) {
        if (k > 0 && !m_sameKeyAsPrevious[k])
            ++nRank;
        rank[m_sorted[k]] = nRank;
    }
    nRanks = m_sorted.empty() ? 0 : nRank + 1;
    return rank;
}

bool WordListRows::KeyOrder::KeysAgreeWithList(const WordListRows& rows) const {
    std::wstring previous, current;
    for (size_t k = 0; k < m_sorted.size(); ++k) {
        rows.TextOf(m_sorted[k], current);
        if (k > 0) {
            // The same text twice is equal to itself.
            const int nOrder =
                previous == current ? CSTR_EQUAL : CompareAsList(rows.m_lcid, previous, current);
            if (nOrder != (m_sameKeyAsPrevious[k] ? CSTR_EQUAL : CSTR_LESS_THAN))
                return false;
        }
        previous.swap(current);
    }
    return true;
}

WordListRows::WordListRows(const LoadedLines& lines, LCID lcid) : m_lines(lines), m_lcid(lcid) {
    if (lines.Size() >= UINT32_MAX)
        throw std::bad_alloc();  // the rows are counted in 32 bits
    // In Windows-1250 every byte stands for one character, so a table converts.
    for (int b = 0; b < 256; ++b)
        m_table[b] = static_cast<WCHAR>(codepage::ToUnicode(static_cast<unsigned char>(b)));
    for (size_t j = 0; j < lines.Size(); ++j)
        m_nChars += RowOf(j).size();
}

WordListRows::~WordListRows() = default;

std::string_view WordListRows::RowOf(size_t nLine) const {
    std::string_view head = m_lines.HeadWordAt(nLine);
    return head.substr(0, FindByte(head.data(), head.size(), '\0'));
}

void WordListRows::TextOf(size_t nLine, std::wstring& out) const {
    const std::string_view text = RowOf(nLine);
    out.resize(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = m_table[static_cast<unsigned char>(text[i])];
}

std::vector<uint32_t> WordListRows::OrderByKeys(const Progress& onProgress) {
    m_keyOrder = std::make_unique<KeyOrder>(*this, onProgress);
    size_t nRanks = 0;
    const std::vector<uint32_t> rankOfRow = m_keyOrder->Ranks(nRanks);
    std::vector<uint32_t> order = OrderAfterAddingOneByOne(rankOfRow, nRanks);
    StageProgress(onProgress, kSortDone, 1, Size()).Done();
    return order;
}

bool WordListRows::KeysAgreeWithList() const {
    return m_keyOrder && m_keyOrder->KeysAgreeWithList(*this);
}

std::vector<uint32_t> WordListRows::OrderByComparing() const {
    const size_t nTexts = Size();
    std::vector<std::wstring> texts(nTexts);
    for (size_t j = 0; j < nTexts; ++j)
        TextOf(j, texts[j]);
    std::vector<uint32_t> sorted(nTexts);
    for (size_t j = 0; j < nTexts; ++j)
        sorted[j] = static_cast<uint32_t>(j);
    // A merge sort never leaves the range, whatever the comparison says.
    std::stable_sort(sorted.begin(), sorted.end(), [&](uint32_t a, uint32_t b) {
        return CompareAsList(m_lcid, texts[a], texts[b]) == CSTR_LESS_THAN;
    });
    std::vector<uint32_t> rank(nTexts);
    uint32_t nRank = 0;
    for (size_t k = 0; k < nTexts; ++k) {
        if (k > 0 && CompareAsList(m_lcid, texts[sorted[k - 1]], texts[sorted[k]]) != CSTR_EQUAL)
            ++nRank;
        rank[sorted[k]] = nRank;
    }
    return OrderAfterAddingOneByOne(rank, nTexts ? nRank + 1 : 0);
}

}  // namespace dictionary
