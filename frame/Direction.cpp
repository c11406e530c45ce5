// Switching between English -> Romanian and Romanian -> English; the title
// names the current direction.
#include "app/TavApp.h"
#include "frame/MainFrame.h"

void CMainFrame::OnEnglishRomanian() {
    if (theApp.m_nDirection != 0)
        SendMessage(WM_LOAD_DICTIONARY, 0);
}

void CMainFrame::OnRomanianEnglish() {
    if (theApp.m_nDirection == 0)
        SendMessage(WM_LOAD_DICTIONARY, 1);
}

void CMainFrame::OnUpdateFrameTitle(BOOL) {
    SetWindowText(theApp.m_nDirection != 0 ? "Romanian - English" : "English - Romanian");
}
