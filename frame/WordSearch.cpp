#include "frame/WordSearch.h"

#include "dictionary/TextFold.h"
#include "dictionary/WordListIndex.h"
#include "framework/Controls.h"

namespace {

int FindRowByRow(CListBox& list, const CString& strText, const dictionary::CaseFold& fold) {
    const std::string prefix = fold.Folded(strText.Str());
    const int nLength = strText.GetLength();
    const int nCount = list.GetCount();
    CString strRow;
    for (int i = 0; i < nCount; ++i) {
        if (list.GetTextLen(i) < nLength)
            continue;
        list.GetText(i, strRow);
        if (fold.Folded(strRow.Left(nLength).Str()) == prefix)
            return i;
    }
    return LB_ERR;
}

}  // namespace

int FindWordBeginningWith(HWND hList, const CString& strText, const dictionary::WordListIndex* pIndex) {
    CListBox list(hList);
    if (!pIndex || pIndex->RowCount() != static_cast<size_t>(list.GetCount())) {
        const int nRow = FindRowByRow(list, strText, TextCaseFold());
        return nRow != LB_ERR ? nRow : FindRowByRow(list, strText, TextPlainFold());
    }
    const size_t nRow = pIndex->FindWord(strText.Str());
    return nRow == dictionary::WordListIndex::npos ? LB_ERR : static_cast<int>(nRow);
}

int SelectWordBeginningWith(HWND hList, const CString& strText, const dictionary::WordListIndex* pIndex) {
    int nIndex = FindWordBeginningWith(hList, strText, pIndex);
    if (nIndex != LB_ERR)
        CListBox(hList).SetCurSel(nIndex);
    return nIndex;
}

dictionary::WordMatch SelectLookedUpWord(HWND hList, const CString& strText,
                                         const dictionary::WordListIndex* pIndex,
                                         const dictionary::WordForms& forms, bool bEnglish) {
    CListBox list(hList);
    dictionary::WordMatch match;
    if (!pIndex || pIndex->RowCount() != static_cast<size_t>(list.GetCount())) {
        const int nRow = SelectWordBeginningWith(hList, strText, pIndex);
        if (nRow != LB_ERR) {
            match.kind = dictionary::WordMatch::Kind::kBeginning;
            match.nRow = static_cast<size_t>(nRow);
        }
        return match;
    }
    match = dictionary::MatchWord(strText.Str(), *pIndex, forms, bEnglish);
    if (match.kind != dictionary::WordMatch::Kind::kNone)
        list.SetCurSel(static_cast<int>(match.nRow));
    return match;
}
