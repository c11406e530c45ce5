// Reading a dictionary file into memory and into the word list: the work of
// the document's loads, apart from its progress bar and status messages.
#pragma once

#include "dictionary/LoadedLines.h"
#include "dictionary/WordListFill.h"
#include "dictionary/WordListIndex.h"
#include "framework/File.h"
#include "framework/FilePath.h"
#include "framework/String.h"

#include <string>

extern const char kCannotOpenDatabase[];  // "Can not open database"

// Reads the whole open file into bytes and closes it. On a failure part way
// the reason goes to strError, bytes hold what was read, and the result is
// FALSE.
BOOL ReadWholeFile(CFile& file, std::string& bytes, CString& strError);

// How many lines a text-mode reader delivers from the file, empty lines
// included: 0 when it does not open, the lines so far when reading fails.
int CountDictionaryLines(const CFilePath& path);

// Reads the file at pszPath into lines, adds a row to the empty word list
// hList (none when it is null) for every line, in the order adding them one
// by one would give, and indexes the lines by head word and, where it can,
// the rows for the word box's search (index stays empty otherwise). FALSE
// with the status text in strError when the file does not open, reading
// fails part way (the lines read before stay, with their rows) or memory
// runs out.
// besideRows, when given, is called once with the lines in the list's order
// (file order when the list's order cannot be told): on the thread that
// builds the index, while the list box takes the rows, when the list is
// long. It may throw std::bad_alloc.
BOOL LoadDictionaryFile(const CFilePath& path, HWND hList, dictionary::LoadedLines& lines,
                        dictionary::WordListIndex& index, CString& strError,
                        const FillProgress& onProgress = FillProgress(),
                        const OrderWork& besideRows = OrderWork());
