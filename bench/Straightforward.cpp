#include "Straightforward.h"

#include "StdioFile.h"

#include "dictionary/DictionaryFormat.h"
#include "framework/Controls.h"

namespace {

std::string_view HeadOf(const CString& strLine) {
    return dictionary::HeadWord(strLine.Str());
}

}  // namespace

BOOL LoadOneByOne(const CFilePath& path, HWND hList, CStringList& lines) {
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeText))
        return FALSE;
    try {
        CString strLine;
        while (file.ReadString(strLine)) {
            if (strLine.IsEmpty())
                continue;
            if (hList)
                CListBox(hList).AddString(std::string(HeadOf(strLine)).c_str());
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

BOOL RewriteLineByLine(const CFilePath& dictionaryPath, const CFilePath& tempPath, const CString& strWord,
                       const CString* pstrTranslations) {
    CStdioFile source;
    if (!source.Open(dictionaryPath, CFile::modeReadWrite | CFile::typeText))
        return FALSE;
    try {
        CStdioFile target(tempPath, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
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
        CFile::Remove(dictionaryPath);
        CFile::Rename(tempPath, dictionaryPath);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL AppendAtEnd(const CFilePath& dictionaryPath, const CString& strWord, const CString& strTranslations) {
    CStdioFile file;
    if (!file.Open(dictionaryPath, CFile::modeReadWrite | CFile::typeText))
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
