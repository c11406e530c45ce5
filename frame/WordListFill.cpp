#include "frame/WordListFill.h"

#include "dictionary/WordListRows.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <functional>
#include <new>
#include <string>
#include <system_error>
#include <thread>

namespace {

// A list at least this long is checked on a thread of its own.
const size_t kRowsWorthAThread = 50000;

// Working out the order is this share of a fill; the list box's inserts
// are the rest.
const double kOrderDone = 0.45;

// Runs a check on a thread of its own while the caller goes on; at once
// when it is short (bBeside false), on a machine with one processor, or
// without a thread to spare.
class CheckBeside {
public:
    CheckBeside(bool bBeside, std::function<bool()> check) : m_check(std::move(check)) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        if (bBeside && info.dwNumberOfProcessors > 1) {
            try {
                m_thread = std::thread([this] { Run(); });
                return;
            } catch (const std::system_error&) {
            }
        }
        Run();
    }
    ~CheckBeside() {
        if (m_thread.joinable())
            m_thread.join();
    }
    CheckBeside(const CheckBeside&) = delete;
    CheckBeside& operator=(const CheckBeside&) = delete;

    // Waits for the check. Throws what it threw.
    bool Passed() {
        if (m_thread.joinable())
            m_thread.join();
        if (m_error)
            std::rethrow_exception(m_error);
        return m_bPassed;
    }

private:
    void Run() {
        try {
            m_bPassed = m_check();
        } catch (...) {
            m_error = std::current_exception();
        }
    }

    std::function<bool()> m_check;
    std::thread m_thread;
    bool m_bPassed = false;
    std::exception_ptr m_error;
};

// Puts the rows into the empty list box in the order lineOfRow gives, at its
// end, where a sorted list box neither searches nor sorts. FALSE when a row
// was refused.
BOOL InsertRows(HWND hList, const dictionary::WordListRows& rows, const std::vector<uint32_t>& lineOfRow,
                const dictionary::Progress& onProgress) {
    const size_t nRows = lineOfRow.size();
    dictionary::StageProgress progress(onProgress, kOrderDone, 1, nRows);
    const size_t nBytes = (rows.CharCount() + nRows) * sizeof(WCHAR);
    SendMessageW(hList, LB_INITSTORAGE, nRows, static_cast<LPARAM>(std::min<size_t>(nBytes, INT_MAX)));
    SendMessageW(hList, WM_SETREDRAW, FALSE, 0);
    BOOL bAll = TRUE;
    std::wstring wide;
    for (size_t p = 0; p < nRows; ++p) {
        rows.TextOf(lineOfRow[p], wide);
        if (SendMessageW(hList, LB_INSERTSTRING, p, reinterpret_cast<LPARAM>(wide.c_str())) < 0)
            bAll = FALSE;
        progress.Step(p);
    }
    SendMessageW(hList, WM_SETREDRAW, TRUE, 0);
    progress.Done();
    return bAll;
}

}  // namespace

BOOL FillWordList(HWND hList, const dictionary::LoadedLines& lines, std::vector<uint32_t>& lineOfRow,
                  const dictionary::Progress& onProgress, const OrderWork& besideInserts) {
    lineOfRow.clear();
    const size_t nRows = lines.Size();
    dictionary::WordListRows rows(lines, static_cast<LCID>(SendMessageW(hList, LB_GETLOCALE, 0, 0)));
    if (SendMessageW(hList, LB_GETCOUNT, 0, 0) != 0) {
        // Where rows go among rows already there is the list box's business.
        std::wstring wide;
        for (size_t j = 0; j < nRows; ++j) {
            rows.TextOf(j, wide);
            SendMessageW(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        }
        return FALSE;
    }
    if (nRows > static_cast<size_t>(INT_MAX))
        throw std::bad_alloc();

    dictionary::Progress orderProgress;
    if (onProgress)
        orderProgress = [&onProgress](double fraction) { onProgress(fraction * kOrderDone); };
    lineOfRow = rows.OrderByKeys(orderProgress);
    BOOL bAll = FALSE;
    {
        // Proving that the keys sort as the list box does takes a good part
        // of the time the list box needs for the rows: it runs beside it.
        // So does the caller's work on the order, once it is proven.
        CheckBeside check(nRows >= kRowsWorthAThread, [&] {
            if (!rows.KeysAgreeWithList())
                return false;
            if (besideInserts)
                besideInserts(lineOfRow);
            return true;
        });
        bAll = InsertRows(hList, rows, lineOfRow, onProgress);
        if (!check.Passed()) {
            // Not this system's order after all: sorted the slow way.
            SendMessageW(hList, LB_RESETCONTENT, 0, 0);
            lineOfRow = rows.OrderByComparing();
            bAll = InsertRows(hList, rows, lineOfRow, onProgress);
        }
    }
    if (!bAll)
        lineOfRow.clear();
    return bAll;
}

RowFill ListBoxFill(HWND hList, const dictionary::Progress& onProgress) {
    if (!hList)
        return RowFill();
    return [hList, onProgress](const dictionary::LoadedLines& lines, std::vector<uint32_t>& lineOfRow,
                               const OrderWork& besideInserts) {
        return FillWordList(hList, lines, lineOfRow, onProgress, besideInserts);
    };
}
