// CCommandTable: a part of the main window (see CFrameWnd::AddPart) that
// holds the window's commands, one row each: who carries the command out,
// when it can be given, whether it shows as chosen, and whether it is
// refused with a message while an update or an import runs. The rules read
// one snapshot of the program's state per pass over the menus and bars, so
// that the menus, the toolbar and the accelerators always agree.
#pragma once

#include "frame/FrameState.h"
#include "frame/Theme.h"
#include "framework/CmdTarget.h"

class CMainFrame;

// What the decisions depend on, read from the windows at one moment.
struct CommandSnapshot {
    bool bUpdateRunning = false;
    bool bImportRunning = false;
    bool bWordSelected = false;  // the word list has a selected row
    bool bRomanianEnglish = false;
    bool bWordBarVisible = false;
    bool bWordBoxCanUndo = false;
    // The window with the keyboard focus, when it is an edit control.
    bool bFocusInEdit = false;
    bool bFocusReadOnly = false;
    bool bFocusHasSelection = false;
    bool bFocusAllSelected = false;  // or nothing to select
    bool bClipboardHasText = false;
    // Options.
    bool bAlwaysOnTop = false;
    bool bHideWhenMinimized = false;
    bool bHideWhenClose = false;
    bool bStartWithWindows = false;
    bool bLookupKey = false;  // the lookup key is registered, not merely wanted
    EscapeFunction escape = EscapeFunction::kResetWord;
    // The lookup history: entries before and after the current one, any at all.
    bool bCanGoBack = false;
    bool bCanGoForward = false;
    bool bHistoryEmpty = true;
    // The text size: a step to go either way, the normal size or not.
    bool bTextCanGrow = false;
    bool bTextCanShrink = false;
    bool bTextNormal = true;
    LookChoice look = LookChoice::kAsWindows;
};

struct CommandRow {
    UINT nID;
    void (*pfnCarryOut)(CMainFrame& frame);
    // When the command can be given; null: always.
    bool (*pfnEnabled)(const CommandSnapshot& s);
    // Whether an option shows as chosen; null: not an option.
    bool (*pfnChosen)(const CommandSnapshot& s);
    bool bRadio;  // one of a group of choices
    // Said instead ("Please wait until ..."), while an update or an import
    // runs: the command would change a dictionary or the direction.
    bool bRefusedWhileBusy;
};

class CCommandTable : public CCmdTarget {
public:
    explicit CCommandTable(CMainFrame& frame) : m_frame(frame) {}

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

    // Says so and returns TRUE while an update cycle or an import runs.
    BOOL RefuseWhileBusy();
    // The update cycle, the delete lock and the Escape function, now.
    FrameState State() const;

private:
    static const CommandRow* Rows(int& nCount);
    // The row of command nID; null for a command the table does not hold.
    static const CommandRow* Find(UINT nID);
    // The one of this pass over the menus and bars; outside one, fresh.
    const CommandSnapshot& CurrentSnapshot();
    CommandSnapshot TakeSnapshot() const;

    CMainFrame& m_frame;
    CommandSnapshot m_snapshot;
    UINT m_nSnapshotPass = 0;
};
