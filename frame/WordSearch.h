// The word box's search in the word list: the first row from the top that
// begins with the typed text, ignoring case letter by letter (so ă finds Ă
// and ţ finds Ţ, which the list box's own prefix search does not do
// everywhere). When no row begins with the text so, the first row that
// begins with it once the Romanian diacritics are set aside: "pasare" finds
// "pasăre", "tanar" finds "tânăr".
//
// With an index of the list's rows (the document's, as its load left the
// list) the search is a lookup; without one, or when the list no longer
// holds as many rows as the index, it goes through the list row by row.
#pragma once

#include "dictionary/WordMatch.h"
#include "framework/String.h"

// The row's index, or LB_ERR when no row begins with the text.
int FindWordBeginningWith(HWND hList, const CString& strText,
                          const dictionary::WordListIndex* pIndex = nullptr);
// Selects that row (scrolling it into view) and returns its index; with no
// such row the selection stays as it was and the result is LB_ERR.
int SelectWordBeginningWith(HWND hList, const CString& strText,
                            const dictionary::WordListIndex* pIndex = nullptr);

// The word box's lookup: with the index, the head word itself, else the
// head word of a form the text is, else the search above (see WordMatch.h);
// without it, the search above. The row found is selected; with none the
// selection stays as it was and the match's kind is kNone.
dictionary::WordMatch SelectLookedUpWord(HWND hList, const CString& strText,
                                         const dictionary::WordListIndex* pIndex,
                                         const dictionary::WordForms& forms, bool bEnglish);
