// The order a sorted list box leaves its rows in when they are added one by
// one, worked out without the list box. The list box finds the place of a
// new row by a binary search over the rows it holds: it probes the middle
// of the range [low, high] (starting with [0, count - 1]), goes on in the
// lower or upper half while the probed row sorts after or before the new
// one, and as soon as a probe lands on a row that compares equal, puts the
// new row right there, before that row. So among rows that compare equal
// (say apple and Apple) the place of a new one depends on where the search
// happens to meet them; the rows themselves are always sorted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace dictionary {

// Where the list box puts a new row when it holds nRows rows, nLess of
// which sort before the new row and nEqual compare equal to it (those stand
// right after the nLess).
size_t SortedInsertPosition(size_t nRows, size_t nLess, size_t nEqual);

// rankOfRow[j] is the rank of row j among the distinct places in the sort
// order (rows that compare equal share a rank; 0 sorts first), for rows in
// the order they are added; every rank is below nRanks. Returns the rows
// (their j) in the order the list box holds them once all are added.
// O(n log n): each row's place at its time is counted with a Fenwick tree
// over the ranks, and the final order is rebuilt from the last row back.
std::vector<uint32_t> OrderAfterAddingOneByOne(const std::vector<uint32_t>& rankOfRow, size_t nRanks);

}  // namespace dictionary
