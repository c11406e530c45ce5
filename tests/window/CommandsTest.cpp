// The delete lock as the word commands leave it, Escape set to close, and
// the bars' grippers. (Adding, changing and deleting words, Copy, and
// Escape's other two functions are the end-to-end tests' part.)
#include "DialogDriver.h"
#include "ProgramFixture.h"

#include "res/resource.h"

namespace {

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
    CRect Placed(CWnd& wnd) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        m_pFrame->ScreenToClient(&rc);
        return rc;
    }
};

TEST_F(CommandsTest, AnUnlockAllowsOneDeletionAndAnAddLocksAgain) {
    const char kLocked[] = "You can not delete words. For more details, please read help contents.";
    struct Step {
        UINT nCommand;
        UINT nAnswer;  // the button the user presses in the dialog the command opens
        bool bAllowedAfter;
        const char* status;  // null: as before
    };
    const Step steps[] = {
        {ID_UNLOCK_DELETE, 0, true, "Now you can delete words"},
        {ID_WORD_ADD, IDCANCEL, false, nullptr},  // even cancelled
        {ID_WORD_DELETE, IDYES, false, kLocked},
        {ID_UNLOCK_DELETE, 0, true, "Now you can delete words"},
        {ID_WORD_DELETE, IDNO, true, nullptr},
        {ID_WORD_DELETE, IDYES, false, "The deletion has been successfully completed"},
    };
    StartProgram("apple:mar\r\nbank:banca\r\n");
    for (const Step& step : steps) {
        CListBox(m_pFrame->GetWordList()->m_hWnd).SetCurSel(1);  // bank
        const CString strBefore = StatusText();
        {
            DialogDriver driver(nullptr, {[&](HWND h) { PostMessageA(h, WM_COMMAND, step.nAnswer, 0); }});
            Command(step.nCommand);
        }
        const std::string what = std::to_string(step.nCommand) + " " + std::to_string(step.nAnswer);
        EXPECT_EQ(step.bAllowedAfter, m_pFrame->m_commands.State().bDeleteAllowed) << what;
        EXPECT_EQ(step.status ? CString(step.status) : strBefore, StatusText()) << what;
    }
    EXPECT_EQ("apple:mar\n", ReadDictionary(kEn));
}

TEST_F(CommandsTest, EscapeSetToCloseEndsTheProgramAndIsStored) {
    StartProgram("bank:banca\r\n");
    Command(ID_ESCAPE_CLOSE);
    EXPECT_EQ(EscapeFunction::kClose, m_pFrame->m_commands.State().escape);
    EXPECT_TRUE(CloseProgram(ID_ESCAPE));
    EXPECT_EQ(2u, theApp.GetProfileInt("Settings", "EscapeFunction", 0));
}

TEST_F(CommandsTest, GrippersMoveBarsOnlyToTheSidesTheyMayUse) {
    StartProgram("a:b\r\n");
    CControlBar& wordBar = *m_pFrame->m_docking.GetControlBar(IDD_WORDBAR);
    CControlBar& toolBar = *m_pFrame->m_docking.GetControlBar(AFX_IDW_TOOLBAR);
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    const CRect rcStatus = Placed(*m_pFrame->m_docking.GetControlBar(AFX_IDW_STATUS_BAR));

    // The word bar goes down to the bottom, above the status bar, ...
    DragBar(wordBar, m_pFrame, CPoint(rcClient.Width() / 2, rcStatus.top - 5));
    EXPECT_EQ(1, wordBar.m_nDockSide);
    const CRect rcWord = Placed(wordBar);
    EXPECT_EQ(rcStatus.top, rcWord.bottom);
    // ... but may not dock on the left: dropped there it stays put.
    DragBar(wordBar, m_pFrame, CPoint(3, rcClient.Height() / 2));
    EXPECT_EQ(rcWord, Placed(wordBar));
    // The toolbar may: it stands upright along the left edge.
    DragBar(toolBar, m_pFrame, CPoint(3, rcClient.Height() / 2));
    EXPECT_EQ(2, toolBar.m_nDockSide);
    const CRect rcTool = Placed(toolBar);
    EXPECT_EQ(0, rcTool.left);
    EXPECT_GT(rcTool.Height(), rcTool.Width());
}
