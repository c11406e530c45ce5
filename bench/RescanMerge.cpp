#include "RescanMerge.h"

#include "StdioFile.h"

#include "dictionary/DictionaryEdits.h"

namespace {

CString KeyOf(const CString& strLine) {
    int nColon = strLine.Find(':');
    CString strKey = nColon < 0 ? CString() : strLine.Left(nColon);
    strKey.MakeUpper();
    return strKey;
}

}  // namespace

MergeResult RescanMerge(const CFilePath& dictionaryPath, const CStringArray& arrLines) {
    CStdioFile file;
    if (!file.Open(dictionaryPath, CFile::modeReadWrite | CFile::shareExclusive | CFile::typeText))
        return MergeOutcome::kCannotOpen;
    BOOL bAppended = FALSE;
    try {
        const INT_PTR nCount = arrLines.GetSize();
        for (INT_PTR i = 0; i < nCount; ++i) {
            const CString strKey = KeyOf(arrLines[i]);
            if (strKey.IsEmpty())
                continue;
            file.SeekToBegin();
            BOOL bPresent = FALSE;
            CString strLocal;
            while (!bPresent && file.ReadString(strLocal))
                bPresent = !strLocal.IsEmpty() && KeyOf(strLocal) == strKey;
            if (bPresent)
                continue;
            if (!bAppended && *PrepareAppend(file))
                file.WriteString("\n");
            file.SeekToEnd();
            file.Write(arrLines[i].Str().data(), static_cast<UINT>(arrLines[i].GetLength()));
            file.WriteString("\n");
            bAppended = TRUE;
        }
        file.Close();
    } catch (CException* e) {
        return MergeResult(MergeOutcome::kFailed, AfxTakeErrorText(e));
    }
    return bAppended ? MergeOutcome::kAppended : MergeOutcome::kNothingNew;
}
