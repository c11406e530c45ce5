// The main window's commands.
#include "frame/CommandTable.h"

#include "frame/MainFrame.h"
#include "framework/Controls.h"
#include "res/resource.h"

namespace {

using Snapshot = const CommandSnapshot&;

// The direction cannot change while an update or an import may reload the
// list, nor may a dictionary change under them.
bool NotBusy(Snapshot s) {
    return !s.bUpdateRunning && !s.bImportRunning;
}

}  // namespace

const CommandRow* CCommandTable::Rows(int& nCount) {
    using F = CMainFrame&;
    static const CommandRow rows[] = {
        // id, carried out by, enabled when, chosen when, radio, refused while busy
        {ID_ENGLISH_ROMANIAN, [](F f) { f.OnEnglishRomanian(); }, NotBusy,
         [](Snapshot s) { return !s.bRomanianEnglish; }, true, false},
        {ID_ROMANIAN_ENGLISH, [](F f) { f.OnRomanianEnglish(); }, NotBusy,
         [](Snapshot s) { return s.bRomanianEnglish; }, true, false},

        {ID_WORD_ADD, [](F f) { f.OnAddWord(); }, nullptr, nullptr, false, true},
        {ID_WORD_MODIFY, [](F f) { f.OnModifyWord(); }, [](Snapshot s) { return s.bWordSelected; }, nullptr,
         false, true},
        {ID_WORD_DELETE, [](F f) { f.OnDeleteWord(); }, [](Snapshot s) { return s.bWordSelected; }, nullptr,
         false, true},
        {ID_UNLOCK_DELETE, [](F f) { f.OnDeleteUnlock(); }, nullptr, nullptr, false, false},
        // Enabled while an update runs, and refused then with a message.
        {ID_FILE_IMPORT, [](F f) { f.m_import.OnImportDictionary(); },
         [](Snapshot s) { return !s.bImportRunning; }, nullptr, false, true},
        {ID_HELP_UPDATE, [](F f) { f.OnHelpUpdate(); }, [](Snapshot s) { return !s.bUpdateRunning; }, nullptr,
         false, false},

        // An entry may be in the other direction.
        {ID_HISTORY_BACK, [](F f) { f.m_history.OnHistoryBack(); },
         [](Snapshot s) { return s.bCanGoBack && NotBusy(s); }, nullptr, false, true},
        {ID_HISTORY_FORWARD, [](F f) { f.m_history.OnHistoryForward(); },
         [](Snapshot s) { return s.bCanGoForward && NotBusy(s); }, nullptr, false, true},
        {ID_OPTIONS_CLEAR_HISTORY, [](F f) { f.m_history.OnClearHistory(); },
         [](Snapshot s) { return !s.bHistoryEmpty; }, nullptr, false, false},

        {ID_VIEW_BOX_WORD, [](F f) { f.OnBoxWord(); }, nullptr, [](Snapshot s) { return s.bWordBarVisible; },
         false, false},
        {ID_VIEW_ALWAYS_ON_TOP, [](F f) { f.OnAlwaysOnTop(); }, nullptr,
         [](Snapshot s) { return s.bAlwaysOnTop; }, false, false},
        {ID_OPTIONS_HIDE_WHEN_MINIMIZED, [](F f) { f.OnHideWhenMinimized(); }, nullptr,
         [](Snapshot s) { return s.bHideWhenMinimized; }, false, false},
        {ID_OPTIONS_HIDE_WHEN_CLOSE, [](F f) { f.OnHideWhenClose(); }, nullptr,
         [](Snapshot s) { return s.bHideWhenClose; }, false, false},
        {ID_OPTIONS_START_WITH_WINDOWS, [](F f) { f.OnStartWithWindows(); }, nullptr,
         [](Snapshot s) { return s.bStartWithWindows; }, false, false},
        // Shown chosen while the key is registered, not merely wanted.
        {ID_OPTIONS_LOOKUP_KEY, [](F f) { f.m_lookupKey.OnLookupKeyOption(); }, nullptr,
         [](Snapshot s) { return s.bLookupKey; }, false, false},
        // A number out of range marks none of the three.
        {ID_ESCAPE_RESET_WORD, [](F f) { f.OnEscapeReset(); }, nullptr,
         [](Snapshot s) { return s.escape == EscapeFunction::kResetWord; }, true, false},
        {ID_ESCAPE_MINIMIZE, [](F f) { f.OnEscapeMinimize(); }, nullptr,
         [](Snapshot s) { return s.escape == EscapeFunction::kMinimize; }, true, false},
        {ID_ESCAPE_CLOSE, [](F f) { f.OnEscapeClose(); }, nullptr,
         [](Snapshot s) { return s.escape == EscapeFunction::kClose; }, true, false},
        {ID_ESCAPE, [](F f) { f.OnEscape(); }, nullptr, nullptr, false, false},

        // Undo works on the word box wherever the focus is; the others on
        // the focused edit control, Copy also on a list's selected row.
        {ID_EDIT_UNDO, [](F f) { f.OnEditUndo(); },
         [](Snapshot s) { return s.bWordBarVisible && s.bWordBoxCanUndo; }, nullptr, false, false},
        {ID_EDIT_CUT, [](F f) { f.OnEditCut(); },
         [](Snapshot s) { return s.bFocusInEdit && s.bFocusHasSelection; }, nullptr, false, false},
        {ID_EDIT_COPY, [](F f) { f.OnEditCopy(); },
         [](Snapshot s) { return !s.bFocusInEdit || s.bFocusHasSelection; }, nullptr, false, false},
        {ID_EDIT_PASTE, [](F f) { f.OnEditPaste(); },
         [](Snapshot s) { return s.bFocusInEdit && !s.bFocusReadOnly && s.bClipboardHasText; }, nullptr,
         false, false},
        {ID_EDIT_SELECT_ALL, [](F f) { f.OnEditSelectAll(); },
         [](Snapshot s) { return s.bFocusInEdit && !s.bFocusAllSelected; }, nullptr, false, false},

        {ID_VIEW_TEXT_LARGER, [](F f) { f.m_appearance.m_textSize.OnLarger(); },
         [](Snapshot s) { return s.bTextCanGrow; }, nullptr, false, false},
        {ID_VIEW_TEXT_SMALLER, [](F f) { f.m_appearance.m_textSize.OnSmaller(); },
         [](Snapshot s) { return s.bTextCanShrink; }, nullptr, false, false},
        {ID_VIEW_TEXT_NORMAL, [](F f) { f.m_appearance.m_textSize.OnNormal(); },
         [](Snapshot s) { return !s.bTextNormal; }, nullptr, false, false},
        {ID_VIEW_LOOK_LIGHT, [](F f) { f.m_appearance.m_theme.OnLight(); }, nullptr,
         [](Snapshot s) { return s.look == LookChoice::kLight; }, true, false},
        {ID_VIEW_LOOK_DARK, [](F f) { f.m_appearance.m_theme.OnDark(); }, nullptr,
         [](Snapshot s) { return s.look == LookChoice::kDark; }, true, false},
        {ID_VIEW_LOOK_WINDOWS, [](F f) { f.m_appearance.m_theme.OnAsWindows(); }, nullptr,
         [](Snapshot s) { return s.look == LookChoice::kAsWindows; }, true, false},

        {ID_NEXT_PANE, [](F f) { f.m_lookup.OnNextPane(); }, nullptr, nullptr, false, false},
        {ID_PREV_PANE, [](F f) { f.m_lookup.OnPrevPane(); }, nullptr, nullptr, false, false},
        {ID_HELP_CONTENTS, [](F f) { f.OnHelpContents(); }, nullptr, nullptr, false, false},
        {ID_ABOUT_APPLICATION, [](F f) { f.OnAboutApplication(); }, nullptr, nullptr, false, false},
        {ID_RESTORE, [](F f) { f.OnRestore(); }, nullptr, nullptr, false, false},
        {ID_APP_EXIT, [](F f) { f.OnAppExit(); }, nullptr, nullptr, false, false},
    };
    nCount = static_cast<int>(sizeof(rows) / sizeof(rows[0]));
    return rows;
}

const CommandRow* CCommandTable::Find(UINT nID) {
    int nCount = 0;
    const CommandRow* pRows = Rows(nCount);
    for (int i = 0; i < nCount; ++i) {
        if (pRows[i].nID == nID)
            return &pRows[i];
    }
    return nullptr;
}

BOOL CCommandTable::RefuseWhileBusy() {
    if (m_frame.m_updateCycle.IsRunning()) {
        m_frame.SetMessageText("Please wait until update process is done");
        return TRUE;
    }
    if (m_frame.m_import.IsRunning()) {
        m_frame.SetMessageText("Please wait until the import is done");
        return TRUE;
    }
    return FALSE;
}

FrameState CCommandTable::State() const {
    FrameState s;
    s.step = m_frame.m_updateCycle.Step();
    s.bEnglishUpdated = m_frame.m_updateCycle.EnglishUpdated();
    s.bRomanianUpdated = m_frame.m_updateCycle.RomanianUpdated();
    s.bDeleteAllowed = m_frame.m_bDeleteAllowed != FALSE;
    s.escape = m_frame.m_escape;
    return s;
}

BOOL CCommandTable::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    const CommandRow* pRow = Find(nID);
    if (!pRow || (nCode != CN_COMMAND && nCode != CN_UPDATE_COMMAND_UI))
        return FALSE;
    if (pHandlerInfo)
        return TRUE;
    if (nCode == CN_UPDATE_COMMAND_UI) {
        auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
        const CommandSnapshot& s = CurrentSnapshot();
        pCmdUI->Enable(!pRow->pfnEnabled || pRow->pfnEnabled(s));
        if (pRow->pfnChosen && pRow->bRadio)
            pCmdUI->SetRadio(pRow->pfnChosen(s));
        else if (pRow->pfnChosen)
            pCmdUI->SetCheck(pRow->pfnChosen(s) ? 1 : 0);
        return TRUE;
    }
    if (pRow->bRefusedWhileBusy && RefuseWhileBusy())
        return TRUE;
    pRow->pfnCarryOut(m_frame);
    return TRUE;
}

const CommandSnapshot& CCommandTable::CurrentSnapshot() {
    const UINT nPass = m_frame.CurrentUpdatePass();
    if (nPass == 0 || nPass != m_nSnapshotPass) {
        m_snapshot = TakeSnapshot();
        m_nSnapshotPass = nPass;
    }
    return m_snapshot;
}

CommandSnapshot CCommandTable::TakeSnapshot() const {
    const CMainFrame& f = m_frame;
    CommandSnapshot s;
    s.bUpdateRunning = f.m_updateCycle.IsRunning();
    s.bImportRunning = f.m_import.IsRunning() != FALSE;
    CWnd* pWordList = f.GetWordList();
    s.bWordSelected = pWordList && pWordList->SendMessage(LB_GETCURSEL) != LB_ERR;
    s.bRomanianEnglish = IsRomanianEnglish(f.m_settings.direction);
    CWnd* pWordBox = f.m_wndWordBar.GetShownWordBox();
    s.bWordBarVisible = pWordBox != nullptr;
    s.bWordBoxCanUndo = pWordBox && pWordBox->SendMessage(EM_CANUNDO);
    const HWND hFocus = ::GetFocus();
    if (IsEditControl(hFocus)) {
        const DWORD dwSel = static_cast<DWORD>(::SendMessageA(hFocus, EM_GETSEL, 0, 0));
        const int nStart = LOWORD(dwSel), nEnd = HIWORD(dwSel);
        const int nLength = ::GetWindowTextLengthW(hFocus);
        s.bFocusInEdit = true;
        s.bFocusReadOnly = (::GetWindowLongW(hFocus, GWL_STYLE) & ES_READONLY) != 0;
        s.bFocusHasSelection = nStart != nEnd;
        s.bFocusAllSelected = nLength == 0 || (nStart == 0 && nEnd == nLength);
    }
    s.bClipboardHasText = ClipboardHasText();
    s.bAlwaysOnTop = f.m_bAlwaysOnTop != FALSE;
    s.bHideWhenMinimized = f.m_bHideWhenMinimized != FALSE;
    s.bHideWhenClose = f.m_bHideWhenClose != FALSE;
    s.bStartWithWindows = f.m_bAutoStart != FALSE;
    s.bLookupKey = f.m_lookupKey.IsHeld() != FALSE;
    s.escape = f.m_escape;
    s.bCanGoBack = f.m_history.History().CanGoBack();
    s.bCanGoForward = f.m_history.History().CanGoForward();
    s.bHistoryEmpty = f.m_history.History().IsEmpty();
    const CTextSize& textSize = f.m_appearance.m_textSize;
    s.bTextCanGrow = textSize.CanGrow();
    s.bTextCanShrink = textSize.CanShrink();
    s.bTextNormal = textSize.Percent() == CTextSize::kNormal;
    s.look = f.m_appearance.m_theme.Choice();
    return s;
}
