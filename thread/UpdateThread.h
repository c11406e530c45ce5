// CUpdateThread: the worker that brings the dictionaries up to date. Each run
// performs one action: it downloads the update file of one direction from
// the maker's web server and appends to the local dictionary file the
// entries whose head words it does not hold yet, posts one report to its
// owner window and then idles until it is stopped.
#pragma once

#include "framework/Array.h"
#include "framework/FilePath.h"
#include "framework/Outcome.h"
#include "framework/String.h"
#include "thread/PrivateMessages.h"
#include "thread/Thread.h"

#include <mutex>
#include <optional>

// Results of an action.
const int UPDATE_FAILED = 0;           // empty update file, local file error, undefined action
const int UPDATE_NOT_NEEDED = 1;       // every head word present already; file unchanged
const int UPDATE_DONE = 2;             // at least one entry appended
const int UPDATE_DOWNLOAD_FAILED = 3;  // the update file could not be fetched

// A run's report: its result and the text the user is shown.
using UpdateReport = TOutcome<int>;

// What a run does: brings one dictionary up to date (kNone: nothing was
// asked, and the run reports so).
enum class UpdateAction { kNone, kEnglish, kRomanian };

class CUpdateThread : public CThread {
    DECLARE_DYNAMIC(CUpdateThread)
public:
    CUpdateThread();
    ~CUpdateThread() override;

    HWND m_hWndOwner;       // receives the reports
    BOOL m_bDone;           // the current run has begun its action
    UpdateAction m_action;  // kNone after construction
    CString* m_pstrReport;  // owned; the text of the latest report

    // Where and how the update files are fetched. The program keeps the
    // defaults; written only while no run is in progress.
    CString m_strServer;           // host[:port], the maker's server
    CString m_strFolder;           // folder of the local files; empty: the executable's
    DWORD m_dwTimeout;             // connect, send and receive time-out, ms
    DWORD m_dwMaxDownloadTime;     // the whole download of one update file, every stage, ms
    ULONGLONG m_nMaxDownloadSize;  // bytes of one update file
    INT_PTR m_nMaxDownloadLines;   // lines of one update file

    // From the owner's thread: the download in progress is given up at once
    // (the run reports a failure and nothing is merged), and so is every
    // later one until ResetCancel.
    void Cancel();
    void ResetCancel();

    // On receiving WM_UPDATE_REPORT: the report a run has posted and nobody
    // has taken yet, if there is one.
    std::optional<UpdateReport> TakeReport();

protected:
    DWORD Run() override;
    void DoAction();
    // Fetches strURL and appends its lines to arrLines (cut at LF, every CR
    // dropped), on a thread of its own, within m_dwMaxDownloadTime for the
    // whole of it; on failure the report string holds the reason and
    // arrLines is as it was.
    BOOL Download(CString strURL, CStringArray& arrLines);
    int UpdateEnglish(CString* pstrReport);
    int UpdateRomanian(CString* pstrReport);

private:
    struct CTarget;
    HANDLE m_hCancel;  // manual-reset
    // The report waiting for the owner, written by the run, taken by the owner.
    std::mutex m_reportLock;
    std::optional<UpdateReport> m_reportWaiting;
    int UpdateDictionary(const CTarget& target, CString* pstrReport);
};
