// The file work of the three dictionary edits. Each one's outcome succeeds
// when the file now holds what was asked; when it fails, nothing was
// finished and its text is for the status bar.
//
// The user always has a complete dictionary file. A change or a deletion
// writes the new content to the scratch file and then puts it in the
// dictionary file's place in one step: if anything fails on the way (a full
// disk, a locked scratch file, the process killed), the old file is
// untouched, and a scratch file that did not take its place is removed. An
// addition leaves every existing byte where it is and appends in one write,
// cut back again if that write fails part-way, so it costs the same on any
// size of file.
#pragma once

#include "framework/File.h"
#include "framework/Outcome.h"
#include "framework/String.h"

#include <string>

// Readies a dictionary file, open for reading and writing, for appending
// entries in place: drops a trailing 0x1A end-of-text mark, moves to the
// end, and returns what must be written before the first entry ("\r\n" when
// the last line lacks its line end, so that the entry does not join onto
// it; else nothing). Throws CFileException*.
LPCSTR PrepareAppend(CFile& file);

// Puts the open dictionary file, with text (whole lines, each with its line
// end) appended as PrepareAppend would append it, in its own place through
// the scratch file beside it ("temp.tmp" in the same folder). In a file that
// holds a 0x1A before its end the text goes in before that mark, where a
// reader sees it; the bytes after the mark stay as they are. Closes file.
// Throws CFileException*.
void AppendThroughScratch(CFile& file, const CFilePath& dictionaryPath, const std::string& text);

// Appends text (whole lines, each with its line end) to the open dictionary
// file in place, as PrepareAppend would, and puts it on the disk. On
// failure the file keeps its old content. Throws CFileException*.
void AppendInPlace(CFile& file, const std::string& text);

// Appends word ":" translations and a CR LF. A last line without its line
// end gets one first, so the new entry never joins onto it. bBeforeEndMark:
// the file has text after an end-of-text mark, so the entry goes in through
// the scratch file, before the mark, where it is read.
COutcome AppendEntry(const CFilePath& dictionaryPath, const CString& strWord, const CString& strTranslations,
                     bool bBeforeEndMark = false);

// The first line whose head word is strWord becomes word ":" translations;
// later lines with that head word are dropped. A file without such a line
// stays as it is, and the outcome is a failure.
COutcome ReplaceEntry(const CFilePath& dictionaryPath, const CFilePath& tempPath, const CString& strWord,
                      const CString& strTranslations);

// Drops every line whose head word is strWord.
COutcome RemoveEntry(const CFilePath& dictionaryPath, const CFilePath& tempPath, const CString& strWord);

// Status texts of the edits when the dictionary file cannot be opened.
extern const char kCannotOpenForAddition[];
extern const char kCannotOpenForModification[];
extern const char kCannotOpenForDeletion[];
