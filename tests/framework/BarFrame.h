// A frame built the way the program builds its main window, for the tests of
// the frame, its bars and its panes: menu and accelerators 130, a toolbar
// from layout 130, a status bar with the three key indicators, a word bar
// (dialog 103) docked right of the toolbar, and as its pane a view or a
// 1 x 2 splitter of views. Its command handlers log to CommandLog().
#pragma once

#include "framework/DialogBar.h"
#include "framework/FrameWnd.h"
#include "framework/Splitter.h"
#include "framework/StatusBar.h"
#include "framework/ToolBar.h"
#include "framework/View.h"

#include <initializer_list>
#include <ostream>
#include <utility>

// A view that counts the times it gains the focus.
class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    void OnDraw(CDC*) override {}

    int m_nFocusGained = 0;

    DECLARE_MESSAGE_MAP()

protected:
    void OnSetFocus(CWnd* pOldWnd);
};

class CBarFrame : public CFrameWnd {
public:
    // Creates the frame, hidden, 640 x 400 at the screen's corner; null on failure.
    static CBarFrame* New(BOOL bSplitter = FALSE);

    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    CDialogBar m_wndWordBar;
    CSplitterWnd m_wndSplitter;
    BOOL m_bSplitter = FALSE;
    int m_nCreateWidth = 0;  // the window's width when the splitter was made

    // What the update handlers decide from.
    int m_nDirection = 0;
    BOOL m_bBusy = FALSE;  // disables both direction commands
    BOOL m_bWordSelected = FALSE;
    BOOL m_bBoxWord = TRUE;
    BOOL m_bEscapeEnabled = TRUE;
    BOOL m_bWordBoxEnabled = TRUE;

    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    DECLARE_MESSAGE_MAP()

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnEnglishRomanian();
    void OnRomanianEnglish();
    void OnWordAdd();
    void OnWordModify();
    void OnBoxWord();
    void OnEscape();
    void OnWordBoxChange();
    void OnUpdateEnglishRomanian(CCmdUI* pCmdUI);
    void OnUpdateRomanianEnglish(CCmdUI* pCmdUI);
    void OnUpdateWordModify(CCmdUI* pCmdUI);
    void OnUpdateBoxWord(CCmdUI* pCmdUI);
    void OnUpdateEscape(CCmdUI* pCmdUI);
    void OnUpdateWordBox(CCmdUI* pCmdUI);
};

// Destroys the frame window if it still exists (its object then deletes
// itself), after letting go of it as the main window; drops any WM_QUIT.
void DestroyFrame(HWND hFrame);

// A child's rectangle in its parent's client co-ordinates.
CRect ChildRect(const CWnd& wnd);
// Shows rectangles readably in test failures.
void PrintTo(const CRect& rect, std::ostream* os);

// Sets keys of the thread's keyboard state (0x80 down, 0x01 toggled) for
// the life of the object, as TranslateAccelerator and GetKeyState see them.
class CKeyboardState {
public:
    CKeyboardState(std::initializer_list<std::pair<int, BYTE>> keys);
    ~CKeyboardState();
    CKeyboardState(const CKeyboardState&) = delete;
    CKeyboardState& operator=(const CKeyboardState&) = delete;

private:
    BYTE m_saved[256];
};
