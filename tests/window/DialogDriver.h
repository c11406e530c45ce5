// Plays the user in a modal dialog or message box: each step runs on a
// timer tick of its own, once a window with the given caption (or any
// dialog of this thread) is up, so the dialog's own modal loop handles what
// a step posts before the next step looks.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DialogDriver {
public:
    using Step = std::function<void(HWND hDlg)>;

    // Steps for the next dialog whose caption is lpszCaption (any caption
    // when null), looked for every 30 ms. A dialog still open 3 s after the
    // last step is closed, so that a test never waits for ever.
    DialogDriver(const char* lpszCaption, std::vector<Step> steps);
    ~DialogDriver();

    bool Finished() const { return m_nNext >= m_steps.size(); }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    HWND FindDialog() const;

    std::string m_strCaption;  // empty: any
    std::vector<Step> m_steps;
    size_t m_nNext = 0;
    UINT_PTR m_nTimer = 0;
    DWORD m_dwLastStep = 0;
};

// Small helpers for steps.
std::string DlgText(HWND hDlg, int nID);
void ClickButton(HWND hDlg, int nID);
// Replaces a box's text the way typing does (a multi-line box reports no
// change for WM_SETTEXT).
void TypeText(HWND hDlg, int nID, const char* text);
