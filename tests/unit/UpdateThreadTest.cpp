#include "LoopbackServer.h"
#include "TempDir.h"

#include "framework/File.h"
#include "thread/UpdateThread.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace {

using Paths = std::vector<std::string>;

const char kEnglishPath[] = "/update/enu.tmp";
const char kRomanianPath[] = "/update/rou.tmp";

// WinINet's texts for what goes wrong on the wire. Windows and Wine word them
// differently, and Wine gives other errors for some failures.
const std::initializer_list<const char*> kConnectionAborted = {
    "The connection with the server was terminated abnormally",  // Windows
    "The connection with the server has been terminated.",       // Wine
};
const std::initializer_list<const char*> kTimedOutOrAborted = {
    "The operation timed out",     // Windows
    "The request has timed out.",  // Wine
    "The connection with the server was terminated abnormally",
    "The connection with the server has been terminated.",
};
const std::initializer_list<const char*> kResetOrAborted = {
    "Connection reset by peer.",
    "The connection with the server was terminated abnormally",
    "The connection with the server has been terminated.",
};

::testing::AssertionResult IsOneOf(const std::string& text, std::initializer_list<const char*> texts) {
    for (const char* candidate : texts) {
        if (text == candidate)
            return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "unexpected text \"" << text << "\"";
}

// Can hold a run at its very start.
class CTestUpdateThread : public CUpdateThread {
public:
    // Queues CMD_STOP right behind CMD_START, before the worker can take either.
    void StartAndStopAtOnce() {
        CLock lock;
        Start();
        CString strError;
        PostCommand(CMD_STOP, strError);
    }
};

struct Report {
    int nResult = -1;
    std::string text;
};

// One update thread reporting to a message-only window of the test, fetching
// from a server of the test's own and merging into files in a fresh folder.
class UpdateThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_hWnd = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_hWnd);
        m_thread.m_hWndOwner = m_hWnd;
        m_thread.m_strServer = m_server.Host().c_str();
        m_thread.m_strFolder = m_dir.Path().c_str();
        m_thread.m_dwTimeout = 2000;
    }
    void TearDown() override {
        EXPECT_TRUE(m_thread.Stop(nullptr, 10000));
        DestroyWindow(m_hWnd);
    }

    std::string En() const { return m_dir.File("en.tmp"); }
    std::string Ro() const { return m_dir.File("ro.tmp"); }

    // Runs one action, takes its report and stops the run, as the frame does.
    Report Run(int nAction) {
        m_thread.m_nAction = nAction;
        m_thread.Start();
        Report report = WaitForReport(30000);
        DWORD dwExitCode = 0xBAD;
        EXPECT_TRUE(m_thread.Stop(&dwExitCode, 10000));
        EXPECT_EQ(0u, dwExitCode);
        return report;
    }

    // The next report posted to the window within dwTimeout ms; none gives
    // result -1.
    Report WaitForReport(DWORD dwTimeout) {
        const DWORD dwStart = GetTickCount();
        for (;;) {
            MSG msg;
            if (PeekMessageA(&msg, m_hWnd, WM_UPDATE_REPORT, WM_UPDATE_REPORT, PM_REMOVE)) {
                // The text is the thread's own string, read while handling the message.
                EXPECT_EQ(reinterpret_cast<LPARAM>(m_thread.m_pstrReport), msg.lParam);
                return {static_cast<int>(msg.wParam), reinterpret_cast<const CString*>(msg.lParam)->Str()};
            }
            if (GetTickCount() - dwStart >= dwTimeout)
                return {};
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_POSTMESSAGE);
        }
    }

    TempDir m_dir;
    LoopbackServer m_server;
    CTestUpdateThread m_thread;
    HWND m_hWnd = nullptr;
};

}  // namespace

TEST_F(UpdateThreadTest, NewEnglishWordsAreAppendedAndReported) {
    WriteBytes(En(), "house:casa\r\nbank:banca");  // no final line end
    m_server.SetBody(kEnglishPath, "house:locuinta\nbook:carte\r\nBOOK:x\n\ntree:co\rpac");
    Report report = Run(UPDATE_ENGLISH);
    EXPECT_EQ(UPDATE_DONE, report.nResult);
    EXPECT_EQ("English database has been successfully updated", report.text);
    EXPECT_EQ("house:casa\r\nbank:banca\r\nbook:carte\r\ntree:copac\r\n", ReadBytes(En()));
    EXPECT_EQ(Paths{kEnglishPath}, m_server.Requests());
}

TEST_F(UpdateThreadTest, OneObjectRunsTheEnglishThenTheRomanianUpdate) {
    WriteBytes(En(), "house:casa\r\n");
    WriteBytes(Ro(), "casa:house\r\n");
    m_server.SetBody(kEnglishPath, "HOUSE:locuinta\n");
    m_server.SetBody(kRomanianPath, "casa:home\nmas\xC3:table\nMAS\xE3:desk\n");

    Report english = Run(UPDATE_ENGLISH);
    EXPECT_EQ(UPDATE_NOT_NEEDED, english.nResult);
    EXPECT_EQ("There is no need to update english database", english.text);

    Report romanian = Run(UPDATE_ROMANIAN);
    EXPECT_EQ(UPDATE_DONE, romanian.nResult);
    EXPECT_EQ("Romanian database has been successfully updated", romanian.text);

    EXPECT_EQ("house:casa\r\n", ReadBytes(En()));
    EXPECT_EQ("casa:house\r\nmas\xC3:table\r\n", ReadBytes(Ro()));
    EXPECT_EQ((Paths{kEnglishPath, kRomanianPath}), m_server.Requests());
}

TEST_F(UpdateThreadTest, AnUpdateWithNothingNewLeavesTheFileAsItWas) {
    // Head words present in other letter case, blank lines.
    const std::string english = "House:casa\r\n\xE3la:that\r\n";
    WriteBytes(En(), english);
    m_server.SetBody(kEnglishPath, "HOUSE:a\n\xC3LA:b\n\n\r\n \t\n");
    Report report = Run(UPDATE_ENGLISH);
    EXPECT_EQ(UPDATE_NOT_NEEDED, report.nResult);
    EXPECT_EQ("There is no need to update english database", report.text);
    EXPECT_EQ(english, ReadBytes(En()));

    WriteBytes(Ro(), "a:b");
    m_server.SetBody(kRomanianPath, "\n\nA:c\n");
    report = Run(UPDATE_ROMANIAN);
    EXPECT_EQ(UPDATE_NOT_NEEDED, report.nResult);
    EXPECT_EQ("There is no need to update romanian database", report.text);
    EXPECT_EQ("a:b", ReadBytes(Ro()));
}

TEST_F(UpdateThreadTest, AnEmptyUpdateFileIsAFailure) {
    WriteBytes(En(), "a:1\r\n");
    WriteBytes(Ro(), "a:1\r\n");
    m_server.SetBody(kEnglishPath, "");
    m_server.SetBody(kRomanianPath, "");

    Report report = Run(UPDATE_ENGLISH);
    EXPECT_EQ(UPDATE_FAILED, report.nResult);
    EXPECT_EQ("The english update file is empty", report.text);
    report = Run(UPDATE_ROMANIAN);
    EXPECT_EQ(UPDATE_FAILED, report.nResult);
    EXPECT_EQ("The romanian update file is empty", report.text);
    EXPECT_EQ("a:1\r\n", ReadBytes(En()));
    EXPECT_EQ("a:1\r\n", ReadBytes(Ro()));
}

TEST_F(UpdateThreadTest, AnErrorPageIsADownloadFailureAndNeverMerged) {
    WriteBytes(En(), "a:1\r\n");
    WriteBytes(Ro(), "a:1\r\n");
    LoopbackServer::Reply failure;
    failure.status = 500;
    failure.reason = "Internal Server Error";
    failure.body = "error:something broke\n";
    m_server.Set(kEnglishPath, failure);
    // The Romanian file is not on the server: its 404 page comes instead.

    Report report = Run(UPDATE_ENGLISH);
    EXPECT_EQ(UPDATE_DOWNLOAD_FAILED, report.nResult);
    EXPECT_EQ("The update server answered 500 Internal Server Error", report.text);
    report = Run(UPDATE_ROMANIAN);
    EXPECT_EQ(UPDATE_DOWNLOAD_FAILED, report.nResult);
    EXPECT_EQ("The update server answered 404 Not Found", report.text);
    EXPECT_EQ("a:1\r\n", ReadBytes(En()));
    EXPECT_EQ("a:1\r\n", ReadBytes(Ro()));
}

TEST_F(UpdateThreadTest, AServerThatCannotBeReachedIsADownloadFailure) {
    WriteBytes(En(), "a:1\r\n");
    m_thread.m_strServer = LoopbackServer::RefusingHost().c_str();
    Report report = Run(UPDATE_ENGLISH);
    EXPECT_EQ(UPDATE_DOWNLOAD_FAILED, report.nResult);
    EXPECT_EQ("The attempt to connect to the server failed.", report.text);
    EXPECT_EQ("a:1\r\n", ReadBytes(En()));
}

TEST_F(UpdateThreadTest, AServerThatNeverAnswersEndsTheRunAfterTheTimeout) {
    WriteBytes(En(), "a:1\r\n");
    LoopbackServer::Reply stall;
    stall.behaviour = LoopbackServer::Reply::kStall;
    m_server.Set(kEnglishPath, stall);
    m_thread.m_dwTimeout = 1500;

    const DWORD dwStart = GetTickCount();
    Report report = Run(UPDATE_ENGLISH);
    const DWORD dwElapsed = GetTickCount() - dwStart;
    EXPECT_EQ(UPDATE_DOWNLOAD_FAILED, report.nResult);
    // WinINet's text for the error it gives: a time-out on Windows, an
    // aborted connection under Wine.
    EXPECT_TRUE(IsOneOf(report.text, kTimedOutOrAborted));
    EXPECT_GE(dwElapsed, 1000u);
    EXPECT_LT(dwElapsed, 15000u);
    EXPECT_EQ("a:1\r\n", ReadBytes(En()));
}

TEST_F(UpdateThreadTest, AConnectionBrokenOffInTheBodyIsADownloadFailure) {
    LoopbackServer::Reply broken;
    for (int i = 0; i < 2000; ++i)
        broken.body += "word" + std::to_string(i) + ":translation\n";
    for (auto behaviour : {LoopbackServer::Reply::kResetMidBody, LoopbackServer::Reply::kCloseMidBody}) {
        WriteBytes(En(), "a:1\r\n");
        broken.behaviour = behaviour;
        m_server.Set(kEnglishPath, broken);
        Report report = Run(UPDATE_ENGLISH);
        EXPECT_EQ(UPDATE_DOWNLOAD_FAILED, report.nResult) << behaviour;
        // A reset is the system's error; a body shorter than announced is
        // reported as an aborted connection.
        EXPECT_TRUE(IsOneOf(report.text, behaviour == LoopbackServer::Reply::kResetMidBody
                                             ? kResetOrAborted
                                             : kConnectionAborted));
        EXPECT_EQ("a:1\r\n", ReadBytes(En())) << behaviour;
    }
}

TEST_F(UpdateThreadTest, AnUpdateFileOverItsBoundsIsADownloadFailure) {
    WriteBytes(En(), "a:1\r\n");
    m_thread.m_nMaxDownloadSize = 1000;
    LoopbackServer::Reply reply;
    for (int i = 0; reply.body.size() < 980; ++i)
        reply.body += "w" + std::to_string(i) + ":x\n";
    reply.body += "last:" + std::string(1000 - 5 - reply.body.size(), 'x');
    m_server.Set(kEnglishPath, reply);
    EXPECT_EQ(UPDATE_DONE, Run(UPDATE_ENGLISH).nResult) << "exactly the bound is allowed";

    // One byte more, announced in advance or only found while reading.
    WriteBytes(En(), "a:1\r\n");
    reply.body += "z";
    for (bool announce : {true, false}) {
        reply.announceLength = announce;
        m_server.Set(kEnglishPath, reply);
        Report report = Run(UPDATE_ENGLISH);
        EXPECT_EQ(UPDATE_DOWNLOAD_FAILED, report.nResult) << announce;
        EXPECT_EQ("The update file is larger than 1000 bytes", report.text) << announce;
        EXPECT_EQ("a:1\r\n", ReadBytes(En())) << announce;
    }

    // Empty lines cost memory too: the number of lines has its own bound.
    m_thread.m_nMaxDownloadLines = 3;
    m_server.SetBody(kEnglishPath, "\n\n\n\n");
    Report report = Run(UPDATE_ENGLISH);
    EXPECT_EQ(UPDATE_DOWNLOAD_FAILED, report.nResult);
    EXPECT_EQ("The update file has more than 3 lines", report.text);
    m_server.SetBody(kEnglishPath, "b:1\nc:2\nd:3");
    EXPECT_EQ(UPDATE_DONE, Run(UPDATE_ENGLISH).nResult);
    EXPECT_EQ("a:1\r\nb:1\r\nc:2\r\nd:3\r\n", ReadBytes(En()));
}

TEST_F(UpdateThreadTest, ALocalFileThatDoesNotOpenIsReportedAndNotCreated) {
    m_server.SetBody(kEnglishPath, "a:1\n");
    m_server.SetBody(kRomanianPath, "a:1\n");
    Report report = Run(UPDATE_ENGLISH);
    EXPECT_EQ(UPDATE_FAILED, report.nResult);
    EXPECT_EQ("Error occurred on opening english database", report.text);
    EXPECT_FALSE(FileExists(En()));
    report = Run(UPDATE_ROMANIAN);
    EXPECT_EQ(UPDATE_FAILED, report.nResult);
    EXPECT_EQ("Error occurred on opening romanian database", report.text);
    EXPECT_FALSE(FileExists(Ro()));

    // Open elsewhere: dictionary files are opened exclusively.
    WriteBytes(En(), "b:2\r\n");
    {
        CFile other(En().c_str(), CFile::modeRead | CFile::shareExclusive);
        report = Run(UPDATE_ENGLISH);
    }
    EXPECT_EQ(UPDATE_FAILED, report.nResult);
    EXPECT_EQ("Error occurred on opening english database", report.text);
    EXPECT_EQ("b:2\r\n", ReadBytes(En()));
}

TEST_F(UpdateThreadTest, AnUndefinedActionIsReportedWithoutDownloading) {
    for (int nAction : {-1, 0, 5, 7}) {
        Report report = Run(nAction);
        EXPECT_EQ(UPDATE_FAILED, report.nResult) << nAction;
        EXPECT_EQ("Update action command is undefined", report.text) << nAction;
    }
    EXPECT_TRUE(m_server.Requests().empty());
}

TEST_F(UpdateThreadTest, AStopTakenBeforeTheActionSkipsIt) {
    WriteBytes(En(), "a:1\r\n");
    m_server.SetBody(kEnglishPath, "b:2\n");
    m_thread.m_nAction = UPDATE_ENGLISH;
    m_thread.StartAndStopAtOnce();
    DWORD dwExitCode = 0xBAD;
    EXPECT_TRUE(m_thread.Stop(&dwExitCode, 10000));
    EXPECT_EQ(0u, dwExitCode);
    EXPECT_EQ(-1, WaitForReport(300).nResult);
    EXPECT_TRUE(m_server.Requests().empty());
    EXPECT_EQ("a:1\r\n", ReadBytes(En()));
}

TEST_F(UpdateThreadTest, ARunActsOnceThenIdlesUntilStopped) {
    WriteBytes(En(), "a:1\r\n");
    m_server.SetBody(kEnglishPath, "b:2\n");
    m_thread.m_nAction = UPDATE_ENGLISH;
    m_thread.Start();
    EXPECT_EQ(UPDATE_DONE, WaitForReport(30000).nResult);
    EXPECT_EQ(-1, WaitForReport(700).nResult);
    EXPECT_TRUE(m_thread.IsRunning());
    EXPECT_EQ(Paths{kEnglishPath}, m_server.Requests());
    DWORD dwExitCode = 0xBAD;
    EXPECT_TRUE(m_thread.Stop(&dwExitCode, 10000));
    EXPECT_EQ(0u, dwExitCode);
    EXPECT_EQ("a:1\r\nb:2\r\n", ReadBytes(En()));
}

namespace {


}  // namespace

TEST_F(UpdateThreadTest, BinaryGarbageIsNoDictionaryAndChangesNothing) {
    std::mt19937 random(99);
    for (int round = 0; round < 3; ++round) {
        const std::string before = "a:1\r\n";
        WriteBytes(En(), before);
        std::string body(256 * 1024, '\0');
        for (char& c : body)
            c = static_cast<char>(random() % 4 == 0 ? ":\n\r\x1A"[random() % 4] : random() % 256);
        m_server.SetBody(kEnglishPath, body);
        Report report = Run(UPDATE_ENGLISH);
        EXPECT_EQ(UPDATE_DOWNLOAD_FAILED, report.nResult) << report.text;
        EXPECT_EQ("The update server did not send a dictionary", report.text);
        EXPECT_EQ(before, ReadBytes(En())) << "round " << round;
    }
}

TEST_F(UpdateThreadTest, LinesWithNulOrEndOfTextBytesAreLeftOut) {
    WriteBytes(En(), "a:1\r\n");
    m_server.SetBody(kEnglishPath, Bytes("nul:x\0y\nctrl:x\x1Ay\n\x1A\nok:1\nlate:2\x1A\nnext:3"));
    Report report = Run(UPDATE_ENGLISH);
    EXPECT_EQ(UPDATE_DONE, report.nResult);
    EXPECT_EQ("a:1\r\nok:1\r\nnext:3\r\n", ReadBytes(En()));
}

TEST_F(UpdateThreadTest, LinesOfSeveralMegabytesArriveWhole) {
    WriteBytes(En(), "a:1\r\n");
    const std::string big = "big:" + std::string(6 * 1024 * 1024, 'x');
    const std::string second = "second:" + std::string(5 * 1024 * 1024, 'y');
    m_server.SetBody(kEnglishPath, big + "\n" + second + "\nsmall:1\n");
    Report report = Run(UPDATE_ENGLISH);
    EXPECT_EQ(UPDATE_DONE, report.nResult);
    EXPECT_TRUE(ReadBytes(En()) == "a:1\r\n" + big + "\r\n" + second + "\r\nsmall:1\r\n");
}

TEST_F(UpdateThreadTest, AServerFallingSilentOrTricklingEndsTheRunInBoundedTime) {
    WriteBytes(En(), "a:1\r\n");
    m_thread.m_dwTimeout = 1500;
    m_thread.m_dwMaxDownloadTime = 3000;
    LoopbackServer::Reply reply;
    for (int i = 0; i < 200; ++i)
        reply.body += "word" + std::to_string(i) + ":translation\n";
    // Silent after half the body; then a byte every 200 ms, each within the
    // time-out, for longer than a download may take.
    for (auto behaviour : {LoopbackServer::Reply::kStallMidBody, LoopbackServer::Reply::kTrickle}) {
        reply.behaviour = behaviour;
        reply.trickleMs = 200;
        m_server.Set(kEnglishPath, reply);
        const DWORD dwStart = GetTickCount();
        Report report = Run(UPDATE_ENGLISH);
        const DWORD dwElapsed = GetTickCount() - dwStart;
        EXPECT_EQ(UPDATE_DOWNLOAD_FAILED, report.nResult) << behaviour;
        if (behaviour == LoopbackServer::Reply::kTrickle)
            EXPECT_EQ("The update server took more than 3 seconds to send the update file", report.text);
        else
            EXPECT_TRUE(IsOneOf(report.text, kTimedOutOrAborted)) << report.text;
        EXPECT_LT(dwElapsed, 10000u) << behaviour;
        EXPECT_EQ("a:1\r\n", ReadBytes(En())) << behaviour;
    }
}
