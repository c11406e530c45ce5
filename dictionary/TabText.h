// Reading a dictionary kept as tab-separated text, as spreadsheets and
// word lists export it.
#pragma once

#include "dictionary/ImportEntry.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace dictionary {

// One entry a line: head word, a tab, translations separated by ';' or '|'.
// Lines are cut at LF (CR before it dropped). UTF-8 with or without BOM,
// else Windows-1250 (decided for the whole file by codepage::IsValidUtf8),
// converted to UTF-8 with codepage::ToUtf8. Lines without a tab, with an
// empty head word or without any translation are skipped and counted in
// *pSkipped. Lines starting with '#' are comments, and blank lines are
// nothing; neither is counted.
void ReadTabText(std::string_view bytes, std::vector<ImportEntry>& entries, size_t* pSkipped = nullptr);

}  // namespace dictionary
