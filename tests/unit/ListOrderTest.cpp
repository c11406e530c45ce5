#include "dictionary/ListOrder.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using dictionary::OrderAfterAddingOneByOne;
using dictionary::SortedInsertPosition;

namespace {

// A sorted list box at work: each row goes where the search over the rows
// it holds (by rank) first meets an equal row, else where the search ends.
std::vector<uint32_t> AddOneByOne(const std::vector<uint32_t>& rankOfRow) {
    std::vector<uint32_t> rows;
    for (uint32_t j = 0; j < rankOfRow.size(); ++j) {
        int low = 0, high = static_cast<int>(rows.size()) - 1, place = -1;
        while (low <= high && place < 0) {
            const int probe = (low + high) / 2;
            const uint32_t probed = rankOfRow[rows[static_cast<size_t>(probe)]];
            if (probed == rankOfRow[j])
                place = probe;
            else if (probed > rankOfRow[j])
                high = probe - 1;
            else
                low = probe + 1;
        }
        rows.insert(rows.begin() + (place < 0 ? low : place), j);
    }
    return rows;
}

}  // namespace

TEST(ListOrder, EqualRowsGoWhereTheSearchFirstMeetsThem) {
    // Three equal rows: the search probes the middle one and goes before it.
    EXPECT_EQ(1u, SortedInsertPosition(3, 0, 3));
    // Among ten rows, the equal ones at 6 to 8: probes 4, then 7.
    EXPECT_EQ(7u, SortedInsertPosition(10, 6, 3));
    EXPECT_EQ(6u, SortedInsertPosition(10, 6, 0));
    EXPECT_EQ(0u, SortedInsertPosition(0, 0, 0));
    // apple, then Apple: the later one stands first.
    EXPECT_EQ((std::vector<uint32_t>{1, 0}), OrderAfterAddingOneByOne({0, 0}, 1));
}

TEST(ListOrder, MatchesAddingRowsOneByOne) {
    std::mt19937 random(3);
    for (int n = 0; n < 300; ++n) {
        // From all rows equal to rows all different.
        const size_t nRows = random() % 400;
        const size_t nRanks = 1 + random() % (nRows + 1);
        std::vector<uint32_t> rankOfRow(nRows);
        for (uint32_t& rank : rankOfRow)
            rank = static_cast<uint32_t>(random() % nRanks);
        ASSERT_EQ(AddOneByOne(rankOfRow), OrderAfterAddingOneByOne(rankOfRow, nRanks)) << "case " << n;
    }
}
