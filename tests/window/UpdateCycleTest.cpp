#include "../unit/LoopbackServer.h"
#include "DialogDriver.h"
#include "ProgramFixture.h"

#include "dictionary/DictionaryPaths.h"
#include "res/resource.h"

#include <fstream>
#include <iterator>

namespace {}  // namespace

// Drives the update cycle tick by tick (each tick as timer 102 would give
// it), recording what the status bar says at each step.
class UpdateCycleTest : public ProgramTest {
protected:
    void StartWith(const std::string& host) {
        StartProgram();
        m_pFrame->m_updateThread.m_strServer = host.c_str();
        m_pFrame->m_updateThread.m_dwTimeout = 3000;
    }

    // One tick; waits for the worker's report when the step starts a run.
    void Tick() {
        m_pFrame->SendMessage(WM_TIMER, ID_TIMER_UPDATE);
        if (m_pFrame->m_nUpdateStep == 4 || m_pFrame->m_nUpdateStep == 6) {
            m_bReported = false;
            ASSERT_TRUE(PumpUntil([&] { return !m_pFrame->m_updateThread.IsRunning(); }, 15000));
        }
        m_statuses.push_back(StatusText().Str());
    }

    // Ticks until the cycle has ended (step 9), at most a few more than needed.
    void RunCycle() {
        for (int i = 0; i < 12 && m_pFrame->m_nUpdateStep < 9; ++i)
            Tick();
    }

    LoopbackServer m_server;
    std::vector<std::string> m_statuses;
    bool m_bReported = false;
};

TEST_F(UpdateCycleTest, StepsShowTheirMessagesAndTheCurrentDirectionIsReloaded) {
    WriteDictionary(0, "house:casa\r\n");
    WriteDictionary(1, "cas\xE3:house\r\n");
    m_server.SetBody("/update/enu.tmp", "house:x\r\nbank:banca\r\n");
    m_server.SetBody("/update/rou.tmp", "CAS\xC3:y\r\n");
    StartWith(m_server.Host());
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP_UPDATE);
    EXPECT_EQ(CString("Connecting ..."), StatusText());
    EXPECT_FALSE(CommandState(ID_HELP_UPDATE).m_bEnabled);
    EXPECT_FALSE(CommandState(ID_ENGLISH_ROMANIAN).m_bEnabled);
    EXPECT_FALSE(CommandState(ID_ROMANIAN_ENGLISH).m_bEnabled);
    RunCycle();
    EXPECT_EQ((std::vector<std::string>{"Connect to update server ...", "Checking english database ...",
                                        "English database has been successfully updated",
                                        "Checking romanian database ...",
                                        "There is no need to update romanian database",
                                        "English database has been successfully updated",    // step 7: reload
                                        "English database has been successfully updated",    // step 8
                                        "English database has been successfully updated"}),  // the end
              m_statuses);
    EXPECT_EQ(9, m_pFrame->m_nUpdateStep);
    EXPECT_EQ("house:casa\r\nbank:banca\r\n", ReadDictionary(0));
    // The English list was reloaded and shows the new word.
    EXPECT_EQ((std::vector<std::string>{"bank", "house"}), Rows(m_pFrame->GetWordList()));
    EXPECT_TRUE(CommandState(ID_HELP_UPDATE).m_bEnabled);
    // "LastUpdate" was written at the second step.
    CString strLast = theApp.GetProfileString("Settings", "LastUpdate", "");
    EXPECT_EQ(19, strLast.GetLength());
    EXPECT_EQ('-', strLast[4]);
}

TEST_F(UpdateCycleTest, OnlyTheCurrentDirectionIsReloaded) {
    WriteDictionary(0, "house:casa\r\n");
    WriteDictionary(1, "cas\xE3:house\r\n");
    m_server.SetBody("/update/enu.tmp", "house:x\r\n");
    m_server.SetBody("/update/rou.tmp", "ap\xE3:water\r\n");
    StartWith(m_server.Host());
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP_UPDATE);
    RunCycle();
    EXPECT_EQ("cas\xE3:house\r\nap\xE3:water\r\n", ReadDictionary(1));
    EXPECT_EQ((std::vector<std::string>{"house"}), Rows(m_pFrame->GetWordList()));  // English stays as loaded
    EXPECT_EQ("Romanian database has been successfully updated", m_statuses[4]);
    EXPECT_EQ("Romanian database has been successfully updated", m_statuses.back()) << "no reload message";
}

TEST_F(UpdateCycleTest, AnUnreachableServerEndsTheCycleAfterTheEnglishRun) {
    WriteDictionary(0, "house:casa\r\n");
    WriteDictionary(1, "cas\xE3:house\r\n");
    StartWith(LoopbackServer::RefusingHost());
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP_UPDATE);
    RunCycle();
    // Connect, check English, the failure, then the end: no Romanian run.
    ASSERT_EQ(4u, m_statuses.size());
    EXPECT_EQ("Checking english database ...", m_statuses[1]);
    EXPECT_NE(std::string::npos, m_statuses[2].find("server")) << m_statuses[2];
    EXPECT_EQ(m_statuses[2], m_statuses[3]);
    EXPECT_FALSE(theApp.GetProfileString("Settings", "LastUpdate", "").IsEmpty());
    EXPECT_EQ("house:casa\r\n", ReadDictionary(0));
}

TEST_F(UpdateCycleTest, EditsAndTheCycleNeverOverlapAndTheTypedWordSurvivesTheReload) {
    WriteDictionary(0, "house:casa\r\nbank:banca\r\n");
    WriteDictionary(1, "cas\xE3:house\r\n");
    m_server.SetBody("/update/enu.tmp", "house:x\r\nbanal:banal\r\n");
    m_server.SetBody("/update/rou.tmp", "cas\xE3:y\r\n");
    StartWith(m_server.Host());

    // The automatic start comes while the user adds a word: it waits.
    int nStepInDialog = -1;
    DialogDriver driver(nullptr, {[&](HWND h) {
                            m_pFrame->SendMessage(WM_TIMER, ID_TIMER_UPDATE);
                            m_pFrame->SendMessage(WM_TIMER, ID_TIMER_UPDATE);
                            nStepInDialog = m_pFrame->m_nUpdateStep;
                            TypeText(h, IDC_WORD, "zebra");
                            TypeText(h, IDC_TRANSLATIONS, "zebr\xE3");
                            ClickButton(h, IDOK);
                        }});
    m_pFrame->SendMessage(WM_COMMAND, ID_WORD_ADD);
    EXPECT_EQ(0, nStepInDialog);
    EXPECT_EQ("house:casa\r\nbank:banca\r\nzebra:zebr\xE3\r\n", ReadDictionary(0));

    // While the cycle runs, word commands wait and the display waits too.
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP_UPDATE);
    Tick();
    WordBox()->SetFocus();
    Type("ban");
    WordBox()->SendMessage(EM_SETSEL, 3, 3);
    Tick();  // the step drops the pending display
    PumpMessages(400);
    EXPECT_TRUE(Rows(m_pFrame->GetTranslationList()).empty());
    m_pFrame->SendMessage(WM_COMMAND, ID_WORD_ADD);
    EXPECT_EQ(CString("Please wait until update process is done"), StatusText());
    RunCycle();
    EXPECT_EQ("house:casa\r\nbank:banca\r\nzebra:zebr\xE3\r\nbanal:banal\r\n", ReadDictionary(0));

    // The reload kept what the user was typing: the text, the focus and
    // the caret (a selection of the whole text would be replaced by the
    // next key).
    CString strBox;
    WordBox()->GetWindowText(strBox);
    EXPECT_EQ(CString("ban"), strBox);
    EXPECT_EQ(WordBox()->m_hWnd, ::GetFocus());
    DWORD dwStart = 0, dwEnd = 0;
    WordBox()->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(3u, dwStart);
    EXPECT_EQ(3u, dwEnd);
    EXPECT_TRUE(PumpUntil([&] { return !Rows(m_pFrame->GetTranslationList()).empty(); }));
}

TEST_F(UpdateCycleTest, ClosingDuringARunWaitsForItAndLosesNothing) {
    WriteDictionary(0, "house:casa\r\n");
    WriteDictionary(1, "cas\xE3:house\r\n");
    m_server.SetBody("/update/enu.tmp", "zebra:zebr\xE3\r\n");
    StartWith(m_server.Host());
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP_UPDATE);
    for (int i = 0; i < 2; ++i)
        Tick();
    m_pFrame->SendMessage(WM_TIMER, ID_TIMER_UPDATE);  // step 4: the English run starts
    ASSERT_EQ(4, m_pFrame->m_nUpdateStep);
    // Closed once the run has asked for the file: a run stopped before it
    // begins does nothing at all.
    for (int i = 0; i < 500 && m_server.Requests().empty(); ++i)
        Sleep(10);
    ASSERT_FALSE(m_server.Requests().empty());
    CloseProgram();  // the window's end waits for the run
    EXPECT_EQ("house:casa\r\nzebra:zebr\xE3\r\n", ReadDictionary(0));
}
