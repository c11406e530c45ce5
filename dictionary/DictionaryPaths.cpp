#include "dictionary/DictionaryPaths.h"

const char kTempFileName[] = "temp.tmp";

CString GetExecutableDirectory() {
    char path[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString strPath(path, static_cast<int>(n < MAX_PATH ? n : MAX_PATH));
    return strPath.Left(strPath.ReverseFind('\\') + 1);
}

CString GetProgramFilePath(LPCSTR pszFileName) {
    return GetExecutableDirectory() + pszFileName;
}

LPCSTR GetDictionaryFileName(int nDirection) {
    return nDirection ? "ro.tmp" : "en.tmp";
}
