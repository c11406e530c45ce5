#include "Straightforward.h"

#include "dictionary/DictionaryFormat.h"
#include "framework/StdioFile.h"

namespace {

std::string_view HeadOf(const CString& strLine) {
    return dictionary::HeadWord(strLine.Str());
}

}  // namespace

BOOL LoadOneByOne(LPCSTR pszPath, HWND hList, CStringList& lines) {
    CStdioFile file;
    if (!file.Open(pszPath, CFile::modeRead | CFile::typeText))
        return FALSE;
    try {
        CString strLine;
        while (file.ReadString(strLine)) {
            if (strLine.IsEmpty())
                continue;
            if (hList)
                SendMessageA(hList, LB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(std::string(HeadOf(strLine)).c_str()));
            lines.AddTail(std::move(strLine));
        }
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

std::vector<std::string> ScanTranslations(const CStringList& lines, const CString& strWord) {
    std::vector<std::string> items;
    for (POSITION pos = lines.GetHeadPosition(); pos;) {
        const CString& strLine = lines.GetNext(pos);
        if (HeadOf(strLine) == strWord.Str())
            dictionary::Split(dictionary::Translations(strLine.Str()), "|", items);
    }
    return items;
}

BOOL RewriteLineByLine(LPCSTR pszDictionary, LPCSTR pszTemp, const CString& strWord,
                       const CString* pstrTranslations) {
    CStdioFile source;
    if (!source.Open(pszDictionary, CFile::modeReadWrite | CFile::typeText))
        return FALSE;
    try {
        CStdioFile target(pszTemp, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        BOOL bReplaced = FALSE;
        CString strLine;
        while (source.ReadString(strLine)) {
            if (strLine.IsEmpty() || HeadOf(strLine) != strWord.Str()) {
                target.WriteString(strLine);
            } else if (pstrTranslations && !bReplaced) {
                target.WriteString(strWord + ":" + *pstrTranslations);
                bReplaced = TRUE;
            } else {
                continue;
            }
            target.WriteString("\n");
        }
        source.Close();
        target.Close();
        CFile::Remove(pszDictionary);
        CFile::Rename(pszTemp, pszDictionary);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL AppendAtEnd(LPCSTR pszDictionary, const CString& strWord, const CString& strTranslations) {
    CStdioFile file;
    if (!file.Open(pszDictionary, CFile::modeReadWrite | CFile::typeText))
        return FALSE;
    try {
        file.SeekToEnd();
        file.WriteString(strWord + ":" + strTranslations);
        file.WriteString("\n");
        file.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}
