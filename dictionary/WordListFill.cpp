#include "dictionary/WordListFill.h"

#include "dictionary/ByteScan.h"
#include "dictionary/ListOrder.h"
#include "framework/CodePage.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <functional>
#include <new>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

namespace {

// Rows between two progress reports: a report may repaint windows, which
// small dictionaries never need.
const size_t kProgressEvery = 32768;

// A list at least this long is checked on a thread of its own.
const size_t kRowsWorthAThread = 50000;

// Where each stage of a fill ends, as a share of the whole.
const double kKeysDone = 0.3;
const double kSortDone = 0.38;
const double kOrderDone = 0.45;

// Reports the progress within one stage of the fill.
class StageProgress {
public:
    StageProgress(const FillProgress& onProgress, double begin, double end, size_t nTotal)
        : m_onProgress(onProgress), m_begin(begin), m_end(end), m_nTotal(nTotal) {}
    void Step(size_t nDone) const {
        if (m_onProgress && nDone % kProgressEvery == kProgressEvery - 1)
            m_onProgress(m_begin +
                         (m_end - m_begin) * static_cast<double>(nDone) / static_cast<double>(m_nTotal));
    }
    void Done() const {
        if (m_onProgress && m_nTotal >= kProgressEvery)
            m_onProgress(m_end);
    }

private:
    const FillProgress& m_onProgress;
    double m_begin, m_end;
    size_t m_nTotal;
};

// A row of the word list: the line's head word up to any NUL, as the list
// box takes C strings.
std::string_view RowOf(const dictionary::LoadedLines& lines, size_t nLine) {
    std::string_view head = lines.HeadWordAt(nLine);
    return head.substr(0, dictionary::FindByte(head.data(), head.size(), '\0'));
}

// Makes the UTF-16 text of a row, as the list box is given it: in
// Windows-1250 every byte stands for one character, so a table converts.
class Widener {
public:
    Widener() {
        for (int b = 0; b < 256; ++b)
            m_table[b] = static_cast<WCHAR>(codepage::ToUnicode(static_cast<unsigned char>(b)));
    }

    void operator()(std::string_view text, std::wstring& out) const {
        out.resize(text.size());
        for (size_t i = 0; i < text.size(); ++i)
            out[i] = m_table[static_cast<unsigned char>(text[i])];
    }

private:
    WCHAR m_table[256] = {};
};

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

// Ranks by sorting with CompareStringW itself: the slow way, for when the
// sort keys do not agree with it.
template <class GetWide>
std::vector<uint32_t> RanksByComparing(size_t nTexts, LCID lcid, GetWide getWide, size_t& nRanks) {
    std::vector<std::wstring> texts(nTexts);
    for (size_t j = 0; j < nTexts; ++j)
        getWide(j, texts[j]);
    std::vector<uint32_t> sorted(nTexts);
    for (size_t j = 0; j < nTexts; ++j)
        sorted[j] = static_cast<uint32_t>(j);
    // A merge sort never leaves the range, whatever the comparison says.
    std::stable_sort(sorted.begin(), sorted.end(), [&](uint32_t a, uint32_t b) {
        return CompareAsList(lcid, texts[a], texts[b]) == CSTR_LESS_THAN;
    });
    std::vector<uint32_t> rank(nTexts);
    uint32_t nRank = 0;
    for (size_t k = 0; k < nTexts; ++k) {
        if (k > 0 && CompareAsList(lcid, texts[sorted[k - 1]], texts[sorted[k]]) != CSTR_EQUAL)
            ++nRank;
        rank[sorted[k]] = nRank;
    }
    nRanks = nTexts ? nRank + 1 : 0;
    return rank;
}

// The texts in the order of their sort keys (LCMapStringW), which is meant
// to be the list box's own order; KeysAgreeWithList tells whether it is.
// The keys themselves are let go once sorted: what stays is small.
class KeyOrder {
public:
    template <class GetWide>
    KeyOrder(size_t nTexts, size_t nChars, LCID lcid, GetWide getWide, const FillProgress& onProgress);

    // Texts with the same key share a rank, 0 sorts first.
    std::vector<uint32_t> Ranks(size_t& nRanks) const;

    // Checks every neighbour in the order with CompareStringW, which the
    // list box uses: the keys must give "equal" exactly where it does and
    // "less" everywhere else. For a comparison that is a proper order this
    // proves the ranks are its own.
    template <class GetWide>
    bool KeysAgreeWithList(LCID lcid, GetWide getWide) const;

private:
    std::vector<uint32_t> m_sorted;         // the texts in key order
    std::vector<bool> m_sameKeyAsPrevious;  // in that order
};

template <class GetWide>
KeyOrder::KeyOrder(size_t nTexts, size_t nChars, LCID lcid, GetWide getWide, const FillProgress& onProgress)
    : m_sorted(nTexts), m_sameKeyAsPrevious(nTexts) {
    if (nTexts >= UINT32_MAX)
        throw std::bad_alloc();  // the texts are counted in 32 bits
    // A key takes about two bytes a character and a few more: room for all
    // at once, so that the keys are never copied while they grow.
    std::string keys;
    keys.reserve(2 * nChars + 8 * nTexts);
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
            getWide(j, wide);
            if (keys.size() > UINT32_MAX - (wide.size() * 8 + 32))
                throw std::bad_alloc();
            keyStart[j] = static_cast<uint32_t>(keys.size());
            AppendSortKey(lcid, wide, keys);
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

std::vector<uint32_t> KeyOrder::Ranks(size_t& nRanks) const {
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

template <class GetWide>
bool KeyOrder::KeysAgreeWithList(LCID lcid, GetWide getWide) const {
    std::wstring previous, current;
    for (size_t k = 0; k < m_sorted.size(); ++k) {
        getWide(m_sorted[k], current);
        if (k > 0) {
            // The same text twice is equal to itself.
            const int nOrder = previous == current ? CSTR_EQUAL : CompareAsList(lcid, previous, current);
            if (nOrder != (m_sameKeyAsPrevious[k] ? CSTR_EQUAL : CSTR_LESS_THAN))
                return false;
        }
        previous.swap(current);
    }
    return true;
}

// The ranks under the list box's comparison: by the sort keys where they
// agree with it, else by sorting with CompareStringW itself.
template <class GetWide>
std::vector<uint32_t> RanksOf(size_t nTexts, size_t nChars, LCID lcid, GetWide getWide, size_t& nRanks) {
    const KeyOrder order(nTexts, nChars, lcid, getWide, FillProgress());
    if (!order.KeysAgreeWithList(lcid, getWide))
        return RanksByComparing(nTexts, lcid, getWide, nRanks);
    return order.Ranks(nRanks);
}

// Runs a check on a thread of its own while the caller goes on; at once
// when it is short (bBeside false), on a machine with one processor, or
// without a thread to spare.
class CheckBeside {
public:
    CheckBeside(bool bBeside, std::function<bool()> check) : m_check(std::move(check)) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        if (bBeside && info.dwNumberOfProcessors > 1) {
            try {
                m_thread = std::thread([this] { Run(); });
                return;
            } catch (const std::system_error&) {
            }
        }
        Run();
    }
    ~CheckBeside() {
        if (m_thread.joinable())
            m_thread.join();
    }
    CheckBeside(const CheckBeside&) = delete;
    CheckBeside& operator=(const CheckBeside&) = delete;

    // Waits for the check. Throws what it threw.
    bool Passed() {
        if (m_thread.joinable())
            m_thread.join();
        if (m_error)
            std::rethrow_exception(m_error);
        return m_bPassed;
    }

private:
    void Run() {
        try {
            m_bPassed = m_check();
        } catch (...) {
            m_error = std::current_exception();
        }
    }

    std::function<bool()> m_check;
    std::thread m_thread;
    bool m_bPassed = false;
    std::exception_ptr m_error;
};

// Puts the rows into the empty list box in the order lineOfRow gives, at its
// end, where a sorted list box neither searches nor sorts. FALSE when a row
// was refused.
template <class GetWide>
BOOL InsertRows(HWND hList, const std::vector<uint32_t>& lineOfRow, size_t nChars, GetWide getWide,
                const FillProgress& onProgress) {
    const size_t nRows = lineOfRow.size();
    StageProgress progress(onProgress, kOrderDone, 1, nRows);
    const size_t nBytes = (nChars + nRows) * sizeof(WCHAR);
    SendMessageW(hList, LB_INITSTORAGE, nRows, static_cast<LPARAM>(std::min<size_t>(nBytes, INT_MAX)));
    SendMessageW(hList, WM_SETREDRAW, FALSE, 0);
    BOOL bAll = TRUE;
    std::wstring wide;
    for (size_t p = 0; p < nRows; ++p) {
        getWide(lineOfRow[p], wide);
        if (SendMessageW(hList, LB_INSERTSTRING, p, reinterpret_cast<LPARAM>(wide.c_str())) < 0)
            bAll = FALSE;
        progress.Step(p);
    }
    SendMessageW(hList, WM_SETREDRAW, TRUE, 0);
    progress.Done();
    return bAll;
}

}  // namespace

std::vector<uint32_t> CollationRanks(const std::vector<std::wstring>& texts, LCID lcid, size_t& nRanks) {
    size_t nChars = 0;
    for (const std::wstring& text : texts)
        nChars += text.size();
    return RanksOf(
        texts.size(), nChars, lcid, [&](size_t j, std::wstring& out) { out = texts[j]; }, nRanks);
}

BOOL FillWordList(HWND hList, const dictionary::LoadedLines& lines, std::vector<uint32_t>& lineOfRow,
                  const FillProgress& onProgress, const OrderWork& besideInserts) {
    lineOfRow.clear();
    const size_t nRows = lines.Size();
    if (SendMessageW(hList, LB_GETCOUNT, 0, 0) != 0) {
        // Where rows go among rows already there is the list box's business.
        const Widener widen;
        std::wstring wide;
        for (size_t j = 0; j < nRows; ++j) {
            widen(RowOf(lines, j), wide);
            SendMessageW(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        }
        return FALSE;
    }
    if (nRows > static_cast<size_t>(INT_MAX))
        throw std::bad_alloc();

    size_t nChars = 0;
    for (size_t j = 0; j < nRows; ++j)
        nChars += RowOf(lines, j).size();
    const Widener widen;
    auto getWide = [&lines, &widen](size_t j, std::wstring& out) { widen(RowOf(lines, j), out); };
    const LCID lcid = static_cast<LCID>(SendMessageW(hList, LB_GETLOCALE, 0, 0));
    const KeyOrder order(nRows, nChars, lcid, getWide, onProgress);
    size_t nRanks = 0;
    const std::vector<uint32_t> rankOfRow = order.Ranks(nRanks);
    lineOfRow = dictionary::OrderAfterAddingOneByOne(rankOfRow, nRanks);
    StageProgress(onProgress, kSortDone, kOrderDone, nRows).Done();
    BOOL bAll = FALSE;
    {
        // Proving that the keys sort as the list box does takes a good part
        // of the time the list box needs for the rows: it runs beside it.
        // So does the caller's work on the order, once it is proven.
        CheckBeside check(nRows >= kRowsWorthAThread, [&] {
            if (!order.KeysAgreeWithList(lcid, getWide))
                return false;
            if (besideInserts)
                besideInserts(lineOfRow);
            return true;
        });
        bAll = InsertRows(hList, lineOfRow, nChars, getWide, onProgress);
        if (!check.Passed()) {
            // Not this system's order after all: sorted the slow way.
            SendMessageW(hList, LB_RESETCONTENT, 0, 0);
            const std::vector<uint32_t> rankByComparing = RanksByComparing(nRows, lcid, getWide, nRanks);
            lineOfRow = dictionary::OrderAfterAddingOneByOne(rankByComparing, nRanks);
            bAll = InsertRows(hList, lineOfRow, nChars, getWide, onProgress);
        }
    }
    if (!bAll)
        lineOfRow.clear();
    return bAll;
}
