#include "dictionary/DictionaryPaths.h"

#include "framework/Module.h"

const char kTempFileName[] = "temp.tmp";

CFilePath GetExecutableDirectory() {
    return CFilePath(AfxGetModuleFilePath()).Folder();
}

CFilePath GetProgramFilePath(LPCSTR pszFileName) {
    return GetExecutableDirectory() + pszFileName;
}

LPCSTR GetDictionaryFileName(int nDirection) {
    return nDirection ? "ro.tmp" : "en.tmp";
}
