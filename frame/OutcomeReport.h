// Where the user is told how a piece of work ended: the text of its outcome
// goes to the main window's status bar, as much of it as the bar's reports
// take. Every outcome of the dictionary core and of the threads that the
// user hears of, and every failure the window's own commands meet, is shown
// through here (the update's balloon repeats its report); so are the update
// cycle's steps.
#pragma once

#include "framework/Outcome.h"

class CFrameWnd;

// Shows strText in pFrame's status bar; nothing without a frame.
void ShowOutcomeText(CFrameWnd* pFrame, const CString& strText);

template <class Kind>
void ShowOutcome(CFrameWnd* pFrame, const TOutcome<Kind>& outcome) {
    ShowOutcomeText(pFrame, outcome.GetText());
}
