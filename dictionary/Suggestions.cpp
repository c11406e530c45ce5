#include "dictionary/Suggestions.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace dictionary {

namespace {

int PopCount(uint64_t bits) {
    int count = 0;
    for (; bits != 0; bits &= bits - 1)
        ++count;
    return count;
}

}  // namespace

std::string Suggestions::Folded(std::string_view text) const {
    std::string folded(text);
    for (char& c : folded)
        c = static_cast<char>(m_fold[static_cast<unsigned char>(c)]);
    return folded;
}

uint64_t Suggestions::Letters(std::string_view folded) {
    uint64_t letters = 0;
    for (char c : folded)
        letters |= uint64_t{1} << (static_cast<unsigned char>(c) & 63);
    return letters;
}

void Suggestions::Clear() {
    std::string().swap(m_folded);
    std::vector<Word>().swap(m_words);
    std::vector<uint32_t>().swap(m_lengthStart);
}

void Suggestions::Build(const std::vector<std::string_view>& headWords, const CaseFold& fold) {
    Clear();
    std::copy(fold.upper, fold.upper + 256, m_fold);
    std::vector<uint32_t> count(kMaxLength + 2, 0);
    std::vector<uint32_t> kept;
    kept.reserve(headWords.size());
    std::unordered_set<std::string_view> seen(headWords.size());
    size_t nBytes = 0;
    for (size_t i = 0; i < headWords.size() && i < UINT32_MAX; ++i) {
        const std::string_view word = headWords[i];
        if (word.empty() || word.size() > kMaxLength || !seen.insert(word).second)
            continue;
        kept.push_back(static_cast<uint32_t>(i));
        ++count[word.size()];
        nBytes += word.size();
    }
    m_lengthStart.assign(kMaxLength + 2, 0);
    for (size_t n = 1; n < m_lengthStart.size(); ++n)
        m_lengthStart[n] = m_lengthStart[n - 1] + count[n - 1];
    std::vector<uint32_t> next(m_lengthStart.begin(), m_lengthStart.end());
    m_words.resize(kept.size());
    m_folded.reserve(nBytes);
    for (uint32_t position : kept) {
        const std::string folded = Folded(headWords[position]);
        m_words[next[folded.size()]++] =
            Word{Letters(folded), static_cast<uint32_t>(m_folded.size()), position};
        m_folded += folded;
    }
}

int Suggestions::Distance(std::string_view a, std::string_view b) {
    constexpr int k = kMaxEdits, kOver = kMaxEdits + 1;
    const size_t la = a.size(), lb = b.size();
    if ((la > lb ? la - lb : lb - la) > static_cast<size_t>(k))
        return kOver;
    // Three rows of the table, each only within k of the diagonal; the
    // cells just outside the band read as kOver.
    constexpr size_t kStackRow = kMaxLength + kMaxEdits + 2;
    int stackRows[3 * kStackRow];
    std::vector<int> heapRows;
    int* rows = stackRows;
    if (lb + 2 > kStackRow) {
        heapRows.resize(3 * (lb + 2));
        rows = heapRows.data();
    }
    std::fill(rows, rows + 3 * (lb + 2), kOver);
    int* before = rows;                  // row i - 2
    int* previous = before + (lb + 2);   // row i - 1
    int* current = previous + (lb + 2);  // row i
    for (size_t j = 0; j <= lb && j <= static_cast<size_t>(k); ++j)
        previous[j] = static_cast<int>(j);
    for (size_t i = 1; i <= la; ++i) {
        const size_t lo = i > static_cast<size_t>(k) ? i - k : 1;
        const size_t hi = std::min(lb, i + k);
        current[lo - 1] = lo == 1 ? std::min(static_cast<int>(i), kOver) : kOver;
        int best = current[lo - 1];
        for (size_t j = lo; j <= hi; ++j) {
            int d = std::min(previous[j] + 1, current[j - 1] + 1);
            d = std::min(d, previous[j - 1] + (a[i - 1] != b[j - 1]));
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            current[j] = std::min(d, kOver);
            best = std::min(best, current[j]);
        }
        if (hi + 1 <= lb)
            current[hi + 1] = kOver;
        if (best > k)
            return kOver;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[lb];
}

std::vector<size_t> Suggestions::Find(std::string_view text, size_t nMax) const {
    std::vector<size_t> found;
    if (text.empty() || text.size() > kMaxLength + kMaxEdits || m_words.empty() || nMax == 0)
        return found;
    const std::string folded = Folded(text);
    const uint64_t letters = Letters(folded);
    // (edits, position) of every word close enough.
    std::vector<std::pair<int, uint32_t>> close;
    const size_t lo = folded.size() > static_cast<size_t>(kMaxEdits) ? folded.size() - kMaxEdits : 1;
    const size_t hi = std::min(folded.size() + kMaxEdits, kMaxLength);
    for (size_t length = lo; length <= hi; ++length) {
        const uint32_t end = length + 1 < m_lengthStart.size() ? m_lengthStart[length + 1]
                                                               : static_cast<uint32_t>(m_words.size());
        for (uint32_t k = m_lengthStart[length]; k < end; ++k) {
            const Word& word = m_words[k];
            if (PopCount(word.letters ^ letters) > 2 * kMaxEdits)
                continue;
            const int edits = Distance(folded, std::string_view(m_folded.data() + word.offset, length));
            if (edits <= kMaxEdits)
                close.emplace_back(edits, word.position);
        }
    }
    const size_t n = std::min(nMax, close.size());
    std::partial_sort(close.begin(), close.begin() + static_cast<std::ptrdiff_t>(n), close.end());
    for (size_t i = 0; i < n; ++i)
        found.push_back(close[i].second);
    return found;
}

}  // namespace dictionary
