// Where the program's files live: beside the executable, the path being
// built afresh at each use.
#pragma once

#include "dictionary/Direction.h"
#include "framework/FilePath.h"

// The running executable's directory, with its trailing backslash.
CFilePath GetExecutableDirectory();
// The executable's directory plus pszFileName.
CFilePath GetProgramFilePath(LPCSTR pszFileName);

// The dictionary file of a direction: "en.tmp" for English -> Romanian,
// else "ro.tmp".
LPCSTR GetDictionaryFileName(Direction direction);

extern const char kTempFileName[];  // "temp.tmp", the rewrite's scratch file
