#include "dictionary/WordSearch.h"

#include "framework/Controls.h"

namespace {

CString Folded(CString strText) {
    strText.MakeUpper();
    return strText;
}

}  // namespace

int FindWordBeginningWith(HWND hList, const CString& strText) {
    CListBox list(hList);
    const CString strPrefix = Folded(strText);
    const int nLength = strPrefix.GetLength();
    const int nCount = list.GetCount();
    CString strRow;
    for (int i = 0; i < nCount; ++i) {
        if (list.GetTextLen(i) < nLength)
            continue;
        list.GetText(i, strRow);
        if (Folded(strRow.Left(nLength)) == strPrefix)
            return i;
    }
    return LB_ERR;
}

int SelectWordBeginningWith(HWND hList, const CString& strText) {
    int nIndex = FindWordBeginningWith(hList, strText);
    if (nIndex != LB_ERR)
        CListBox(hList).SetCurSel(nIndex);
    return nIndex;
}
