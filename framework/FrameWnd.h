// CFrameWnd: a top-level frame with a menu, accelerators, control bars
// docked in rows along its sides, a client pane (a view or a splitter), an
// active view and a status bar for messages. Commands go to the frame's
// parts, the active view (and its document), then the frame, then the
// application.
#pragma once

#include "framework/AfxRes.h"
#include "framework/DockLayout.h"
#include "framework/Wnd.h"

#include <vector>

class CControlBar;
class CDocument;
class CView;
struct CCreateContext;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() : m_docking(*this) {}

    // Creates the frame with the menu, accelerators and icon of nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Shows the frame's title (the application's name when it has none).
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    // Lays out the bars and the client pane in the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    CDocument* GetActiveDocument() const;

    // The status bar's message pane.
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);
    CWnd* GetMessageBar() const;

    // The control bars, docked in rows along the sides.
    CDockLayout m_docking;
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    void SaveBarState(LPCSTR lpszProfileName) const { m_docking.SaveBarState(lpszProfileName); }
    void LoadBarState(LPCSTR lpszProfileName) { m_docking.LoadBarState(lpszProfileName); }

    // A part of the frame: an object the frame owns that takes its commands
    // and its window messages (ON_MESSAGE and the like) before the frame.
    void AddPart(CCmdTarget* pPart) { m_parts.push_back(pPart); }

    // Idle time: bars show the state the update handlers decide.
    void OnIdleUpdateCmdUI();
    // The number of the pass over the menus or bars that asks the update
    // handlers now; 0 outside one (a command from an accelerator).
    UINT CurrentUpdatePass() const { return m_bInUpdatePass ? m_nUpdatePass : 0; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void PostNcDestroy() override;

    HACCEL m_hAccelTable = nullptr;

    DECLARE_MESSAGE_MAP()

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnDestroy();
    void OnSetFocus(CWnd* pOldWnd);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnExitMenuLoop(WPARAM wParam, LPARAM lParam);
    void OnViewToolBar() { ToggleBar(AFX_IDW_TOOLBAR); }
    void OnViewStatusBar() { ToggleBar(AFX_IDW_STATUS_BAR); }
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    CString m_strTitle;
    UINT m_nIDResource = 0;

private:
    void ToggleBar(UINT nID);

    CView* m_pViewActive = nullptr;
    std::vector<CCmdTarget*> m_parts;
    BOOL m_bInRecalcLayout = FALSE;
    UINT m_nUpdatePass = 0;
    BOOL m_bInUpdatePass = FALSE;

    // A pass over the menus or bars, for as long as it lives.
    class UpdatePass {
    public:
        explicit UpdatePass(CFrameWnd& frame) : m_frame(frame), m_bWasIn(frame.m_bInUpdatePass) {
            if (++m_frame.m_nUpdatePass == 0)
                ++m_frame.m_nUpdatePass;
            m_frame.m_bInUpdatePass = TRUE;
        }
        ~UpdatePass() { m_frame.m_bInUpdatePass = m_bWasIn; }
        UpdatePass(const UpdatePass&) = delete;
        UpdatePass& operator=(const UpdatePass&) = delete;

    private:
        CFrameWnd& m_frame;
        BOOL m_bWasIn;
    };
};
