// CMainFrame: the program's window. The toolbar and the word bar share the
// top row, the word list and the translation list stand side by side in a
// splitter, the status bar is at the bottom. It receives every command,
// the word box's changes, its timers and the program's own messages. What
// is more than the windows and the routing lives in parts it owns and
// routes to (see CFrameWnd::AddPart): looking words up, the history, the
// lookup key, the import, the text size and look, the update cycle.
#pragma once

#include "frame/Appearance.h"
#include "frame/CommandTable.h"
#include "frame/FrameState.h"
#include "frame/HistoryCommands.h"
#include "frame/ImportCommand.h"
#include "frame/LookupKey.h"
#include "frame/Settings.h"
#include "frame/UpdateCycle.h"
#include "frame/WordBar.h"
#include "frame/WordLookup.h"
#include "framework/DialogBar.h"
#include "framework/FrameWnd.h"
#include "framework/Gdi.h"
#include "framework/Splitter.h"
#include "framework/StatusBar.h"
#include "thread/PrivateMessages.h"
#include "widgets/ImageToolBar.h"
#include "widgets/SystemTray.h"

class CTavDoc;

// The main window's class name: the one identity of a running instance.
extern const char g_szWindowClassName[];

// Timers of the frame.
const UINT_PTR ID_TIMER_TRANSLATIONS = 101;  // 250 ms after the last change: show the translations
const UINT_PTR ID_TIMER_UPDATE = 102;        // the automatic update, then the update cycle's steps
const UINT_PTR ID_TIMER_HISTORY = 103;       // the translations stayed shown: the word counts as looked up

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
    friend class CCommandTable;  // carries out the commands and reads the options

public:
    CMainFrame();

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    CWnd* GetWordList() const;
    CWnd* GetTranslationList() const;
    // Puts the focus where the user types: the word box with its text
    // selected whole (or the caret at its end), else the word list.
    void FocusWordBox(BOOL bSelectAll);

    DECLARE_MESSAGE_MAP()

public:
    // The user's settings, which the application holds: the direction and,
    // as the window found them, the options (written back when it closes).
    TavSettings& m_settings;
    // The bars and the lists. The list views read the word bar and where
    // the user types.
    CStatusBar m_wndStatusBar;
    CImageToolBar m_wndToolBar;
    CSplitterWnd m_wndSplitter;
    CWordBar m_wndWordBar;
    CSystemTray m_trayIcon;
    // The keyboard focus belongs in the word box (the last click or key
    // left it there).
    BOOL m_bFocusInWordBox;
    // How many edit dialogs and confirmations are open, an import counting
    // as one: an update cycle waits for them to close before it takes a step.
    int m_nEditDialogs;

    // The parts.
    CWordLookup m_lookup;
    CHistoryCommands m_history;
    CLookupKey m_lookupKey;
    CImportCommand m_import;
    CAppearance m_appearance;
    // Every command: who carries it out, when it can be given, whether it
    // shows as chosen, whether it is refused while an update runs.
    CCommandTable m_commands;
    // The update cycle; after m_trayIcon, which it animates.
    CUpdateCycle m_updateCycle;

protected:
    // Creation, layout and the window's life.
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnClose();
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);

    // Looking words up (see CWordLookup).
    void OnWordBoxChange();
    LRESULT OnLoadDictionary(WPARAM wParam, LPARAM lParam);

    // Direction.
    void OnEnglishRomanian();
    void OnRomanianEnglish();

    // The update cycle's entry points (see CUpdateCycle).
    LRESULT OnUpdateReport(WPARAM wParam, LPARAM lParam);
    void OnHelpUpdate();

    // Options, and the way back from the notification area.
    void OnBoxWord();
    void OnAlwaysOnTop();
    void OnHideWhenMinimized();
    void OnHideWhenClose();
    void OnEscapeReset();
    void OnEscapeMinimize();
    void OnEscapeClose();
    void OnStartWithWindows();
    void OnRestore();
    void OnAppExit();
    void OnAboutApplication();

    // Edit commands and Escape.
    void OnEditUndo();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditSelectAll();
    void OnEscape();

    // Help.
    void OnHelpContents();
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);

    // Words.
    void OnAddWord();
    void OnModifyWord();
    void OnDeleteWord();
    void OnDeleteUnlock();

private:
    BOOL m_bSplitterCreated;
    BOOL m_bFirstShow;
    BOOL m_bDeleteAllowed;

    // Options.
    BOOL m_bAutoStart;
    BOOL m_bAlwaysOnTop;
    BOOL m_bHideWhenClose;
    BOOL m_bHideWhenMinimized;
    EscapeFunction m_escape;
};

// The document, as the frame's active view (or its word list) knows it.
CTavDoc* GetTavDoc(const CMainFrame& frame);
