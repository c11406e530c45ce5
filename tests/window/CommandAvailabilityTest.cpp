// The command rules on their own, without windows: each row is a state and
// what the commands must show in it.
#include "frame/CommandAvailability.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Row {
    const char* what;
    std::function<void(CommandSnapshot&)> set;
    unsigned nID;
    bool bEnabled;
    int nCheck;  // -1 for a command that is not an option
};

const Row kRows[] = {
    {"idle: both directions, the Romanian one marked", [](CommandSnapshot& s) { s.bRomanianEnglish = true; },
     ID_ROMANIAN_ENGLISH, true, 1},
    {"", [](CommandSnapshot& s) { s.bRomanianEnglish = true; }, ID_ENGLISH_ROMANIAN, true, 0},
    {"an update runs: no switching, no second update", [](CommandSnapshot& s) { s.bUpdateRunning = true; },
     ID_ENGLISH_ROMANIAN, false, 1},
    {"", [](CommandSnapshot& s) { s.bUpdateRunning = true; }, ID_HELP_UPDATE, false, -1},
    {"", [](CommandSnapshot& s) { s.bUpdateRunning = true; }, ID_FILE_IMPORT, true, -1},
    {"an import runs: no switching, no second import", [](CommandSnapshot& s) { s.bImportRunning = true; },
     ID_ROMANIAN_ENGLISH, false, 0},
    {"", [](CommandSnapshot& s) { s.bImportRunning = true; }, ID_FILE_IMPORT, false, -1},
    {"modify and delete need a selected word", [](CommandSnapshot&) {}, ID_WORD_MODIFY, false, -1},
    {"", [](CommandSnapshot& s) { s.bWordSelected = true; }, ID_WORD_DELETE, true, -1},
    {"options show their marks", [](CommandSnapshot& s) { s.bHideWhenClose = true; },
     ID_OPTIONS_HIDE_WHEN_CLOSE, true, 1},
    {"the lookup key shows whether it is held", [](CommandSnapshot& s) { s.bLookupKey = true; },
     ID_OPTIONS_LOOKUP_KEY, true, 1},
    {"escape: one of three", [](CommandSnapshot& s) { s.escape = EscapeFunction::kClose; }, ID_ESCAPE_CLOSE,
     true, 1},
    {"", [](CommandSnapshot& s) { s.escape = EscapeFunction::kClose; }, ID_ESCAPE_RESET_WORD, true, 0},
    {"escape out of range marks none", [](CommandSnapshot& s) { s.escape = static_cast<EscapeFunction>(7); },
     ID_ESCAPE_RESET_WORD, true, 0},
    {"copy from a list is always there", [](CommandSnapshot&) {}, ID_EDIT_COPY, true, -1},
    {"copy from an edit needs a selection", [](CommandSnapshot& s) { s.bFocusInEdit = true; }, ID_EDIT_COPY,
     false, -1},
    {"paste needs text and a writable edit",
     [](CommandSnapshot& s) { s.bFocusInEdit = s.bFocusReadOnly = s.bClipboardHasText = true; },
     ID_EDIT_PASTE, false, -1},
    {"", [](CommandSnapshot& s) { s.bFocusInEdit = s.bClipboardHasText = true; }, ID_EDIT_PASTE, true, -1},
    {"select all when something is left to select",
     [](CommandSnapshot& s) { s.bFocusInEdit = s.bFocusAllSelected = true; }, ID_EDIT_SELECT_ALL, false, -1},
    {"undo on the word box only while its bar shows", [](CommandSnapshot& s) { s.bWordBoxCanUndo = true; },
     ID_EDIT_UNDO, false, -1},
    {"", [](CommandSnapshot& s) { s.bWordBoxCanUndo = s.bWordBarVisible = true; }, ID_EDIT_UNDO, true, -1},
};

}  // namespace

TEST(CommandAvailability, EachStateGivesTheCommandsTheirStates) {
    for (const Row& row : kRows) {
        CommandSnapshot state;
        row.set(state);
        const CommandAvailability a = GetCommandAvailability(row.nID, state);
        EXPECT_TRUE(a.bKnown) << row.what << " " << row.nID;
        EXPECT_EQ(row.bEnabled, a.bEnabled) << row.what << " " << row.nID;
        EXPECT_EQ(row.nCheck, a.nCheck) << row.what << " " << row.nID;
    }
    // Every decided command is known, and nothing else is.
    for (int i = 0; i < kDecidedCommandCount; ++i)
        EXPECT_TRUE(GetCommandAvailability(kDecidedCommands[i], CommandSnapshot()).bKnown)
            << kDecidedCommands[i];
    EXPECT_FALSE(GetCommandAvailability(ID_WORD_ADD, CommandSnapshot()).bKnown);
}
