// Filling the word list with the head words of the loaded lines, fast. A
// sorted list box places every added row by a binary search and shifts the
// rows after it, so a million rows added one by one take many minutes.
// Here the rows are sorted once with the list box's own comparison, the
// exact order that adding them one by one would leave is worked out (see
// ListOrder.h), and the list box, its storage reserved, gets them in that
// order at its end, where nothing is searched or shifted.
#pragma once

#include "dictionary/LoadedLines.h"
#include "dictionary/UpdateMerge.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

// Told now and then how far a long fill has come, from 0 to 1.
using FillProgress = std::function<void(double)>;

// Adds a row to the sorted list box hList for every loaded line: its head
// word up to any NUL. The rows and their order are those that adding them
// one by one (LB_ADDSTRING, in file order) would give. Returns TRUE when
// lineOfRow now tells, for each row of the list, the line it shows; FALSE
// when it cannot (the list held rows already, so they were added one by one
// among them, or a row was refused). Throws std::bad_alloc.
// besideInserts, when given, is called with the rows' order while the list
// box takes the rows (on another thread when the list is long), once the
// order is proven to be the list box's; it is not called when the order had
// to be found the slow way.
using OrderWork = std::function<void(const std::vector<uint32_t>& lineOfRow)>;
BOOL FillWordList(HWND hList, const dictionary::LoadedLines& lines, std::vector<uint32_t>& lineOfRow,
                  const FillProgress& onProgress = FillProgress(),
                  const OrderWork& besideInserts = OrderWork());

// The ranks of the texts under CompareStringW(lcid, NORM_IGNORECASE) as the
// list box compares (texts comparing equal share a rank, 0 sorts first);
// nRanks receives the number of distinct ranks. Exposed for the tests.
// Throws std::bad_alloc.
std::vector<uint32_t> CollationRanks(const std::vector<std::wstring>& texts, LCID lcid, size_t& nRanks);
