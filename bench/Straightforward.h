// The straightforward way of doing what the program does with its loaded
// dictionary: every row added to the sorted list box on its own, the lines
// kept as a list of strings and walked whole for each lookup, and a change
// copying the file line by line. The benchmark's baseline, and the
// reference the tests compare the program with.
#pragma once

#include "StringList.h"

#include "framework/FilePath.h"
#include "framework/String.h"

#include <string>
#include <vector>

// Reads the file line by line in text mode; for every non-empty line adds
// its head word (up to any NUL) to the sorted list box with LB_ADDSTRING,
// which searches its place (no list box: none), and appends the line to
// lines. FALSE when the file does not open or a read fails.
BOOL LoadOneByOne(const CFilePath& path, HWND hList, CStringList& lines);

// The translation items a lookup of strWord shows, in the order it adds
// them: the items of every line whose head word is strWord, in file order.
std::vector<std::string> ScanTranslations(const CStringList& lines, const CString& strWord);

// A change of the file line by line: read in text mode, every line kept
// (or its replacement, for a modify: pstrTranslations given) written with
// an LF to the scratch file, then the dictionary file deleted and the
// scratch file renamed to its name.
BOOL RewriteLineByLine(const CFilePath& dictionaryPath, const CFilePath& tempPath, const CString& strWord,
                       const CString* pstrTranslations);

// An addition in place: the line and a CR LF written at the end of the file.
BOOL AppendAtEnd(const CFilePath& dictionaryPath, const CString& strWord, const CString& strTranslations);
