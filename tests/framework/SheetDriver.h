// Driving a modal property sheet from inside a test: a thread timer (it
// fires in any message loop, the sheet's or a message box's) finds the sheet
// by its title, acts on it once, and answers message boxes with OK, noting
// their texts. A sheet still open after ten seconds is cancelled.
// Also: a recording stand-in for ShellExecuteA, and a link's tooltip.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SheetRun {
    INT_PTR nResult = -2;
    bool bSeen = false;      // the sheet appeared and act ran
    bool bTimedOut = false;  // it had to be cancelled
    std::vector<std::string> boxes;
};
SheetRun RunModalSheet(LPCSTR lpszTitle, const std::function<INT_PTR()>& show,
                       const std::function<void(HWND)>& act);

HWND CurrentPage(HWND hWndSheet);
std::string ItemText(HWND hWndDlg, int nID);
void Click(HWND hWnd);  // mouse down and up, as on a static with SS_NOTIFY
// The text of a link's tooltip (held by a tooltip of its top-level window).
std::string LinkTipText(HWND hWndLink);

struct ShellCall {
    HWND hWnd;
    std::string strVerb;
    std::string strFile;
    bool bExtras;  // parameters or directory given
    int nShowCmd;
};
extern std::vector<ShellCall> g_shellCalls;
extern INT_PTR g_nShellResult;
HINSTANCE WINAPI RecordShellExecute(HWND hWnd, LPCSTR lpVerb, LPCSTR lpFile, LPCSTR lpParameters,
                                    LPCSTR lpDirectory, INT nShowCmd);
