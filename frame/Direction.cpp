// Switching between English -> Romanian and Romanian -> English; the title
// names the current direction.
#include "app/TavApp.h"
#include "frame/MainFrame.h"

void CMainFrame::OnEnglishRomanian() {
    if (IsRomanianEnglish(theApp.m_direction))
        m_lookup.LoadDirection(Direction::kEnglishRomanian);
}

void CMainFrame::OnRomanianEnglish() {
    if (!IsRomanianEnglish(theApp.m_direction))
        m_lookup.LoadDirection(Direction::kRomanianEnglish);
}

void CMainFrame::OnUpdateFrameTitle(BOOL) {
    SetWindowText(IsRomanianEnglish(theApp.m_direction) ? "Romanian - English" : "English - Romanian");
}
