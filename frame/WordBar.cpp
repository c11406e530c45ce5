#include "frame/WordBar.h"

#include "framework/Dpi.h"
#include "res/resource.h"

namespace {

const char kFace[] = "Arial";
const int kNormalPointSize = 100;

int TextHeight(HWND hWnd, HFONT hFont) {
    HDC hDC = ::GetDC(hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWnd, hDC);
    return tm.tmHeight;
}

}  // namespace

CWnd* CWordBar::GetWordBox() const {
    return m_hWnd ? GetDlgItem(IDC_WORDBOX) : nullptr;
}

CWnd* CWordBar::GetShownWordBox() const {
    return m_hWnd && IsWindowVisible() ? GetWordBox() : nullptr;
}

void CWordBar::SetTextFont(UINT nFromDpi, UINT nDpi, int nPointSize) {
    HWND hBox = ::GetDlgItem(m_hWnd, IDC_WORDBOX);
    if (!hBox)
        return;
    // The designed layout is scaled for the resolution; the text's share
    // is added to it afterwards.
    GrowControl(IDC_WORDBOX, -m_cyExtra);
    ScaleLayout(nFromDpi, nDpi);
    CFont font;
    font.Attach(dpi::CreatePointFont(nPointSize, kFace, nDpi));
    ::SendMessageW(hBox, WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    m_font.DeleteObject();  // the box holds the new font now
    m_font.Attach(font.Detach());
    m_cyExtra = 0;
    if (nPointSize != kNormalPointSize) {
        CFont normal;
        normal.Attach(dpi::CreatePointFont(kNormalPointSize, kFace, nDpi));
        m_cyExtra = TextHeight(hBox, m_font) - TextHeight(hBox, normal);
    }
    GrowControl(IDC_WORDBOX, m_cyExtra);
}
