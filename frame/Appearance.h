// CAppearance: a part of the main window (see CFrameWnd::AddPart) that
// sizes and colours it. The toolbar's images and the fonts follow the
// monitor's resolution, the text size (CTextSize) and the look (CTheme),
// whose View menu commands the command table gives them.
#pragma once

#include "frame/Settings.h"
#include "frame/TextSize.h"
#include "frame/Theme.h"
#include "framework/CmdTarget.h"

class CMainFrame;

class CAppearance : public CCmdTarget {
public:
    explicit CAppearance(CMainFrame& frame);

    // Once the bars exist: images and fonts for the window's monitor, the
    // text size and look the user chose last time.
    void Apply(const TavSettings& settings);
    // The text size and look, for the next start.
    void Save(TavSettings& settings) const;

    DECLARE_MESSAGE_MAP()

protected:
    // The monitor's resolution: images, fonts and bars sized for it.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // Ctrl with the wheel over the word box or a list: the text size.
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
    // Windows' colours or app mode may have changed: the look follows.
    void OnSettingChange(UINT uFlags, LPCWSTR lpszSection);

private:
    void LoadToolbarImages();
    // The word box's and the lists' fonts at the text size, for m_nDpi; the
    // word bar was laid out for nFromDpi.
    void ApplyFonts(UINT nFromDpi);
    // Every part repainted in the look's colours.
    void ApplyLook();
    void OnTextSizeChange();

    CMainFrame& m_frame;
    UINT m_nDpi;  // the resolution bars, images and fonts are sized for

public:
    CTextSize m_textSize;
    CTheme m_theme;
};
