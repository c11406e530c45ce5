#include "dictionary/DictionaryPaths.h"

#include "framework/Module.h"

const char kTempFileName[] = "temp.tmp";

CFilePath GetExecutableDirectory() {
    return CFilePath(AfxGetModuleFilePath()).Folder();
}

CFilePath GetProgramFilePath(LPCSTR pszFileName) {
    return GetExecutableDirectory() + pszFileName;
}

LPCSTR GetDictionaryFileName(Direction direction) {
    return IsRomanianEnglish(direction) ? "ro.tmp" : "en.tmp";
}
