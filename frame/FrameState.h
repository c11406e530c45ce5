// The main window's own state, by name: the update cycle's step, what
// Escape does, and a snapshot of both with the flags the frame keeps.
#pragma once

// The update cycle: one step per tick of the update timer. kIdle before the
// first cycle; a cycle runs from kConnecting to kReload.
enum class UpdateStep : int {
    kIdle = 0,
    kConnecting,        // "Connecting ..."
    kRecordingAttempt,  // the attempt is written as LastUpdate
    kCheckingEnglish,
    kEnglishRun,  // the worker brings en.tmp up to date
    kCheckingRomanian,
    kRomanianRun,  // the worker brings ro.tmp up to date
    kReload,       // the current direction is loaded again if it changed
    kDone,         // ended, or ends at the next tick (a download failed)
};

// The step after a tick; kDone stays.
inline UpdateStep NextUpdateStep(UpdateStep step) {
    return step == UpdateStep::kDone ? step : static_cast<UpdateStep>(static_cast<int>(step) + 1);
}

inline bool IsUpdateStepRunning(UpdateStep step) {
    return step != UpdateStep::kIdle && step != UpdateStep::kDone;
}

// What Escape does, stored as this number ("EscapeFunction"). A number read
// from the settings is kept as it is, to be written back unchanged: out of
// range, none of the three menu items shows it and Escape resets the word.
enum class EscapeFunction : int { kResetWord = 0, kMinimize = 1, kClose = 2 };

// The frame's state at one moment, for whoever must look without changing it.
struct FrameState {
    UpdateStep step = UpdateStep::kIdle;
    bool bEnglishUpdated = false;  // in the current cycle
    bool bRomanianUpdated = false;
    bool bDeleteAllowed = false;  // unlocked for one deletion
    EscapeFunction escape = EscapeFunction::kResetWord;
};
