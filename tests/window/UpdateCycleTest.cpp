#include "../unit/LoopbackServer.h"
#include "DialogDriver.h"
#include "ProgramFixture.h"

#include "res/resource.h"

namespace {

using Texts = std::vector<std::string>;

// One cycle against one server: what the status bar says after each tick
// (from the second step to one tick past the end; "~" + text: a message
// holding that text), the files and the word list afterwards.
struct Cycle {
    const char* what;
    const char* englishUpdate;  // null: the server refuses every connection
    const char* romanianUpdate;
    Texts statuses;
    const char* english;   // en.tmp afterwards, first "house:casa\r\n"
    const char* romanian;  // ro.tmp afterwards, first "cas\xE3:house\r\n"
    Texts rows;            // of the English list, the current one
};

const char kConnect[] = "Connect to update server ...";
const char kCheckEn[] = "Checking english database ...";
const char kCheckRo[] = "Checking romanian database ...";
const char kEnDone[] = "English database has been successfully updated";
const char kRoDone[] = "Romanian database has been successfully updated";

// clang-format off
const Cycle kCycles[] = {
    // The English list is reloaded: step 7 says so again.
    {"English updated: the current list reloaded", "house:x\r\nbank:banca\r\n", "CAS\xC3:y\r\n",
     {kConnect, kCheckEn, kEnDone, kCheckRo, "There is no need to update romanian database", kEnDone, kEnDone, kEnDone},
     "house:casa\r\nbank:banca\r\n", "cas\xE3:house\r\n", {"bank", "house"}},
    {"only Romanian updated: no reload", "house:x\r\n", "ap\xE3:water\r\n",
     {kConnect, kCheckEn, "There is no need to update english database", kCheckRo, kRoDone, kRoDone, kRoDone, kRoDone},
     "house:casa\r\n", "cas\xE3:house\r\nap\xE3:water\r\n", {"house"}},
    // The failure ends the cycle after the English run: no Romanian run.
    {"unreachable server", nullptr, nullptr, {kConnect, kCheckEn, "~server", "~server"},
     "house:casa\r\n", "cas\xE3:house\r\n", {"house"}},
};
// clang-format on

}  // namespace

// Drives the update cycle tick by tick (each tick as timer 102 would give
// it), recording what the status bar says at each step.
class UpdateCycleTest : public ProgramTest {
protected:
    void StartWith(const std::string& host) {
        StartProgram();
        m_pFrame->m_updateCycle.UseServer(host.c_str(), 3000);
    }

    // One tick; waits for the worker's report when the step starts a run.
    void Tick() {
        const CString strBefore = StatusText();
        m_pFrame->SendMessage(WM_TIMER, ID_TIMER_UPDATE);
        const UpdateStep step = m_pFrame->m_commands.State().step;
        if (step == UpdateStep::kEnglishRun || step == UpdateStep::kRomanianRun) {
            ASSERT_TRUE(PumpUntil([&] { return StatusText() != strBefore; }, 15000));
        }
        m_statuses.push_back(StatusText().Str());
    }

    // Ticks until the cycle has ended, and once more.
    void RunCycle() {
        for (int i = 0; i < 12 && m_pFrame->m_commands.State().step != UpdateStep::kDone; ++i)
            Tick();
        Tick();
    }

    LoopbackServer m_server;
    Texts m_statuses;
};

TEST_F(UpdateCycleTest, EachStepSaysWhatItDoesAndOnlyTheCurrentDirectionIsReloaded) {
    for (const Cycle& cycle : kCycles) {
        WriteDictionary(kEn, "house:casa\r\n");
        WriteDictionary(kRo, "cas\xE3:house\r\n");
        DeleteProgramTestSettings();
        LoopbackServer server;
        if (cycle.englishUpdate) {
            server.SetBody("/update/enu.tmp", cycle.englishUpdate);
            server.SetBody("/update/rou.tmp", cycle.romanianUpdate);
        }
        m_statuses.clear();
        StartWith(cycle.englishUpdate ? server.Host() : LoopbackServer::RefusingHost());
        Command(ID_HELP_UPDATE);
        EXPECT_EQ(CString("Connecting ..."), StatusText()) << cycle.what;
        EXPECT_FALSE(CommandState(ID_HELP_UPDATE).m_bEnabled) << cycle.what;
        EXPECT_FALSE(CommandState(ID_ENGLISH_ROMANIAN).m_bEnabled) << cycle.what;
        RunCycle();
        ASSERT_EQ(cycle.statuses.size(), m_statuses.size()) << cycle.what;
        for (size_t i = 0; i < m_statuses.size(); ++i) {
            const std::string& expected = cycle.statuses[i];
            if (expected[0] == '~')
                EXPECT_NE(std::string::npos, m_statuses[i].find(expected.substr(1))) << cycle.what << i;
            else
                EXPECT_EQ(expected, m_statuses[i]) << cycle.what << " " << i;
        }
        EXPECT_EQ(cycle.english, ReadDictionary(kEn)) << cycle.what;
        EXPECT_EQ(cycle.romanian, ReadDictionary(kRo)) << cycle.what;
        EXPECT_EQ(cycle.rows, Rows(m_pFrame->GetWordList())) << cycle.what;
        EXPECT_TRUE(CommandState(ID_HELP_UPDATE).m_bEnabled) << cycle.what;
        // The attempt is written at the second step, whatever follows.
        const CString strLast = theApp.GetProfileString("Settings", "LastUpdate", "");
        EXPECT_TRUE(strLast.GetLength() == 19 && strLast[4] == '-') << cycle.what << " " << strLast;
        CloseProgram();
    }
}

TEST_F(UpdateCycleTest, EditsAndTheCycleNeverOverlapAndTheTypedWordSurvivesTheReload) {
    WriteDictionary(kEn, "house:casa\r\nbank:banca\r\n");
    WriteDictionary(kRo, "cas\xE3:house\r\n");
    m_server.SetBody("/update/enu.tmp", "house:x\r\nbanal:banal\r\n");
    m_server.SetBody("/update/rou.tmp", "cas\xE3:y\r\n");
    StartWith(m_server.Host());

    // The automatic start comes while the user adds a word: it waits.
    UpdateStep stepInDialog = UpdateStep::kDone;
    DialogDriver driver(nullptr, {[&](HWND h) {
                            m_pFrame->SendMessage(WM_TIMER, ID_TIMER_UPDATE);
                            m_pFrame->SendMessage(WM_TIMER, ID_TIMER_UPDATE);
                            stepInDialog = m_pFrame->m_commands.State().step;
                            TypeText(h, IDC_WORD, "zebra");
                            TypeText(h, IDC_TRANSLATIONS, "zebr\xE3");
                            ClickButton(h, IDOK);
                        }});
    Command(ID_WORD_ADD);
    EXPECT_EQ(UpdateStep::kIdle, stepInDialog);
    EXPECT_EQ("house:casa\r\nbank:banca\r\nzebra:zebr\xE3\r\n", ReadDictionary(kEn));

    // While the cycle runs, no word command does anything, nor an import,
    // and the display waits too.
    Command(ID_HELP_UPDATE);
    Tick();
    WordBox()->SetFocus();
    WordBox()->SetWindowText("ban");  // as typed: EN_CHANGE follows
    WordBox()->SendMessage(EM_SETSEL, 3, 3);
    Tick();  // the step drops the pending display
    PumpMessages(400);
    EXPECT_TRUE(Rows(m_pFrame->GetTranslationList()).empty());
    for (UINT nID : {ID_WORD_ADD, ID_WORD_MODIFY, ID_WORD_DELETE, ID_FILE_IMPORT}) {
        m_pFrame->SetMessageText("");
        Command(nID);
        EXPECT_EQ(CString("Please wait until update process is done"), StatusText()) << nID;
    }
    RunCycle();
    EXPECT_EQ("house:casa\r\nbank:banca\r\nzebra:zebr\xE3\r\nbanal:banal\r\n", ReadDictionary(kEn));

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
