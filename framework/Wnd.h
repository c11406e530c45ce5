// CWnd: a window object. Windows we create are attached before their first
// message (WM_NCCREATE) and detached after their last (WM_NCDESTROY); one
// map from handles to objects stands behind FromHandle. System controls and
// dialog controls are subclassed so that their object's message map sees
// their messages first. No exception ever leaves a window procedure. The
// operations on the window itself (text, state, geometry...) come from
// CWndHandle and CWndGeometry.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/Exception.h"
#include "framework/Types.h"
#include "framework/WndGeometry.h"

class CWnd : public CCmdTarget, public CWndGeometry {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : CWndGeometry(hWnd) {}
    ~CWnd() override;

    // The object attached to hWnd; for a window of someone else's, a
    // temporary object that lives until the next idle time.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();
    BOOL Attach(HWND hWnd);
    HWND Detach();

    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    // Creates a modeless dialog from a template, attached like any window.
    BOOL CreateDlg(UINT nIDTemplate, CWnd* pParentWnd);
    // Takes over a window made elsewhere (a dialog's control, say).
    BOOL SubclassWindow(HWND hWnd);

    // Offered every message by the message loop before it is dispatched
    // (see AfxWalkPreTranslateTree); TRUE when the window took it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Message handling.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Dispatches through the message map; TRUE when an entry handled it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A control's notification offered back to the control (reflection):
    // the control's own message map may keep it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window's last message has been handled and the object detached.
    virtual void PostNcDestroy() {}
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    // Called when a window made elsewhere is subclassed.
    virtual void PreSubclassWindow() {}
    // A dialog's WM_INITDIALOG; the result says whether the system should
    // set the focus.
    virtual BOOL HandleInitDialog(WPARAM, LPARAM) { return TRUE; }

    static const AFX_MSGMAP* GetThisMessageMap();

protected:
    const AFX_MSGMAP* GetMessageMap() const override;

    // The default handlers that derived message maps chain to.
    int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
    void OnSize(UINT, int, int) { Default(); }
    void OnShowWindow(BOOL, UINT) { Default(); }
    void OnDestroy() { Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    BOOL OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }
    void OnLButtonDblClk(UINT, CPoint) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    void OnSetFocus(CWnd*) { Default(); }
    void OnSettingChange(UINT, LPCWSTR) { Default(); }

    WNDPROC m_pfnSuper = nullptr;  // the procedure our subclass passes unhandled messages to
    // The window and its controls take the palette's colours (a dark look)
    // where no handler colours them.
    BOOL m_bPaletteColours = FALSE;

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);

    BOOL m_bTemporary = FALSE;
};

// The window procedure of every window with an object attached.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// The dialog procedure of dialogs with an object attached.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The message loop hands every message to the windows from the target up
// to (not beyond) hWndStop; TRUE when one of them took it.
BOOL AfxWalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

// Registers a window class once, as a Unicode class; an already registered
// class is fine. The names are Windows-1250 text or resource numbers.
BOOL AfxRegisterClass(WNDCLASSA* lpWndClass);
// Registers once a plain class of that style (no cursor, brush or icon); returns its name.
LPCSTR AfxRegisterWndClass(UINT nClassStyle);

// Runs f, turning any exception into a quiet failure: no exception may
// cross a window procedure or a thread's entry.
template <class F, class R>
R AfxCallGuarded(F&& f, R failure) {
    try {
        return f();
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    return failure;
}
