#include "ProgramFixture.h"

#include "res/resource.h"

namespace {

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE hData = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(hData))) {
            text = p;
            GlobalUnlock(hData);
        }
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const char* text) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    if (text) {
        size_t n = strlen(text) + 1;
        HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, n);
        memcpy(GlobalLock(h), text, n);
        GlobalUnlock(h);
        SetClipboardData(CF_TEXT, h);
    }
    CloseClipboard();
}

}  // namespace

class EditCommandsTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        WriteDictionary(0, "house:casa|locuinta\r\nbank:banca\r\n");
        StartProgram();
        m_pFrame->SetForegroundWindow();
        PumpMessages(30);
    }
    void Command(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, nID); }
    bool Enabled(UINT nID) { return CommandState(nID).m_bEnabled != FALSE; }
};

TEST_F(EditCommandsTest, EditCommandsFollowTheWordBoxState) {
    m_pFrame->FocusWordBox(TRUE);
    EXPECT_FALSE(Enabled(ID_EDIT_SELECT_ALL));  // empty box
    EXPECT_FALSE(Enabled(ID_EDIT_CUT));
    Type("house");
    WordBox()->SendMessage(EM_SETSEL, 5, 5);
    EXPECT_TRUE(Enabled(ID_EDIT_SELECT_ALL));
    EXPECT_FALSE(Enabled(ID_EDIT_CUT));
    EXPECT_FALSE(Enabled(ID_EDIT_COPY));  // the word box has the focus and nothing selected
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_FALSE(Enabled(ID_EDIT_SELECT_ALL));  // already wholly selected
    EXPECT_TRUE(Enabled(ID_EDIT_CUT));
    Command(ID_EDIT_COPY);
    EXPECT_EQ("house", ClipboardText());
    Command(ID_EDIT_CUT);
    CString strBox;
    WordBox()->GetWindowText(strBox);
    EXPECT_EQ(CString(""), strBox);
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    Command(ID_EDIT_PASTE);
    WordBox()->GetWindowText(strBox);
    EXPECT_EQ(CString("house"), strBox);
    SetClipboardText(nullptr);
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    // Undo works on the word box wherever the focus is, while the bar shows.
    Type("");
    WordBox()->SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("bank"));
    m_pFrame->GetWordList()->SetFocus();
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
    Command(ID_EDIT_UNDO);
    WordBox()->GetWindowText(strBox);
    EXPECT_EQ(CString(""), strBox);
    m_pFrame->ShowControlBar(&m_pFrame->m_wndWordBar, FALSE, FALSE);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

TEST_F(EditCommandsTest, CopyTakesTheSelectedItemOfTheFocusedList) {
    m_pFrame->m_bFocusInWordBox = FALSE;
    CWnd* pWords = m_pFrame->GetWordList();
    CWnd* pTranslations = m_pFrame->GetTranslationList();
    pWords->SetFocus();
    EXPECT_TRUE(Enabled(ID_EDIT_COPY));  // a list has the focus: always enabled
    SetClipboardText("before");
    CListBox(pWords->m_hWnd).SetCurSel(-1);
    Command(ID_EDIT_COPY);
    EXPECT_EQ("before", ClipboardText());  // nothing selected: nothing changes
    CListBox(pWords->m_hWnd).SetCurSel(1);
    Command(ID_EDIT_COPY);
    EXPECT_EQ("house", ClipboardText());
    m_pDoc->ShowTranslations();
    CListBox(pTranslations->m_hWnd).SetCurSel(1);
    pTranslations->SetFocus();
    Command(ID_EDIT_COPY);
    EXPECT_EQ("locuinta", ClipboardText());
    // A long item reaches the clipboard whole.
    std::string longText(4096, 'x');
    EXPECT_TRUE(m_pFrame->CopyToClipboard(longText.c_str()));
    EXPECT_EQ(longText, ClipboardText());
}

TEST_F(EditCommandsTest, EscapeResetsMinimisesOrCloses) {
    Type("bank");
    m_pFrame->m_nEscapeFunction = 0;
    Command(ID_ESCAPE);
    CString strBox;
    WordBox()->GetWindowText(strBox);
    EXPECT_EQ(CString(""), strBox);
    EXPECT_EQ(0, Selection(m_pFrame->GetWordList()));
    EXPECT_TRUE(PumpUntil([&] { return !Rows(m_pFrame->GetTranslationList()).empty(); }));

    m_pFrame->m_nEscapeFunction = 1;
    Command(ID_ESCAPE);
    EXPECT_TRUE(m_pFrame->IsIconic());
    m_pFrame->m_nEscapeFunction = 2;
    Command(ID_ESCAPE);  // a minimised window stays as it is
    EXPECT_TRUE(IsWindow(m_pFrame->m_hWnd));
    m_pFrame->ShowWindow(SW_RESTORE);
    HWND hWnd = m_pFrame->m_hWnd;
    Command(ID_ESCAPE);  // Hide when close is off: the program ends
    EXPECT_FALSE(IsWindow(hWnd));
    m_pFrame = nullptr;
    m_pDoc = nullptr;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    EXPECT_EQ(2u, theApp.GetProfileInt("Settings", "EscapeFunction", 0));
}

TEST(EditControlTest, RecognisesEditsByClassNameOnly) {
    HWND hEdit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND hList =
        CreateWindowExA(0, "ListBox", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(CMainFrame::IsEditControl(CWnd::FromHandle(hEdit)));
    EXPECT_FALSE(CMainFrame::IsEditControl(CWnd::FromHandle(hList)));
    EXPECT_FALSE(CMainFrame::IsEditControl(nullptr));
    DestroyWindow(hEdit);
    DestroyWindow(hList);
}
