// The file work of the three dictionary edits. Each returns TRUE when the
// file now holds what was asked; on FALSE nothing was finished and
// strError holds the text for the status bar.
//
// A rewrite goes through the scratch file and replaces the dictionary file
// in one step, so the user always has a complete dictionary file: if
// anything fails, the old file is untouched.
#pragma once

#include "framework/File.h"
#include "framework/String.h"

// Readies a dictionary file, open for reading and writing, for appending
// entries: drops a trailing 0x1A end-of-text mark, moves to the end, and
// returns what must be written before the first entry ("\r\n" when the last
// line lacks its line end, so that the entry does not join onto it; else
// nothing). Throws CFileException*.
LPCSTR PrepareAppend(CFile& file);

// Appends word ":" translations and a CR LF. A last line without its line
// end gets one first, so the new entry never joins onto it.
BOOL AppendEntry(LPCSTR pszDictionary, const CString& strWord, const CString& strTranslations,
                 CString& strError);

// The first line whose head word is strWord becomes word ":" translations;
// later lines with that head word are dropped.
BOOL ReplaceEntry(LPCSTR pszDictionary, LPCSTR pszTemp, const CString& strWord,
                  const CString& strTranslations, CString& strError);

// Drops every line whose head word is strWord.
BOOL RemoveEntry(LPCSTR pszDictionary, LPCSTR pszTemp, const CString& strWord, CString& strError);

// Status texts of the edits when the dictionary file cannot be opened.
extern const char kCannotOpenForAddition[];
extern const char kCannotOpenForModification[];
extern const char kCannotOpenForDeletion[];
