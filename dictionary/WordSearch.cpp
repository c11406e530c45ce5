#include "dictionary/WordSearch.h"

#include "dictionary/WordListIndex.h"
#include "framework/Controls.h"

namespace {

CString Folded(CString strText) {
    strText.MakeUpper();
    return strText;
}

int FindRowByRow(CListBox& list, const CString& strText) {
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

}  // namespace

int FindWordBeginningWith(HWND hList, const CString& strText, const dictionary::WordListIndex* pIndex) {
    CListBox list(hList);
    if (!pIndex || pIndex->RowCount() != static_cast<size_t>(list.GetCount()))
        return FindRowByRow(list, strText);
    const size_t nRow = pIndex->FindFirstBeginningWith(strText.Str());
    return nRow == dictionary::WordListIndex::npos ? LB_ERR : static_cast<int>(nRow);
}

int SelectWordBeginningWith(HWND hList, const CString& strText, const dictionary::WordListIndex* pIndex) {
    int nIndex = FindWordBeginningWith(hList, strText, pIndex);
    if (nIndex != LB_ERR)
        CListBox(hList).SetCurSel(nIndex);
    return nIndex;
}
