// Reading a dictionary file into memory and indexing it: the work of the
// document's loads, apart from the word list itself, the progress bar and
// the status messages.
#pragma once

#include "dictionary/LoadedLines.h"
#include "dictionary/WordListIndex.h"
#include "framework/File.h"
#include "framework/FilePath.h"
#include "framework/Outcome.h"
#include "framework/String.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

extern const char kCannotOpenDatabase[];  // "Can not open database"

// Reads the whole open file into bytes and closes it. On a failure part way
// bytes hold what was read, and the outcome says why.
COutcome ReadWholeFile(CFile& file, std::string& bytes);

// How many lines a text-mode reader delivers from the file, empty lines
// included: 0 when it does not open, the lines so far when reading fails.
int CountDictionaryLines(const CFilePath& path);

// Work on the loaded lines in the word list's order: lineOfRow[row] is the
// line the row shows.
using OrderWork = std::function<void(const std::vector<uint32_t>& lineOfRow)>;

// Puts a row for every loaded line into the word list (in the program, a
// list box: frame/WordListFill.h). TRUE when lineOfRow then tells, for each
// row, the line it shows; FALSE when it cannot. besideInserts, when given,
// is called with that order while the list takes the rows, once the order
// is known to be the list's own. May throw std::bad_alloc.
using RowFill = std::function<BOOL(const dictionary::LoadedLines& lines, std::vector<uint32_t>& lineOfRow,
                                   const OrderWork& besideInserts)>;

// Reads the file at path into lines, has fillRows (when given) put a row
// for every line into the word list, and indexes the lines by head word
// and, where the rows' order is known, the rows for the word box's search
// (index stays empty otherwise). A failure, with the status text, when the
// file does not open, reading fails part way (the lines read
// before stay, with their rows) or memory runs out.
// besideRows, when given, is called once with the lines in the list's order
// (file order when the list's order cannot be told): on the thread that
// builds the index, while the list takes the rows, when the list is long.
// It may throw std::bad_alloc.
COutcome LoadDictionaryFile(const CFilePath& path, const RowFill& fillRows, dictionary::LoadedLines& lines,
                            dictionary::WordListIndex& index, const OrderWork& besideRows = OrderWork());
