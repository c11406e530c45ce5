#include "LoopbackServer.h"
#include "TempDir.h"

#include "framework/File.h"
#include "thread/UpdateThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Paths = std::vector<std::string>;

const char kEnglishPath[] = "/update/enu.tmp";
const char kRomanianPath[] = "/update/rou.tmp";
const char kMovedPath[] = "/update/moved.tmp";  // "moved:1\n"

::testing::AssertionResult IsOneOf(const std::string& text, const std::string& texts) {
    if (("|" + texts + "|").find("|" + text + "|") != std::string::npos)
        return ::testing::AssertionSuccess();
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
    Report Run(UpdateAction action) {
        m_thread.m_action = action;
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
                // Taken once, as the window takes it; a second take finds none.
                const std::optional<UpdateReport> report = m_thread.TakeReport();
                EXPECT_TRUE(report.has_value());
                EXPECT_FALSE(m_thread.TakeReport().has_value());
                if (!report)
                    return {};
                EXPECT_EQ(static_cast<int>(msg.wParam), report->GetKind());
                return {report->GetKind(), report->GetText().Str()};
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

namespace {

using Reply = LoopbackServer::Reply;

Reply Answer(const std::string& body, Reply::Behaviour behaviour = Reply::kAnswer, bool announceLength = true,
             const char* type = "text/plain") {
    Reply reply;
    reply.body = body;
    reply.behaviour = behaviour;
    reply.announceLength = announceLength;
    reply.type = type;
    return reply;
}

Reply ErrorPage(int status, const char* reason) {
    Reply reply = Answer("error:something broke\n");
    reply.status = status;
    reply.reason = reason;
    return reply;
}

// The body in chunks of five bytes, then trailer fields after the last; a
// count below 0: the connection closes before the last chunk.
Reply Chunked(const std::string& body, int nTrailers) {
    std::string chunks;
    for (size_t i = 0; i < body.size(); i += 5)
        chunks += std::to_string(std::min<size_t>(5, body.size() - i)) + "\r\n" + body.substr(i, 5) + "\r\n";
    if (nTrailers >= 0)
        chunks += "0\r\n";
    for (int i = 0; i < nTrailers; ++i)
        chunks += "X-Trailer: " + std::to_string(i) + "\r\n";
    Reply reply = Answer(nTrailers >= 0 ? chunks + "\r\n" : chunks, Reply::kAnswer, false);
    reply.fields = "Transfer-Encoding: chunked\r\n";
    return reply;
}

Reply Redirect(const std::string& location) {
    Reply reply = Answer("");
    reply.status = 302;
    reply.reason = "Found";
    reply.fields = "Location: " + location + "\r\n";
    return reply;
}

std::string Words(int n) {
    std::string body;
    for (int i = 0; i < n; ++i)
        body += "word" + std::to_string(i) + ":translation\n";
    return body;
}

// One run of an action against one reply: the report and the file after it.
struct Case {
    const char* name;
    UpdateAction action;
    const char* before;  // the local file; null: there is none
    Reply reply;         // for the action's path; the other path has none (404)
    int nResult;
    const char* text;        // WinINet's texts: any of those "|" separates (Windows and Wine differ)
    std::string after;       // the local file afterwards
    ULONGLONG nMaxSize = 0;  // bounds other than the default
    INT_PTR nMaxLines = 0;
};

const char kTimedOut[] =
    "The operation timed out|The request has timed out.|"
    "The connection with the server was terminated abnormally|The connection with the server has been "
    "terminated.";
const char kAborted[] =
    "Connection reset by peer.|"
    "The connection with the server was terminated abnormally|The connection with the server has been "
    "terminated.";
const char kEnglishDone[] = "English database has been successfully updated";
const std::string kBig = "big:" + std::string(6 << 20, 'x');
const std::string kSecond = "second:" + std::string(5 << 20, 'y');
const char kNotADictionary[] = "The update server did not send a dictionary";
const char kUnparsable[] = "The server returned an invalid or unrecognized response|Internet error 12152.";
const std::string kLongReason = "Not Found " + std::string(100, '.');
const std::string kLongReasonShown = "The update server answered 404 " + kLongReason.substr(0, 64);

// clang-format off
const Case kCases[] = {
    {"new words", UpdateAction::kEnglish, "house:casa\r\nbank:banca",
     Chunked("house:locuinta\nbook:carte\r\nBOOK:x\n\ntree:co\rpac\n\xDEine:1\n\xFEINE:2", 2),
     UPDATE_DONE, kEnglishDone, "house:casa\r\nbank:banca\r\nbook:carte\r\ntree:copac\r\n\xDEine:1\r\n"},
    // Romanian capitals fold as the word box's search folds them.
    {"nothing new", UpdateAction::kEnglish, "House:casa\r\n\xE3la:x\r\n\xEEn:y\r\n", Answer("HOUSE:a\n\xC3LA:b\n\xCEN:c\n\n\r\n \t\n"),
     UPDATE_NOT_NEEDED, "There is no need to update english database", "House:casa\r\n\xE3la:x\r\n\xEEn:y\r\n"},
    {"an empty file", UpdateAction::kEnglish, "", Answer("b:2\n"), UPDATE_DONE, kEnglishDone, "b:2\r\n"},
    {"bytes that hide entries", UpdateAction::kEnglish, "a:1\r\n", Answer(Bytes("nul:x\0y\nctrl:x\x1Ay\n\x1A\nok:1\nlate:2\x1A\nnext:3")),
     UPDATE_DONE, kEnglishDone, "a:1\r\nok:1\r\nnext:3\r\n"},
    {"no length: up to the close", UpdateAction::kEnglish, "a:1\r\n", Answer("b:2\n", Reply::kAnswer, false),
     UPDATE_DONE, kEnglishDone, "a:1\r\nb:2\r\n"},
    {"redirected", UpdateAction::kEnglish, "a:1\r\n", Redirect(kMovedPath), UPDATE_DONE, kEnglishDone, "a:1\r\nmoved:1\r\n"},
    // What a 0x1A hides stays after the new lines; a 0x1A at the end goes.
    {"an end mark", UpdateAction::kEnglish, "a:1\r\n\x1Ahidden:x\r\n", Answer("b:2\n"), UPDATE_DONE, kEnglishDone,
     "a:1\r\nb:2\r\n\x1Ahidden:x\r\n"},
    {"an end mark at the end", UpdateAction::kEnglish, "a:1\r\n\x1A", Answer("b:2\n"), UPDATE_DONE, kEnglishDone, "a:1\r\nb:2\r\n"},
    {"lines of megabytes", UpdateAction::kEnglish, "a:1\r\n", Answer(kBig + "\n" + kSecond + "\nsmall:1\n"),
     UPDATE_DONE, kEnglishDone, "a:1\r\n" + kBig + "\r\n" + kSecond + "\r\nsmall:1\r\n"},
    // A network's log-in page, told by its markup or by its type alone (the
    // download check's tests have the other kinds).
    {"a page", UpdateAction::kEnglish, "a:1\r\n", Answer("\r\n<!DOCTYPE html>\n<p>note: accept</p>\n"),
     UPDATE_DOWNLOAD_FAILED, kNotADictionary, "a:1\r\n"},
    {"a page by its type", UpdateAction::kEnglish, "a:1\r\n", Answer("note: accept\n", Reply::kAnswer, true, "text/html"),
     UPDATE_DOWNLOAD_FAILED, kNotADictionary, "a:1\r\n"},
    {"empty", UpdateAction::kRomanian, "a:1\r\n", Answer(""), UPDATE_FAILED, "The romanian update file is empty", "a:1\r\n"},
    {"error page", UpdateAction::kEnglish, "a:1\r\n", ErrorPage(500, "Internal\x01 Server\x7F Error"), UPDATE_DOWNLOAD_FAILED,
     "The update server answered 500 Internal Server Error", "a:1\r\n"},
    {"not found", UpdateAction::kRomanian, "a:1\r\n", ErrorPage(404, kLongReason.c_str()), UPDATE_DOWNLOAD_FAILED,
     kLongReasonShown.c_str(), "a:1\r\n"},
    {"chunks cut off", UpdateAction::kEnglish, "a:1\r\n", Chunked("b:1\nc:2\n", -1), UPDATE_DOWNLOAD_FAILED, kAborted, "a:1\r\n"},
    {"trailers without end", UpdateAction::kEnglish, "a:1\r\n", Chunked("b:1\n", 40), UPDATE_DOWNLOAD_FAILED, kUnparsable, "a:1\r\n"},
    {"a redirect into the request's lines", UpdateAction::kEnglish, "a:1\r\n", Redirect("/update/enu.tmp\rX-Sent: 1"),
     UPDATE_DOWNLOAD_FAILED, kUnparsable, "a:1\r\n"},
    {"never answers", UpdateAction::kEnglish, "a:1\r\n", Answer("", Reply::kStall), UPDATE_DOWNLOAD_FAILED, kTimedOut, "a:1\r\n"},
    {"silent in the body", UpdateAction::kEnglish, "a:1\r\n", Answer(Words(200), Reply::kStallMidBody), UPDATE_DOWNLOAD_FAILED,
     kTimedOut, "a:1\r\n"},
    // Each byte within the time-out, for longer than a download may take.
    {"trickling", UpdateAction::kEnglish, "a:1\r\n", Answer(Words(200), Reply::kTrickle), UPDATE_DOWNLOAD_FAILED,
     "The update server took more than 3 seconds to send the update file", "a:1\r\n"},
    {"reset in the body", UpdateAction::kEnglish, "a:1\r\n", Answer(Words(2000), Reply::kResetMidBody), UPDATE_DOWNLOAD_FAILED,
     kAborted, "a:1\r\n"},
    {"closed in the body", UpdateAction::kEnglish, "a:1\r\n", Answer(Words(2000), Reply::kCloseMidBody), UPDATE_DOWNLOAD_FAILED,
     kAborted, "a:1\r\n"},
    {"exactly the size bound", UpdateAction::kEnglish, "a:1\r\n", Answer("b:1\nc:22\n"), UPDATE_DONE, kEnglishDone,
     "a:1\r\nb:1\r\nc:22\r\n", 9},
    {"over the size bound", UpdateAction::kEnglish, "a:1\r\n", Answer("b:1\nc:222\n"), UPDATE_DOWNLOAD_FAILED,
     "The update file is larger than 9 bytes", "a:1\r\n", 9},
    {"over it, unannounced", UpdateAction::kEnglish, "a:1\r\n", Answer("b:1\nc:222\n", Reply::kAnswer, false),
     UPDATE_DOWNLOAD_FAILED, "The update file is larger than 9 bytes", "a:1\r\n", 9},
    {"over the line bound", UpdateAction::kEnglish, "a:1\r\n", Answer("\n\n\n\n"), UPDATE_DOWNLOAD_FAILED,
     "The update file has more than 3 lines", "a:1\r\n", 0, 3},
    {"no local file", UpdateAction::kEnglish, nullptr, Answer("a:1\n"), UPDATE_FAILED,
     "Error occurred on opening english database", ""},
};
// clang-format on

}  // namespace

TEST_F(UpdateThreadTest, EachRunReportsWhatHappenedAndKeepsTheFileWhole) {
    const std::string kPaths[] = {kEnglishPath, kRomanianPath};
    const ULONGLONG nMaxSize = m_thread.m_nMaxDownloadSize;
    const INT_PTR nMaxLines = m_thread.m_nMaxDownloadLines;
    m_server.SetBody(kMovedPath, "moved:1\n");
    for (const Case& c : kCases) {
        const std::string strFile = c.action == UpdateAction::kRomanian ? Ro() : En();
        DeleteFileA(En().c_str());
        DeleteFileA(Ro().c_str());
        if (c.before)
            WriteBytes(strFile, c.before);
        for (const std::string& path : kPaths)
            m_server.Set(path, ErrorPage(404, "Not Found"));
        m_server.Set(c.action == UpdateAction::kRomanian ? kRomanianPath : kEnglishPath, c.reply);
        m_thread.m_dwTimeout = 1500;
        m_thread.m_dwMaxDownloadTime = 3000;
        m_thread.m_nMaxDownloadSize = c.nMaxSize ? c.nMaxSize : nMaxSize;
        m_thread.m_nMaxDownloadLines = c.nMaxLines ? c.nMaxLines : nMaxLines;
        const DWORD dwStart = GetTickCount();
        const Report report = Run(c.action);
        EXPECT_EQ(c.nResult, report.nResult) << c.name;
        EXPECT_TRUE(IsOneOf(report.text, c.text)) << c.name;
        EXPECT_TRUE(c.after == (FileExists(strFile) ? ReadBytes(strFile) : "")) << c.name;
        EXPECT_EQ(c.before != nullptr, FileExists(strFile)) << c.name << ": a missing file is not created";
        EXPECT_LT(GetTickCount() - dwStart, 10000u) << c.name;
    }
    // The file open elsewhere: dictionary files are opened exclusively.
    WriteBytes(En(), "b:2\r\n");
    m_server.SetBody(kEnglishPath, "a:1\n");
    CFile other(En().c_str(), CFile::modeRead | CFile::shareExclusive);
    EXPECT_EQ("Error occurred on opening english database", Run(UpdateAction::kEnglish).text);
}

TEST_F(UpdateThreadTest, ARunActsOnceThenIdlesUntilStoppedAndAnEarlyStopSkipsIt) {
    WriteBytes(En(), "a:1\r\n");
    m_server.SetBody(kEnglishPath, "b:2\n");
    m_thread.m_action = UpdateAction::kEnglish;
    m_thread.StartAndStopAtOnce();
    EXPECT_TRUE(m_thread.Stop(nullptr, 10000));
    EXPECT_EQ(-1, WaitForReport(300).nResult);
    EXPECT_TRUE(m_server.Requests().empty());

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
