#include "dictionary/ListOrder.h"

namespace dictionary {

namespace {

// Counts per position, with prefix sums and the search for the k-th unit
// in O(log n).
class FenwickTree {
public:
    explicit FenwickTree(size_t nSize) : m_tree(nSize + 1, 0) {}

    // Every position holds one unit.
    void FillWithOnes() {
        for (size_t i = 1; i < m_tree.size(); ++i)
            m_tree[i] = static_cast<uint32_t>(i & (0 - i));
    }
    void Add(size_t nPos, int nDelta) {
        for (size_t i = nPos + 1; i < m_tree.size(); i += i & (0 - i))
            m_tree[i] = static_cast<uint32_t>(static_cast<int64_t>(m_tree[i]) + nDelta);
    }
    // The units at positions below nPos.
    size_t CountBelow(size_t nPos) const {
        size_t sum = 0;
        for (size_t i = nPos; i > 0; i -= i & (0 - i))
            sum += m_tree[i];
        return sum;
    }
    // The position of the unit that has k units before it.
    size_t FindUnit(size_t k) const {
        size_t pos = 0;
        size_t step = 1;
        while (step * 2 < m_tree.size())
            step *= 2;
        for (; step > 0; step /= 2) {
            if (pos + step < m_tree.size() && m_tree[pos + step] <= k) {
                pos += step;
                k -= m_tree[pos];
            }
        }
        return pos;
    }

private:
    std::vector<uint32_t> m_tree;
};

}  // namespace

size_t SortedInsertPosition(size_t nRows, size_t nLess, size_t nEqual) {
    if (nEqual == 0)
        return nLess;
    int64_t low = 0, high = static_cast<int64_t>(nRows) - 1;
    const auto less = static_cast<int64_t>(nLess), end = static_cast<int64_t>(nLess + nEqual);
    while (low <= high) {
        const int64_t probe = (low + high) / 2;
        if (probe < less)
            low = probe + 1;
        else if (probe >= end)
            high = probe - 1;
        else
            return static_cast<size_t>(probe);
    }
    return static_cast<size_t>(low);
}

std::vector<uint32_t> OrderAfterAddingOneByOne(const std::vector<uint32_t>& rankOfRow, size_t nRanks) {
    const size_t nRows = rankOfRow.size();
    // Where each row went at the time it was added.
    std::vector<uint32_t> place(nRows);
    {
        FenwickTree added(nRanks);
        std::vector<uint32_t> nOfRank(nRanks, 0);
        for (size_t j = 0; j < nRows; ++j) {
            const uint32_t rank = rankOfRow[j];
            place[j] = static_cast<uint32_t>(SortedInsertPosition(j, added.CountBelow(rank), nOfRank[rank]));
            added.Add(rank, 1);
            ++nOfRank[rank];
        }
    }
    // The last row keeps its place; each earlier one takes, among the
    // places the later rows left free, the one its own place counts to.
    std::vector<uint32_t> order(nRows);
    FenwickTree free(nRows);
    free.FillWithOnes();
    for (size_t j = nRows; j-- > 0;) {
        const size_t slot = free.FindUnit(place[j]);
        order[slot] = static_cast<uint32_t>(j);
        free.Add(slot, -1);
    }
    return order;
}

}  // namespace dictionary
