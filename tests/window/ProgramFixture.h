// Creates the program's document and main window the way the program does
// (the application's New command through the document template), with
// dictionary files written beside the test program and the settings under
// a private registry root.
#pragma once

#include "app/TavApp.h"
#include "frame/MainFrame.h"
#include "frame/TavDoc.h"
#include "frame/TavView.h"
#include "framework/Controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Handles the messages that are waiting (and those that arrive within
// nMilliseconds), the way the program's message loop would.
void PumpMessages(DWORD nMilliseconds = 0);
// Pumps until pred() holds or nMilliseconds pass; returns pred().
template <class Pred>
bool PumpUntil(Pred pred, DWORD nMilliseconds = 2000) {
    for (DWORD dwStart = GetTickCount(); !pred(); PumpMessages(10)) {
        if (GetTickCount() - dwStart > nMilliseconds)
            return false;
    }
    return true;
}

// Removes the program's settings under the window tests' own root (other
// test programs, running at the same time, keep roots of their own).
void DeleteProgramTestSettings();
// The rows of a list box, top to bottom.
std::vector<std::string> ListRows(HWND hList);

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes en.tmp / ro.tmp beside the test program (bytes as given).
    static void WriteDictionary(Direction direction, const std::string& bytes);
    static void RemoveDictionaries();
    // The bytes of en.tmp / ro.tmp beside the test program.
    static std::string ReadDictionary(Direction direction);
    // Creates the document and the frame, as the program's start-up does,
    // after writing en.tmp when english is given.
    void StartProgram(const std::string& english = std::string());
    // Closes the frame as the user would (or with the command given) and lets
    // the program end; false when the frame did not go by itself.
    bool CloseProgram(UINT nCommand = 0);
    void Command(UINT nID) { m_pFrame->SendMessage(WM_COMMAND, nID); }

    static std::vector<std::string> Rows(CWnd* pList) { return ListRows(pList->m_hWnd); }
    CString StatusText() const;
    CWnd* WordBox() const { return m_pFrame->m_wndWordBar.GetWordBox(); }
    // What a command's update handler decides, as a menu item would show it.
    CTestCmdUI CommandState(UINT nID) const;

    static constexpr Direction kEn = Direction::kEnglishRomanian;
    static constexpr Direction kRo = Direction::kRomanianEnglish;
    CMainFrame* m_pFrame = nullptr;
    CTavDoc* m_pDoc = nullptr;
};
