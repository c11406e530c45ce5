// Switching between English -> Romanian and Romanian -> English; the title
// names the current direction.
#include "frame/MainFrame.h"

void CMainFrame::OnEnglishRomanian() {
    if (IsRomanianEnglish(m_settings.direction))
        m_lookup.LoadDirection(Direction::kEnglishRomanian);
}

void CMainFrame::OnRomanianEnglish() {
    if (!IsRomanianEnglish(m_settings.direction))
        m_lookup.LoadDirection(Direction::kRomanianEnglish);
}

void CMainFrame::OnUpdateFrameTitle(BOOL) {
    SetWindowText(IsRomanianEnglish(m_settings.direction) ? "Romanian - English" : "English - Romanian");
}
