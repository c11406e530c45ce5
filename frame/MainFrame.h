// CMainFrame: the program's window. The toolbar and the word bar share the
// top row, the word list and the translation list stand side by side in a
// splitter, the status bar is at the bottom. It receives every command,
// the word box's changes, its timers and the program's own messages.
#pragma once

#include "frame/CommandAvailability.h"
#include "frame/FrameState.h"
#include "frame/LookupHistory.h"
#include "frame/TextSize.h"
#include "frame/Theme.h"
#include "frame/UpdateCycle.h"
#include "frame/WordBar.h"
#include "framework/DialogBar.h"
#include "framework/FrameWnd.h"
#include "framework/Gdi.h"
#include "framework/Splitter.h"
#include "framework/StatusBar.h"
#include "thread/ImportThread.h"
#include "thread/PrivateMessages.h"
#include "widgets/ImageToolBar.h"
#include "widgets/SystemTray.h"

#include <memory>

class CAddModDlg;
class CProgressBar;
class CTavDoc;

// Timers of the frame.
const UINT_PTR ID_TIMER_TRANSLATIONS = 101;  // 250 ms after the last change: show the translations
const UINT_PTR ID_TIMER_UPDATE = 102;        // the automatic update, then the update cycle's steps
const UINT_PTR ID_TIMER_HISTORY = 103;       // the translations stayed shown: the word counts as looked up

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    // The text size and the look take their commands before the frame.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    CWnd* GetWordList() const;
    CWnd* GetTranslationList() const;
    // Whether the window is an edit control (class "Edit" in any case).
    static BOOL IsEditControl(CWnd* pWnd);
    // Puts a zero-terminated text on the clipboard; on failure the reason is
    // in the status bar.
    BOOL CopyToClipboard(const CString& strText);
    // Puts the focus where the user types: the word box with its text
    // selected whole (or the caret at its end), else the word list.
    void FocusWordBox(BOOL bSelectAll);
    // Hides the window, the notification icon being the way back.
    void HideInNotificationArea();
    // The document, as the active view (or the word list) knows it.
    CTavDoc* GetTavDoc() const;
    // Puts the word the user went to in the word list into the word box,
    // without searching for it again (the search would go back to the first
    // of several rows that read alike), and arms the translations' display.
    void ShowListWord(const CString& strWord);
    // Looks up the head word the translation list suggests in its row nRow.
    void LookUpSuggestion(int nRow);
    // The user chose the word the word list shows selected (Enter, a
    // suggestion, the lookup key, or its translations stayed in view): it
    // goes into the history in the current direction, unless the word box's
    // text has no entry.
    void RecordLookup();

    // The word box, when its bar exists.
    CWnd* GetWordBox() const;
    // The word box when the user types there (its bar showing, the last
    // click or key having left the focus in it), else null: where a list
    // sends the focus it is given.
    CWnd* GetWordBoxForTyping() const;
    // The update cycle, the delete lock and the Escape function, now.
    FrameState State() const;
    // For the tests: the update runs fetch from pszHost, giving up on a
    // silent server after dwTimeout ms.
    void UseUpdateServer(LPCSTR pszHost, DWORD dwTimeout) { m_updateCycle.UseServer(pszHost, dwTimeout); }

    DECLARE_MESSAGE_MAP()

protected:
    // Creation, layout and the window's life.
    int OnCreate(LPCREATESTRUCT lpcs);
    void LoadToolbarImages();
    void OnSize(UINT nType, int cx, int cy);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnClose();
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);

    // Every command's state, from one snapshot (see CommandAvailability).
    void OnUpdateCommand(CCmdUI* pCmdUI);
    CommandSnapshot TakeCommandSnapshot() const;

    // Looking words up.
    void OnWordBoxChange();
    // Selects the row the word box's text leads to (the head word, a form's
    // head word, the first beginning with it); FALSE, the selection kept and
    // the text remembered as having no entry, when there is none.
    BOOL LookUpWordBoxText();
    // What the translation list shows a quarter second after a change: the
    // selected word's translations, or that the text has no entry.
    void ShowLookupResult();
    LRESULT OnLoadDictionary(WPARAM wParam, LPARAM lParam);
    // Sends WM_LOAD_DICTIONARY: the one way the direction changes.
    void LoadDirection(Direction direction);
    // Empties both lists and loads the word list of the current direction.
    void LoadWordList(LPCSTR lpszStatusText);
    // F6 and Shift+F6: word box -> word list -> translation list, and back.
    void OnNextPane();
    void OnPrevPane();
    void MoveToPane(BOOL bPrevious);

    // Direction.
    void OnEnglishRomanian();
    void OnRomanianEnglish();

    // The update cycle's entry points (see CUpdateCycle), and what it may
    // ask of the window.
    void OnUpdateTimer();
    LRESULT OnUpdateReport(WPARAM wParam, LPARAM lParam);
    void OnHelpUpdate();
    UpdateCycleHost MakeUpdateCycleHost();

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

    // Back and Forward through the words looked up, and forgetting them
    // (HistoryCommands.cpp).
    void OnHistoryBack();
    void OnHistoryForward();
    void OnClearHistory();
    void ShowHistoryEntry(const LookedUpWord& entry);

    // The lookup key, from any program (LookupKey.cpp).
    BOOL RegisterLookupKey();
    void OnLookupKeyOption();
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    LRESULT OnLookupKeyTaken(WPARAM wParam, LPARAM lParam);
    // Comes to the front and looks up the first word or short phrase of
    // the text, in the direction whose dictionary has it.
    void LookUpFromElsewhere(const CString& strText);
    // While a dialog of the window's is open, the lookup key shows it instead.
    void BringOpenDialogToFront();

    // The monitor's resolution: images, fonts and bars sized for nDpi.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    void ApplyDpi(UINT nDpi);
    // The word box's and the lists' fonts at the text size, for m_nDpi; the
    // word bar was laid out for nFromDpi.
    void ApplyFonts(UINT nFromDpi);
    // Ctrl with the wheel over the word box or a list: the text size.
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
    // Windows' colours or app mode may have changed: the look follows.
    void OnSettingChange(UINT uFlags, LPCWSTR lpszSection);
    // Every part repainted in the look's colours.
    void ApplyLook();

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
    // Says so and returns TRUE while an update cycle runs.
    BOOL RefuseWhileUpdating();
    // Reloads both lists after an edit of the dictionary file.
    void ReloadAfterEdit(Direction direction);
    // Puts the edited word back into the word box (or selects it in the list).
    void ShowEditedWord(const CString& strWord);
    // Shows the selected word's translations a quarter second from now; a
    // display already waiting waits again.
    void ShowTranslationsSoon();
    // Puts the caret after the word box's last letter, in view.
    static void PutCaretAtEnd(CWnd* pWordBox);
    // Runs the add or change dialog and carries out what it asks: the
    // list reloaded with the word selected, its translations shown a
    // quarter second later, pszDone in the status bar.
    void EditThroughDialog(CAddModDlg& dlg, BOOL bAdd, LPCSTR pszDone);

    // Importing another dictionary (ImportCommand.cpp).
    void OnImportDictionary();
    LRESULT OnImportProgress(WPARAM wParam, LPARAM lParam);
    LRESULT OnImportDone(WPARAM wParam, LPARAM lParam);
    BOOL IsImportRunning() const;

    // Whether an update cycle is running (connecting to reloading).
    BOOL IsUpdateRunning() const { return m_updateCycle.IsRunning() ? TRUE : FALSE; }

private:
    // The bars and the lists.
    CStatusBar m_wndStatusBar;
    CImageToolBar m_wndToolBar;
    CSplitterWnd m_wndSplitter;
    CWordBar m_wndWordBar;
    CSystemTray m_trayIcon;
    CTextSize m_textSize;
    CTheme m_theme;
    BOOL m_bSplitterCreated;
    BOOL m_bFirstShow;
    UINT m_nDpi;  // the resolution bars, images and fonts are sized for

    // Where the user types, and the word list's part in it.
    BOOL m_bFocusInWordBox;
    // Set while the word list's selection writes the word box.
    BOOL m_bWordFromList;
    // The word box's text when it leads to no word; empty otherwise.
    CString m_strUnmatched;
    // The status bar names the head word of a form the text is.
    BOOL m_bFormSaid;
    BOOL m_bDeleteAllowed;
    // Set while the window sends itself WM_LOAD_DICTIONARY.
    BOOL m_bLoadAsked;
    // How many edit dialogs and confirmations are open: an update cycle
    // waits for them to close before it takes a step.
    int m_nEditDialogs;

    // The update cycle; after m_trayIcon, which it animates.
    CUpdateCycle m_updateCycle;

    // The import and its progress bar (while it runs).
    CImportThread m_importThread;
    std::unique_ptr<CProgressBar> m_pImportProgress;

    // Options.
    BOOL m_bAutoStart;
    BOOL m_bAlwaysOnTop;
    BOOL m_bHideWhenClose;
    BOOL m_bHideWhenMinimized;
    EscapeFunction m_escape;
    BOOL m_bLookupKey;      // the user's choice: the lookup key on
    BOOL m_bLookupKeyHeld;  // the key is registered (another program may hold it)

    CLookupHistory m_history;
};
