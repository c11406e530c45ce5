// CHistoryCommands: the main window's part that keeps the words the user looked up: what counts as a lookup,
// Back and Forward (each entry in its own direction), and forgetting them all.
#pragma once

#include "frame/LookupHistory.h"

class CMainFrame;

class CHistoryCommands {
public:
    explicit CHistoryCommands(CMainFrame& frame) : m_frame(frame) {}

    // The history of the last run; kept again when the window closes.
    void Load();
    void Save() const;

    // The user chose the word the word list shows selected (Enter, a
    // suggestion, the lookup key, or its translations stayed in view): it
    // goes into the history in the current direction, unless the word box's
    // text has no entry.
    void RecordLookup();

    const CLookupHistory& History() const { return m_history; }

    // The commands.
    void OnHistoryBack();
    void OnHistoryForward();
    void OnClearHistory();

private:
    void ShowEntry(const LookedUpWord& entry);

    CMainFrame& m_frame;
    CLookupHistory m_history;
};
