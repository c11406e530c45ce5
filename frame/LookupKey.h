// The lookup key: a key chord registered for the whole desktop that looks
// up the word selected in whatever program is in front. Ctrl+Shift+F11:
// no layout types a letter with it (Ctrl+Alt would be AltGr) and common
// programs leave it free.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/String.h"

#include <windows.h>

class CMainFrame;

const int kLookupKeyId = 1;
const UINT kLookupKeyModifiers = MOD_CONTROL | MOD_SHIFT;
const UINT kLookupKeyVirtualKey = VK_F11;
extern const char kLookupKeyName[];  // "Ctrl+Shift+F11"

// CLookupKey: a part of the main window (see CFrameWnd::AddPart). It holds
// the key while the user wants it (Options > Look up from any program,
// kept under "Settings" as "LookupKey"), and when the key is pressed brings
// the window to the front and looks the text up.
class CLookupKey : public CCmdTarget {
public:
    explicit CLookupKey(CMainFrame& frame) : m_frame(frame) {}

    // Takes the key when bWanted; when another program holds it, the status
    // bar says so once the window's own start-up texts are shown.
    void Start(BOOL bWanted);
    // Lets the key go (the window is closing).
    void Stop();
    BOOL IsWanted() const { return m_bWanted; }
    // The key is registered to the window.
    BOOL IsHeld() const { return m_bHeld; }

    // Options > Look up from any program.
    void OnLookupKeyOption();

    DECLARE_MESSAGE_MAP()

protected:
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    LRESULT OnLookupKeyTaken(WPARAM wParam, LPARAM lParam);

private:
    BOOL Register();
    // Comes to the front and looks up the first word or short phrase of
    // the text, in the direction whose dictionary has it.
    void LookUpFromElsewhere(const CString& strText);
    // While a dialog of the window's is open, the key shows it instead.
    void BringOpenDialogToFront();

    CMainFrame& m_frame;
    BOOL m_bWanted = TRUE;  // the user's choice
    BOOL m_bHeld = FALSE;   // registered (another program may hold the key)
};
