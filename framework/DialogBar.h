// CDialogBar: a control bar made from a dialog template; its controls'
// notifications go on to the frame.
#pragma once

#include "framework/ControlBar.h"

class CDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar() = default;

    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;
    // The bar and its controls, laid out for nFromDpi, made the size they
    // have at nToDpi (the template is laid out only when the bar is made).
    void ScaleLayout(UINT nFromDpi, UINT nToDpi);
    // Makes control nID cyBy pixels higher (lower when negative), and the
    // bar with it.
    void GrowControl(UINT nID, int cyBy);

private:
    CSize m_sizeDefault;
};
