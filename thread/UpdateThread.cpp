#include "thread/UpdateThread.h"

#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryMerge.h"
#include "dictionary/DictionaryPaths.h"
#include "dictionary/DownloadCheck.h"
#include "dictionary/TextFold.h"
#include "dictionary/UpdateMerge.h"
#include "framework/File.h"
#include "framework/HttpHead.h"
#include "framework/Internet.h"
#include "framework/SocketHttp.h"
#include "res/resource.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

IMPLEMENT_DYNAMIC(CUpdateThread, CThread)

namespace {

const DWORD kDefaultTimeout = 30 * 1000;
const DWORD kDefaultMaxDownloadTime = 10 * 60 * 1000;
const ULONGLONG kDefaultMaxDownloadSize = 64ull * 1024 * 1024;
// Each line costs a string object besides its bytes; a body of nothing but
// line ends must not cost gigabytes.
const INT_PTR kDefaultMaxDownloadLines = 2000000;
const UINT kReadChunk = 64 * 1024;

CString DurationText(DWORD dwMilliseconds) {
    const DWORD kMinute = 60 * 1000;
    if (dwMilliseconds >= kMinute && dwMilliseconds % kMinute == 0)
        return CString(std::to_string(dwMilliseconds / kMinute) + " minutes");
    return CString(std::to_string((dwMilliseconds + 999) / 1000) + " seconds");
}

CString SizeText(ULONGLONG nBytes) {
    const ULONGLONG kMegabyte = 1024 * 1024;
    if (nBytes >= kMegabyte && nBytes % kMegabyte == 0)
        return CString(std::to_string(nBytes / kMegabyte) + " MB");
    return CString(std::to_string(nBytes) + " bytes");
}

}  // namespace

struct CUpdateThread::CTarget {
    LPCSTR pszPath;        // on the update server
    LPCSTR pszFile;        // the local dictionary file
    LPCSTR pszEmpty;       // the download gave no lines
    LPCSTR pszCannotOpen;  // the local file does not open
    LPCSTR pszNotNeeded;   // nothing was appended
    UINT nIDUpdated;       // string resource: something was appended
};

CUpdateThread::CUpdateThread()
    : m_hWndOwner(nullptr),
      m_bDone(FALSE),
      m_action(UpdateAction::kNone),
      m_pstrReport(new CString),
      m_dwTimeout(kDefaultTimeout),
      m_dwMaxDownloadTime(kDefaultMaxDownloadTime),
      m_nMaxDownloadSize(kDefaultMaxDownloadSize),
      m_nMaxDownloadLines(kDefaultMaxDownloadLines),
      m_hCancel(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

CUpdateThread::~CUpdateThread() {
    // The owner stops the run first. Should it not have, the run must end
    // before the members it works with go.
    if (IsRunning())
        Terminate(0, TRUE);
    delete m_pstrReport;
    if (m_hCancel)
        ::CloseHandle(m_hCancel);
}

DWORD CUpdateThread::Run() {
    for (;;) {
        UINT nCommand = 0;
        WaitCommand(&nCommand, 0);
        switch (nCommand) {
            case CMD_IDLE:
                if (m_bDone)
                    Sleep(250);
                else
                    DoAction();
                break;
            case CMD_START:
                m_bDone = FALSE;
                break;
            case CMD_STOP:
                return 0;
            default:
                break;
        }
    }
}

void CUpdateThread::DoAction() {
    m_bDone = TRUE;
    // Nothing may escape the run; what the actions do not catch is a failure.
    const UpdateReport report = AfxTryOutcome(UPDATE_FAILED, [this]() -> UpdateReport {
        int nResult = UPDATE_FAILED;
        switch (m_action) {
            case UpdateAction::kEnglish:
                nResult = UpdateEnglish(m_pstrReport);
                break;
            case UpdateAction::kRomanian:
                nResult = UpdateRomanian(m_pstrReport);
                break;
            case UpdateAction::kNone:
                *m_pstrReport = "Update action command is undefined";
                break;
        }
        // The action has written its report by now.
        return UpdateReport(nResult, *m_pstrReport);
    });
    *m_pstrReport = report.GetText();
    {
        std::lock_guard<std::mutex> lock(m_reportLock);
        m_reportWaiting = report;
    }
    PostMessageA(m_hWndOwner, WM_UPDATE_REPORT, static_cast<WPARAM>(report.GetKind()), 0);
}

std::optional<UpdateReport> CUpdateThread::TakeReport() {
    std::lock_guard<std::mutex> lock(m_reportLock);
    std::optional<UpdateReport> report;
    report.swap(m_reportWaiting);
    return report;
}

namespace {

const char kNotADictionary[] = "The update server did not send a dictionary";

// One download, on a thread of its own. The run waits for it within one
// overall limit and may give up on it (the limit passed, or the program is
// closing): the thread then ends by itself, later, and must still find its
// state, so the two share it.
struct CDownload {
    CDownload() : hDone(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~CDownload() {
        if (hDone)
            ::CloseHandle(hDone);
    }
    CDownload(const CDownload&) = delete;
    CDownload& operator=(const CDownload&) = delete;

    // Given before the thread starts.
    CString strURL;
    DWORD dwTimeout = 0;
    DWORD dwMaxTime = INFINITE;  // the whole download's
    ULONGLONG nMaxSize = 0;
    INT_PTR nMaxLines = 0;
    // The thread's results, read once hDone is set.
    HANDLE hDone;
    CStringArray arrLines;
    CString strFailure;
    // Set by a run that no longer waits: stop at the next piece of the body.
    std::atomic<bool> bAbandoned{false};
};

// Fetches d.strURL into d.arrLines (cut at LF, every CR dropped), or says in
// d.strFailure why not. Besides the network's own errors, a failure is: a
// status other than 2xx (an error page is no update file), a page instead
// of a dictionary, a body over the size or line limits, a body shorter than
// announced.
void Fetch(CDownload& d) {
    BOOL bTooManyLines = FALSE;
    BOOL bNotDictionary = FALSE;
    auto addLine = [&](std::string_view line) {
        if (!dictionary::IsDictionaryLine(line))
            bNotDictionary = TRUE;
        else if (d.arrLines.GetSize() >= d.nMaxLines)
            bTooManyLines = TRUE;
        else
            d.arrLines.Add(CString(line.data(), static_cast<int>(line.size())));
    };
    CString& strFailure = d.strFailure;
    const COutcome fetched = AfxTryOutcome([&] {
        // Reads the answer, whichever reader fetched it.
        auto readAnswer = [&](auto& file) {
            // A 404 or 500 still comes with a body, the server's error page: that
            // is not an update file and must never be merged.
            const DWORD dwStatus = file.GetStatusCode();
            ULONGLONG nLength = 0;
            CString strType;
            file.QueryInfo(HTTP_QUERY_CONTENT_TYPE, strType);
            if (dwStatus < 200 || dwStatus > 299) {
                // The server's own words go to the status bar and the
                // balloon: only as printable text, and not much of it.
                CString strStatus;
                file.QueryInfo(HTTP_QUERY_STATUS_TEXT, strStatus);
                const std::string shown = http::PrintableStatusText(strStatus.Str());
                strFailure = CString("The update server answered " + std::to_string(dwStatus));
                if (!shown.empty())
                    strFailure += CString(" " + shown);
            } else if (dictionary::IsPageContentType(strType.Str())) {
                strFailure = kNotADictionary;
            } else if (file.GetContentLength(nLength) && nLength > d.nMaxSize) {
                strFailure = "The update file is larger than " + SizeText(d.nMaxSize);
            } else {
                // Bounded as it arrives too: a body need not announce its length.
                std::vector<char> chunk(kReadChunk);
                dictionary::UpdateLineSplitter splitter;
                std::string start;  // the body's first bytes, to tell a page
                ULONGLONG nTotal = 0;
                for (;;) {
                    // Only what has arrived, so that a run that gave up on
                    // the download is noticed however slowly the bytes come.
                    const DWORD dwAvailable = file.QueryDataAvailable();
                    if (d.bAbandoned)
                        break;
                    const UINT nRead = file.Read(
                        chunk.data(), dwAvailable > 0 && dwAvailable < kReadChunk ? dwAvailable : kReadChunk);
                    if (nRead == 0)
                        break;
                    nTotal += nRead;
                    if (nTotal > d.nMaxSize) {
                        strFailure = "The update file is larger than " + SizeText(d.nMaxSize);
                        break;
                    }
                    if (start.size() < 64)
                        start.append(chunk.data(), std::min<size_t>(nRead, 64));
                    splitter.Feed(chunk.data(), nRead, addLine);
                    if (bTooManyLines || bNotDictionary)
                        break;
                }
                if (strFailure.IsEmpty() && !bTooManyLines && !bNotDictionary)
                    splitter.Finish(addLine);
                if (bTooManyLines)
                    strFailure =
                        CString("The update file has more than " + std::to_string(d.nMaxLines) + " lines");
                else if (bNotDictionary || dictionary::StartsLikeMarkup(start))
                    strFailure = kNotADictionary;
            }
            file.Close();
        };
        if (CSocketHttpFile::UsesProxy()) {
            // Only WinINet knows the way through the system's proxy.
            CInternetSession session(nullptr, 1, INTERNET_OPEN_TYPE_PRECONFIG);
            session.SetTimeouts(d.dwTimeout);
            std::unique_ptr<CHttpFile> pFile(
                session.OpenURL(d.strURL, 1, INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_ASCII));
            readAnswer(*pFile);
            session.Close();
        } else {
            // Straight from the socket, which tells a cut-off body.
            CSocketHttpFile file(d.strURL.Str(), d.dwTimeout, d.dwMaxTime);
            readAnswer(file);
        }
    });
    if (fetched.Failed())
        strFailure = fetched.GetText().IsEmpty() ? CString("The update file could not be downloaded")
                                                 : fetched.GetText();
}

}  // namespace

void CUpdateThread::Cancel() {
    if (m_hCancel)
        ::SetEvent(m_hCancel);
}

void CUpdateThread::ResetCancel() {
    if (m_hCancel)
        ::ResetEvent(m_hCancel);
}

BOOL CUpdateThread::Download(CString strURL, CStringArray& arrLines) {
    auto pDownload = std::make_shared<CDownload>();
    pDownload->strURL = strURL;
    pDownload->dwTimeout = m_dwTimeout;
    pDownload->dwMaxTime = m_dwMaxDownloadTime;
    pDownload->nMaxSize = m_nMaxDownloadSize;
    pDownload->nMaxLines = m_nMaxDownloadLines;
    DWORD dwWait = WAIT_FAILED;
    if (pDownload->hDone) {
        try {
            std::thread([pDownload] {
                Fetch(*pDownload);
                ::SetEvent(pDownload->hDone);
            }).detach();
            // One limit for every stage: the name look-up, the connection,
            // the headers and the body.
            HANDLE handles[2] = {pDownload->hDone, m_hCancel};
            dwWait = ::WaitForMultipleObjects(m_hCancel ? 2 : 1, handles, FALSE, m_dwMaxDownloadTime);
        } catch (const std::system_error&) {
            dwWait = WAIT_FAILED;
        }
    }
    if (dwWait == WAIT_OBJECT_0 && pDownload->strFailure.IsEmpty()) {
        for (INT_PTR i = 0; i < pDownload->arrLines.GetSize(); ++i)
            arrLines.Add(pDownload->arrLines[i]);
        return TRUE;
    }
    pDownload->bAbandoned = true;
    if (dwWait == WAIT_OBJECT_0)
        *m_pstrReport = pDownload->strFailure;
    else if (dwWait == WAIT_OBJECT_0 + 1)
        *m_pstrReport = "The update was cancelled";
    else if (dwWait == WAIT_TIMEOUT)
        *m_pstrReport = "The update server took more than " + DurationText(m_dwMaxDownloadTime) +
                        " to send the update file";
    else
        *m_pstrReport = "The update file could not be downloaded";
    return FALSE;
}

int CUpdateThread::UpdateEnglish(CString* pstrReport) {
    static const CTarget kEnglish = {
        "/update/enu.tmp",
        "en.tmp",
        "The english update file is empty",
        "Error occurred on opening english database",
        "There is no need to update english database",
        IDS_ENGLISH_UPDATED,
    };
    return UpdateDictionary(kEnglish, pstrReport);
}

int CUpdateThread::UpdateRomanian(CString* pstrReport) {
    static const CTarget kRomanian = {
        "/update/rou.tmp",
        "ro.tmp",
        "The romanian update file is empty",
        "Error occurred on opening romanian database",
        "There is no need to update romanian database",
        IDS_ROMANIAN_UPDATED,
    };
    return UpdateDictionary(kRomanian, pstrReport);
}

int CUpdateThread::UpdateDictionary(const CTarget& target, CString* pstrReport) {
    *pstrReport = "Unknown thread error";
    CStringArray arrLines;
    if (!Download("http://" + m_strServer + target.pszPath, arrLines))
        return UPDATE_DOWNLOAD_FAILED;
    if (arrLines.IsEmpty()) {
        *pstrReport = target.pszEmpty;
        return UPDATE_FAILED;
    }

    CFilePath path;
    if (m_strFolder.IsEmpty()) {
        path = GetProgramFilePath(target.pszFile);
    } else {
        CString strPath = m_strFolder;
        if (strPath[strPath.GetLength() - 1] != '\\')
            strPath += '\\';
        path = strPath + target.pszFile;
    }

    const MergeResult merged = MergeIntoDictionary(path, arrLines);
    switch (merged.GetKind()) {
        case MergeOutcome::kCannotOpen:
            *pstrReport = target.pszCannotOpen;
            return UPDATE_FAILED;
        case MergeOutcome::kFailed:
        case MergeOutcome::kCancelled:  // never: this merge is not cancelled
            *pstrReport = merged.GetText();
            return UPDATE_FAILED;
        case MergeOutcome::kNothingNew:
            *pstrReport = target.pszNotNeeded;
            return UPDATE_NOT_NEEDED;
        case MergeOutcome::kAppended:
            break;
    }
    pstrReport->LoadString(target.nIDUpdated);
    return UPDATE_DONE;
}
