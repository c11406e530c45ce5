// Which commands the user can give and which options show as chosen,
// decided in one place from a snapshot of the program's state, so that the
// menus, the toolbar and the accelerators always agree, and the rules can
// be checked without any window.
#pragma once

#include "frame/FrameState.h"

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
};

struct CommandAvailability {
    bool bKnown = false;  // the command is one of those decided here
    bool bEnabled = true;
    // -1: not an option; otherwise 0 or 1, shown as a check mark or, for
    // one of a group of choices, a radio mark.
    int nCheck = -1;
    bool bRadio = false;
};

CommandAvailability GetCommandAvailability(unsigned nID, const CommandSnapshot& state);

// The commands GetCommandAvailability decides, for the message map.
extern const unsigned kDecidedCommands[];
extern const int kDecidedCommandCount;
