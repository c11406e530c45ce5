// CCmdTarget: an object with a message map that commands can be routed to,
// and CCmdUI, through which update handlers enable, check and radio-mark a
// command's menu item, toolbar button or status pane.
#pragma once

#include "framework/MessageMap.h"
#include "framework/Object.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Looks for a handler of the command (nCode CN_COMMAND), its update
    // handler (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI) or a control
    // notification. With pHandlerInfo set, only reports whether one exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);
    // Calls the map's handler of a window message (not a command or a
    // notification); FALSE when the map has none.
    BOOL OnTargetMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    static const AFX_MSGMAP* GetThisMessageMap();

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);

    // Lets the handler's caller keep routing as if there were no handler.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's update handler; without one, disables the item when
    // bDisableIfNoHandler is set and nobody handles the command itself.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;         // position in the menu, bar or pane list
    HMENU m_hMenu = nullptr;   // the menu being updated, if any
    CWnd* m_pOther = nullptr;  // the window being updated (a bar or a control)
    UINT m_nIndexMax = 0;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};

// Records what an update handler decided without touching any window: used
// to refuse a disabled command that comes from an accelerator.
class CTestCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck = 1) override { m_nCheck = nCheck; }
    void SetRadio(BOOL bOn = TRUE) override { m_nCheck = bOn ? 1 : 0; }
    void SetText(LPCSTR) override {}

    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
};
