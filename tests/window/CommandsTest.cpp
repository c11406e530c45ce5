// The program's commands as the user gives them, each step of a table with
// what the status bar and the dictionary file say after it; Escape, Copy
// from a list, and the bars' grippers.
#include "DialogDriver.h"
#include "ProgramFixture.h"

#include "dictionary/DictionaryPaths.h"
#include "res/resource.h"

namespace {

// How the user answers the dialog a command opens (none: no dialog).
using Answer = DialogDriver::Step;

Answer Fill(const char* word, const char* translations) {
    return [=](HWND h) {
        if (IsWindowEnabled(GetDlgItem(h, IDC_WORD)))
            TypeText(h, IDC_WORD, word);
        TypeText(h, IDC_TRANSLATIONS, translations);
        ClickButton(h, IDOK);
    };
}

Answer Press(int nButton) {
    return [=](HWND h) { PostMessageA(h, WM_COMMAND, static_cast<WPARAM>(nButton), 0); };
}

struct Step {
    const char* select;  // the word list's row to select first, if any
    UINT nCommand;
    Answer answer;
    const char* status;
    const char* file;  // en.tmp afterwards
};

std::string ClipboardText() {
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE hData = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(hData));
            GlobalUnlock(hData);
        }
        CloseClipboard();
    }
    return text;
}

// Drags a bar by its gripper and lets go at a point of the frame's client area.
void DragBar(CControlBar& bar, CFrameWnd* pFrame, CPoint ptDrop) {
    CRect rcBar;
    bar.GetWindowRect(&rcBar);
    bar.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(rcBar.left + 3, rcBar.top + 5));
    pFrame->ClientToScreen(&ptDrop);
    bar.ScreenToClient(&ptDrop);
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptDrop.x, ptDrop.y));
}

}  // namespace

class CommandsTest : public ProgramTest {
protected:
    void Command(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, nID); }
    void Select(const char* word) {
        CListBox list(m_pFrame->GetWordList()->m_hWnd);
        list.SetCurSel(list.FindString(-1, word));
        m_pDoc->ShowTranslations();
    }
    CRect Placed(CWnd& wnd) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        m_pFrame->ScreenToClient(&rc);
        return rc;
    }
};

TEST_F(CommandsTest, WordCommandsChangeTheFileAndSaySo) {
    const char kLocked[] = "You can not delete words. For more details, please read help contents.";
    const char kStart[] = "apple:mar\r\nbank:banca\r\nhouse:a|b\r\nhouse:c\r\n";
    const Step steps[] = {
        {"bank", ID_WORD_DELETE, Press(IDNO), "Ready", kStart},
        {"bank", ID_WORD_DELETE, Press(IDYES), kLocked, kStart},
        {nullptr, ID_UNLOCK_DELETE, nullptr, "Now you can delete words", kStart},
        {"bank", ID_WORD_DELETE, Press(IDYES), "The deletion has been successfully completed",
         "apple:mar\nhouse:a|b\nhouse:c\n"},
        {"apple", ID_WORD_DELETE, Press(IDYES), kLocked, "apple:mar\nhouse:a|b\nhouse:c\n"},
        // The change starts from every translation of the word.
        {"house", ID_WORD_MODIFY, Fill("", "casa,locuinta"),
         "The modification has been successfully completed", "apple:mar\nhouse:casa|locuinta\n"},
        {nullptr, ID_WORD_ADD, Fill("zebra", "zebr\xE3"), "The addition has been successfully completed",
         "apple:mar\nhouse:casa|locuinta\nzebra:zebr\xE3\r\n"},
        // An add, even cancelled, locks deletion again.
        {nullptr, ID_UNLOCK_DELETE, nullptr, "Now you can delete words", nullptr},
        {nullptr, ID_WORD_ADD, Press(IDCANCEL), nullptr, nullptr},
        {"apple", ID_WORD_DELETE, Press(IDYES), kLocked,
         "apple:mar\nhouse:casa|locuinta\nzebra:zebr\xE3\r\n"},
    };
    WriteDictionary(0, kStart);
    StartProgram();
    std::vector<std::string> expected, seen;
    std::string strShown;
    for (const Step& step : steps) {
        if (step.select)
            Select(step.select);
        m_pFrame->SetMessageText("Ready");
        {
            DialogDriver driver(nullptr, {[&](HWND h) {
                                    strShown = DlgText(h, IDC_TRANSLATIONS);
                                    if (step.answer)
                                        step.answer(h);
                                }});
            Command(step.nCommand);
        }
        const std::string what =
            std::to_string(step.nCommand) + " " + (step.select ? step.select : "") + ": ";
        if (step.status)
            expected.push_back(what + step.status + " | " + (step.file ? step.file : ReadDictionary(0)));
        seen.push_back(what + StatusText().Str() + " | " + ReadDictionary(0));
        if (!step.status)
            expected.push_back(seen.back());
        if (step.nCommand == ID_WORD_MODIFY) {
            EXPECT_EQ("a,b,c", strShown);
        }
    }
    EXPECT_EQ(expected, seen);

    // While an update runs, no word command does anything, nor an import.
    Select("apple");
    m_pFrame->m_nUpdateStep = 3;
    for (UINT nID : {ID_WORD_ADD, ID_WORD_MODIFY, ID_WORD_DELETE, ID_FILE_IMPORT}) {
        m_pFrame->SetMessageText("");
        Command(nID);
        EXPECT_EQ(CString("Please wait until update process is done"), StatusText()) << nID;
    }
    m_pFrame->m_nUpdateStep = 0;
}

TEST_F(CommandsTest, EscapeAndCopyDoWhatTheUserChose) {
    WriteDictionary(0, "house:casa|locuinta\r\nbank:banca\r\n");
    StartProgram();
    // Copy takes the selected row of the focused list.
    m_pFrame->m_bFocusInWordBox = FALSE;
    Select("house");
    m_pFrame->GetWordList()->SetFocus();
    Command(ID_EDIT_COPY);
    EXPECT_EQ("house", ClipboardText());
    CListBox(m_pFrame->GetTranslationList()->m_hWnd).SetCurSel(1);
    m_pFrame->GetTranslationList()->SetFocus();
    Command(ID_EDIT_COPY);
    EXPECT_EQ("locuinta", ClipboardText());

    // Escape: reset the word, minimise, or close (ends the program).
    Type("bank");
    m_pFrame->m_nEscapeFunction = 0;
    Command(ID_ESCAPE);
    CString strBox;
    WordBox()->GetWindowText(strBox);
    EXPECT_EQ(CString(""), strBox);
    EXPECT_EQ(0, Selection(m_pFrame->GetWordList()));
    m_pFrame->m_nEscapeFunction = 1;
    Command(ID_ESCAPE);
    EXPECT_TRUE(m_pFrame->IsIconic());
    m_pFrame->ShowWindow(SW_RESTORE);
    m_pFrame->m_nEscapeFunction = 2;
    HWND hWnd = m_pFrame->m_hWnd;
    Command(ID_ESCAPE);
    EXPECT_FALSE(IsWindow(hWnd));
    m_pFrame = nullptr;
    m_pDoc = nullptr;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    EXPECT_EQ(2u, theApp.GetProfileInt("Settings", "EscapeFunction", 0));
}

TEST_F(CommandsTest, GrippersMoveBarsOnlyToTheSidesTheyMayUse) {
    WriteDictionary(0, "a:b\r\n");
    StartProgram();
    CDialogBar& wordBar = m_pFrame->m_wndWordBar;
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    const CRect rcStatus = Placed(m_pFrame->m_wndStatusBar);

    // The word bar goes down to the bottom, above the status bar, ...
    DragBar(wordBar, m_pFrame, CPoint(rcClient.Width() / 2, rcStatus.top - 5));
    EXPECT_EQ(1, wordBar.m_nDockSide);
    const CRect rcWord = Placed(wordBar);
    EXPECT_EQ(rcStatus.top, rcWord.bottom);
    // ... but may not dock on the left: dropped there it stays put.
    DragBar(wordBar, m_pFrame, CPoint(3, rcClient.Height() / 2));
    EXPECT_EQ(rcWord, Placed(wordBar));
    // The toolbar may: it stands upright along the left edge.
    DragBar(m_pFrame->m_wndToolBar, m_pFrame, CPoint(3, rcClient.Height() / 2));
    EXPECT_EQ(2, m_pFrame->m_wndToolBar.m_nDockSide);
    const CRect rcTool = Placed(m_pFrame->m_wndToolBar);
    EXPECT_EQ(0, rcTool.left);
    EXPECT_GT(rcTool.Height(), rcTool.Width());
}
