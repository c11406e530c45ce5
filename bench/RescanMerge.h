// The update merge the straightforward way: for every downloaded line the
// local dictionary file is read again from its start, line by line, until a
// line with the same head word turns up; a line that finds none is appended
// at once, so it counts as present for the lines after it. Its cost grows
// with the product of the two line counts. It serves the benchmark as the
// baseline and the tests as the reference the program's indexed merge must
// agree with, byte for byte.
#pragma once

#include "dictionary/DictionaryMerge.h"
#include "framework/Array.h"
#include "framework/String.h"

// Head words are compared as the program compares them (CString::MakeUpper
// on both sides); a missing final line end is supplied before the first
// append, as every append does.
MergeResult RescanMerge(const CFilePath& dictionaryPath, const CStringArray& arrLines);
