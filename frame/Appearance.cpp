// The main window's sizes and colours: the monitor's resolution, the text
// size and the look.
#include "frame/Appearance.h"

#include "frame/ListViews.h"
#include "frame/MainFrame.h"
#include "framework/Dpi.h"
#include "framework/MessageGuard.h"
#include "framework/Palette.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAppearance, CCmdTarget)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheel)
ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

namespace {

// The toolbar bitmaps' background, transparent on the buttons.
const COLORREF kToolbarMaskColor = RGB(254, 255, 1);

// The text size's note in the status bar goes after a while, unless
// something else has been said since.
const UINT_PTR ID_TIMER_TEXT_SIZE_NOTE = 110;
const UINT kTextSizeNoteTime = 2000;

void CALLBACK EndTextSizeNote(HWND hWnd, UINT, UINT_PTR nIDEvent, DWORD) {
    ::KillTimer(hWnd, nIDEvent);
    auto* pFrame = DynamicDowncast<CFrameWnd>(CWnd::FromHandlePermanent(hWnd));
    CWnd* pBar = pFrame ? pFrame->GetMessageBar() : nullptr;
    CString strText;
    if (pBar && pBar->GetWindowText(strText) && strText.Find("Text size ") == 0)
        pFrame->SetMessageText(AFX_IDS_IDLEMESSAGE);
}

}  // namespace

CAppearance::CAppearance(CMainFrame& frame) : m_frame(frame), m_nDpi(dpi::kDesignDpi) {
    m_textSize.m_onChange = [this] { OnTextSizeChange(); };
    m_theme.m_onChange = [this] { ApplyLook(); };
}

void CAppearance::Apply(const TavSettings& settings) {
    m_nDpi = dpi::ForWindow(m_frame.m_hWnd);
    LoadToolbarImages();
    m_textSize.Load(settings.nTextSize);
    ApplyFonts(m_nDpi);
    m_theme.Load(settings.nLook);
    m_theme.Refresh();
}

void CAppearance::Save(TavSettings& settings) const {
    settings.nTextSize = m_textSize.Percent();
    settings.nLook = static_cast<int>(m_theme.Choice());
}

void CAppearance::LoadToolbarImages() {
    m_frame.m_wndToolBar.SetNormalImages(IDB_TOOLBAR, kToolbarMaskColor, m_nDpi);
    m_frame.m_wndToolBar.SetDisabledImages(IDB_TOOLBAR_DISABLED, kToolbarMaskColor, m_nDpi);
    m_frame.RecalcLayout(TRUE);
}

LRESULT CAppearance::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    // Whatever the message says, images and fonts are sized for a
    // resolution some monitor has.
    const UINT nDpi = dpi::Clamp(HIWORD(wParam));
    if (nDpi != m_nDpi) {
        const UINT nFromDpi = m_nDpi;
        m_nDpi = nDpi;
        ApplyFonts(nFromDpi);
        LoadToolbarImages();
    }
    // The system's suggestion keeps the window where the user dragged it; it
    // is taken only from the system, and only when it lies on a monitor.
    const auto* pRect =
        messageguard::IsSentFromAnotherThread() ? nullptr : reinterpret_cast<const RECT*>(lParam);
    if (pRect && pRect->right > pRect->left && pRect->bottom > pRect->top &&
        ::MonitorFromRect(pRect, MONITOR_DEFAULTTONULL))
        ::SetWindowPos(m_frame.m_hWnd, nullptr, pRect->left, pRect->top, pRect->right - pRect->left,
                       pRect->bottom - pRect->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void CAppearance::ApplyFonts(UINT nFromDpi) {
    m_frame.m_wndWordBar.SetTextFont(nFromDpi, m_nDpi, m_textSize.PointSize());
    for (CWnd* pList : {m_frame.GetWordList(), m_frame.GetTranslationList()}) {
        if (auto* pView = DynamicDowncast<CDictionaryListView>(pList))
            pView->SetFontForDpi(m_nDpi, m_textSize.PointSize());
    }
    m_frame.RecalcLayout(TRUE);
}

void CAppearance::OnTextSizeChange() {
    ApplyFonts(m_nDpi);
    CString strNote;
    strNote.Format("Text size %d %%", m_textSize.Percent());
    m_frame.SetMessageText(strNote);
    m_frame.SetTimer(ID_TIMER_TEXT_SIZE_NOTE, kTextSizeNoteTime, EndTextSizeNote);
}

LRESULT CAppearance::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
    if (!(GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL))
        return ::DefWindowProcW(m_frame.m_hWnd, WM_MOUSEWHEEL, wParam, lParam);
    m_textSize.OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    return 0;
}

void CAppearance::OnSettingChange(UINT, LPCWSTR) {
    // The section's name is not needed: looking again costs one registry
    // read, and this way a change of high contrast is seen too.
    m_theme.Refresh();
}

void CAppearance::ApplyLook() {
    CTheme::SetDarkTitleBar(m_frame.m_hWnd, m_theme.IsDark());
    m_frame.m_wndStatusBar.SendMessage(
        SB_SETBKCOLOR, 0, m_theme.IsDark() ? static_cast<LPARAM>(palette::Colors().face) : CLR_DEFAULT);
    ::RedrawWindow(m_frame.m_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
