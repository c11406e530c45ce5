// CSystemTray: the program's icon in the notification area. A hidden window
// of its own registers the icon with the shell, turns the shell's mouse
// callbacks into commands for the main window (a popup menu on a right-button
// release, the menu's default command on a double-click), shows balloons,
// animates the icon through a list of icon resources, and adds the icon again
// when the taskbar is re-created.
#pragma once

#include "framework/Array.h"
#include "framework/OleDateTime.h"
#include "framework/Wnd.h"

#include <shellapi.h>

class CSystemTray : public CWnd {
public:
    CSystemTray();
    ~CSystemTray() override;

    // The tooltip buffer's size in bytes; tooltips are cut one byte shorter.
    static int s_nMaxTipLength;
    // "TaskbarCreated", broadcast by the shell when it starts again.
    static const UINT s_nTaskbarCreatedMsg;

    // uID is the icon's id and also the resource id of its popup menu.
    // Without a parent with a window, the shell talks to our hidden window.
    // The balloon text and title may be null; the time-out is in seconds.
    BOOL Create(CWnd* pParent, UINT uCallbackMessage, LPCSTR lpszTip, HICON hIcon, UINT uID,
                BOOL bHidden = FALSE, LPCSTR lpszBalloonText = nullptr, LPCSTR lpszBalloonTitle = nullptr,
                DWORD dwBalloonIconFlags = NIIF_NONE, UINT nBalloonTimeoutSeconds = 10);

    // Presence: Removed (not registered) -> Shown -> Hidden -> Shown.
    BOOL AddIcon();
    BOOL RemoveIcon();
    BOOL HideIcon();
    BOOL ShowIcon();
    // Shows the icon and hides the window it stands for (the notify
    // target), the icon being the way back to it.
    void HideTarget();
    // Adds a shown icon again when m_bAddPending asks for it.
    void ReinstallIcon();

    BOOL SetIcon(HICON hIcon);
    HICON GetIcon() const;

    // Animation frames from the icon resources firstId..lastId; a missing
    // resource gives a null frame.
    BOOL SetIconList(UINT nFirstId, UINT nLastId);
    // Cycles the frames every nDelayMs; stops by itself once more than
    // nSeconds whole seconds have passed (0: until StopAnimation).
    BOOL Animate(UINT nDelayMs, UINT nSeconds);
    BOOL StepAnimation();
    BOOL StopAnimation();

    BOOL ShowBalloon(LPCSTR lpszText, LPCSTR lpszTitle = nullptr, DWORD dwIconFlags = NIIF_NONE,
                     UINT nTimeoutSeconds = 10);

    // The popup menu's default item, a position or a command id. Only the
    // stored values last: each popup loads the menu afresh.
    BOOL SetMenuDefaultItem(UINT nItem, BOOL bByPosition);
    // Who receives the menu's commands and the icon's double-click.
    void SetNotifyTarget(CWnd* pTarget) { m_pNotifyTarget = pTarget; }
    CWnd* GetNotifyTarget() const { return m_pNotifyTarget; }

    // The shell's callback: wParam is the icon id, lParam the mouse or
    // balloon event.
    virtual LRESULT OnIconNotify(WPARAM wParam, LPARAM lParam);
    // Runs on the popup submenu just before it is shown.
    virtual void PrepareMenu(HMENU hSubMenu);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    NOTIFYICONDATAW m_nid;
    BOOL m_bEnabled;         // the shell has a notification area
    BOOL m_bHidden;          // the icon is not visible
    BOOL m_bRemoved;         // the icon is not registered with the shell
    BOOL m_bAddPending;      // an add failed or must be repeated
    BOOL m_bWanted;          // the program asked for the icon to show
    BOOL m_bBalloonCapable;  // the shell knows balloons and icon states
    CWnd* m_pNotifyTarget;   // not owned
    CArray<HICON> m_aIcons;
    UINT m_nTimerId;  // 0: not animating
    int m_nFrame;     // the frame shown last
    COleDateTime m_timeAnimStart;
    UINT m_nAnimSeconds;
    HICON m_hIconBeforeAnim;
    UINT m_nDefaultItem;
    BOOL m_bDefaultByPos;
    UINT m_nAddFlags;  // the first add's flags, reused when adding again
    UINT m_nBalloonCommand;

    static const UINT_PTR ID_TIMER_ANIMATION = 4567;

    DECLARE_MESSAGE_MAP()

protected:
    void ResetState();
    // Virtual so that a test can play a shell whose taskbar is not there yet.
    virtual BOOL NotifyShell(DWORD dwMessage) { return ::Shell_NotifyIconW(dwMessage, &m_nid); }

    void OnTimer(UINT_PTR nIDEvent);
    void OnSettingChange(UINT uFlags, LPCWSTR lpszSection);
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
};
