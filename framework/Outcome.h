// How a piece of work that can fail ended, as its caller is told: which
// way it ended and the text the user is shown for it. Every operation of
// the dictionary core and every thread's report hands back one of these;
// the main window shows them in one place (frame/OutcomeReport.h).
//
//     COutcome outcome = AppendEntry(...);
//     if (outcome.Failed()) ... outcome.GetText() ...
//
// File work inside an operation throws as CFile does; the operation turns
// what it throws into its outcome (AfxTryOutcome), so no exception leaves it.
#pragma once

#include "framework/Exception.h"
#include "framework/String.h"

#include <new>
#include <type_traits>
#include <utility>

// Kind is the work's own list of ends (an enumeration, or the update's
// numbered results).
template <class Kind>
class [[nodiscard]] TOutcome {
public:
    TOutcome(Kind kind, CString strText = CString()) : m_kind(kind), m_strText(std::move(strText)) {}

    Kind GetKind() const { return m_kind; }
    // What the user is told; empty when there is nothing to say.
    const CString& GetText() const { return m_strText; }

private:
    Kind m_kind;
    CString m_strText;
};

enum class Ended { kDone, kFailed };

// The work did what was asked, or failed for the reason its text gives.
class [[nodiscard]] COutcome : public TOutcome<Ended> {
public:
    COutcome() : TOutcome(Ended::kDone) {}
    COutcome(const TOutcome<Ended>& outcome) : TOutcome(outcome) {}  // NOLINT: the same thing
    static COutcome Failure(CString strText) { return COutcome(Ended::kFailed, std::move(strText)); }

    bool Failed() const { return GetKind() == Ended::kFailed; }
    bool Succeeded() const { return GetKind() == Ended::kDone; }

private:
    COutcome(Ended kind, CString strText) : TOutcome(kind, std::move(strText)) {}
};

// Runs work, which returns how it ended. When work throws a framework
// exception or runs out of memory, it ended as failed, with that failure's
// text.
template <class Kind, class Work>
TOutcome<Kind> AfxTryOutcome(Kind failed, Work&& work) {
    try {
        return work();
    } catch (CException* e) {
        return TOutcome<Kind>(failed, AfxTakeErrorText(e));
    } catch (const std::bad_alloc&) {
        return TOutcome<Kind>(failed, AfxOutOfMemoryText());
    }
}

// Runs work, which returns a COutcome or nothing (then it did what was
// asked), with what it throws as its failure.
template <class Work>
COutcome AfxTryOutcome(Work&& work) {
    return AfxTryOutcome(Ended::kFailed, [&work]() -> TOutcome<Ended> {
        if constexpr (std::is_void_v<decltype(work())>) {
            work();
            return COutcome();
        } else {
            return work();
        }
    });
}
