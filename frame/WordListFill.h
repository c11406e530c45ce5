// Filling the word list, a sorted list box, with the head words of the
// loaded lines, fast: the rows come in the order adding them one by one
// would leave (worked out by dictionary/WordListRows.h), at the list's end,
// its storage reserved, where nothing is searched or shifted.
#pragma once

#include "dictionary/DictionaryLoad.h"
#include "dictionary/LoadedLines.h"
#include "dictionary/StageProgress.h"

#include <windows.h>

#include <cstdint>
#include <vector>

// Adds a row to the sorted list box hList for every loaded line: its head
// word up to any NUL. The rows and their order are those that adding them
// one by one (LB_ADDSTRING, in file order) would give. Returns TRUE when
// lineOfRow now tells, for each row of the list, the line it shows; FALSE
// when it cannot (the list held rows already, so they were added one by one
// among them, or a row was refused). onProgress is told now and then how
// far a long fill has come. Throws std::bad_alloc.
// besideInserts, when given, is called with the rows' order while the list
// box takes the rows (on another thread when the list is long), once the
// order is proven to be the list box's; it is not called when the order had
// to be found the slow way.
BOOL FillWordList(HWND hList, const dictionary::LoadedLines& lines, std::vector<uint32_t>& lineOfRow,
                  const dictionary::Progress& onProgress = dictionary::Progress(),
                  const OrderWork& besideInserts = OrderWork());

// The fill of hList as a load takes it (see LoadDictionaryFile).
RowFill ListBoxFill(HWND hList, const dictionary::Progress& onProgress = dictionary::Progress());
