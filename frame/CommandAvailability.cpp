#include "frame/CommandAvailability.h"

#include "res/resource.h"

const unsigned kDecidedCommands[] = {
    ID_ENGLISH_ROMANIAN,
    ID_ROMANIAN_ENGLISH,
    ID_WORD_MODIFY,
    ID_WORD_DELETE,
    ID_HELP_UPDATE,
    ID_FILE_IMPORT,
    ID_VIEW_BOX_WORD,
    ID_VIEW_ALWAYS_ON_TOP,
    ID_OPTIONS_HIDE_WHEN_MINIMIZED,
    ID_OPTIONS_HIDE_WHEN_CLOSE,
    ID_OPTIONS_START_WITH_WINDOWS,
    ID_OPTIONS_LOOKUP_KEY,
    ID_ESCAPE_RESET_WORD,
    ID_ESCAPE_MINIMIZE,
    ID_ESCAPE_CLOSE,
    ID_EDIT_UNDO,
    ID_EDIT_CUT,
    ID_EDIT_COPY,
    ID_EDIT_PASTE,
    ID_EDIT_SELECT_ALL,
    ID_HISTORY_BACK,
    ID_HISTORY_FORWARD,
    ID_OPTIONS_CLEAR_HISTORY,
};
const int kDecidedCommandCount = static_cast<int>(sizeof(kDecidedCommands) / sizeof(kDecidedCommands[0]));

namespace {

CommandAvailability Enabled(bool bEnabled) {
    CommandAvailability a;
    a.bKnown = true;
    a.bEnabled = bEnabled;
    return a;
}

CommandAvailability Check(bool bChecked, bool bRadio = false, bool bEnabled = true) {
    CommandAvailability a = Enabled(bEnabled);
    a.nCheck = bChecked ? 1 : 0;
    a.bRadio = bRadio;
    return a;
}

}  // namespace

CommandAvailability GetCommandAvailability(unsigned nID, const CommandSnapshot& s) {
    switch (nID) {
        // The direction cannot change while an update or an import may
        // reload the list.
        case ID_ENGLISH_ROMANIAN:
            return Check(!s.bRomanianEnglish, true, !s.bUpdateRunning && !s.bImportRunning);
        case ID_ROMANIAN_ENGLISH:
            return Check(s.bRomanianEnglish, true, !s.bUpdateRunning && !s.bImportRunning);
        case ID_WORD_MODIFY:
        case ID_WORD_DELETE:
            return Enabled(s.bWordSelected);
        case ID_HELP_UPDATE:
            return Enabled(!s.bUpdateRunning);
        // Refused with a message while an update runs, like the word commands.
        case ID_FILE_IMPORT:
            return Enabled(!s.bImportRunning);
        // An entry may be in the other direction, which cannot change then.
        case ID_HISTORY_BACK:
            return Enabled(s.bCanGoBack && !s.bUpdateRunning && !s.bImportRunning);
        case ID_HISTORY_FORWARD:
            return Enabled(s.bCanGoForward && !s.bUpdateRunning && !s.bImportRunning);
        case ID_OPTIONS_CLEAR_HISTORY:
            return Enabled(!s.bHistoryEmpty);

        case ID_VIEW_BOX_WORD:
            return Check(s.bWordBarVisible);
        case ID_VIEW_ALWAYS_ON_TOP:
            return Check(s.bAlwaysOnTop);
        case ID_OPTIONS_HIDE_WHEN_MINIMIZED:
            return Check(s.bHideWhenMinimized);
        case ID_OPTIONS_HIDE_WHEN_CLOSE:
            return Check(s.bHideWhenClose);
        case ID_OPTIONS_START_WITH_WINDOWS:
            return Check(s.bStartWithWindows);
        case ID_OPTIONS_LOOKUP_KEY:
            return Check(s.bLookupKey);
        // A number out of range marks none of the three.
        case ID_ESCAPE_RESET_WORD:
            return Check(s.escape == EscapeFunction::kResetWord, true);
        case ID_ESCAPE_MINIMIZE:
            return Check(s.escape == EscapeFunction::kMinimize, true);
        case ID_ESCAPE_CLOSE:
            return Check(s.escape == EscapeFunction::kClose, true);

        // Undo works on the word box wherever the focus is; the others on
        // the focused edit control, Copy also on a list's selected row.
        case ID_EDIT_UNDO:
            return Enabled(s.bWordBarVisible && s.bWordBoxCanUndo);
        case ID_EDIT_CUT:
            return Enabled(s.bFocusInEdit && s.bFocusHasSelection);
        case ID_EDIT_COPY:
            return Enabled(!s.bFocusInEdit || s.bFocusHasSelection);
        case ID_EDIT_PASTE:
            return Enabled(s.bFocusInEdit && !s.bFocusReadOnly && s.bClipboardHasText);
        case ID_EDIT_SELECT_ALL:
            return Enabled(s.bFocusInEdit && !s.bFocusAllSelected);
        default:
            return CommandAvailability();
    }
}
