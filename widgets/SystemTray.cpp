#include "widgets/SystemTray.h"

#include "framework/Gdi.h"
#include "framework/Module.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <cstring>

// Asked for once, before any window exists, so the message map can name it.
const UINT CSystemTray::s_nTaskbarCreatedMsg = ::RegisterWindowMessageW(L"TaskbarCreated");
int CSystemTray::s_nMaxTipLength = ARRAYSIZE(NOTIFYICONDATAW::szTip);

BEGIN_MESSAGE_MAP(CSystemTray, CWnd)
ON_WM_TIMER()
ON_WM_SETTINGCHANGE()
ON_REGISTERED_MESSAGE(CSystemTray::s_nTaskbarCreatedMsg, OnTaskbarCreated)
END_MESSAGE_MAP()

namespace {

// The shell reads the record up to the balloon members (the layout that
// came with balloons); the constant is the right size for 32 and 64 bits.
const DWORD kRecordSize = NOTIFYICONDATAW_V2_SIZE;

// Copies at most nChars - 1 characters of lpszSource (null: nothing), as
// UTF-16, and ends the text there.
template <size_t nChars>
void CopyCut(WCHAR (&szBuffer)[nChars], LPCSTR lpszSource) {
    const std::wstring text = WideText(lpszSource);
    const size_t nLength = std::min(text.size(), nChars - 1);
    std::memcpy(szBuffer, text.data(), nLength * sizeof(WCHAR));
    szBuffer[nLength] = L'\0';
}

}  // namespace

CSystemTray::CSystemTray() {
    ResetState();
}

CSystemTray::~CSystemTray() {
    RemoveIcon();
    m_aIcons.RemoveAll();
    DestroyWindow();
}

void CSystemTray::ResetState() {
    std::memset(&m_nid, 0, sizeof(m_nid));
    m_bEnabled = FALSE;
    m_bHidden = TRUE;
    m_bRemoved = TRUE;
    m_bAddPending = FALSE;
    m_bWanted = FALSE;
    m_pNotifyTarget = nullptr;
    m_aIcons.RemoveAll();
    m_nTimerId = 0;
    m_nFrame = 0;
    m_timeAnimStart = COleDateTime();
    m_nAnimSeconds = 0;
    m_hIconBeforeAnim = nullptr;
    m_nDefaultItem = 0;
    m_bDefaultByPos = TRUE;
    m_nAddFlags = 0;
    m_nBalloonCommand = 0;

    // Balloons and icon states came with the NT shell of version 5.
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    m_bBalloonCapable = ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
                        version.dwMajorVersion >= 5;
}

BOOL CSystemTray::Create(CWnd* pParent, UINT uCallbackMessage, LPCSTR lpszTip, HICON hIcon, UINT uID,
                         BOOL bHidden, LPCSTR lpszBalloonText, LPCSTR lpszBalloonTitle,
                         DWORD dwBalloonIconFlags, UINT nBalloonTimeoutSeconds) {
    m_bEnabled = LOBYTE(LOWORD(::GetVersion())) >= 4;
    if (!m_bEnabled)
        return FALSE;
    s_nMaxTipLength = ARRAYSIZE(m_nid.szTip);

    if (!CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr))
        return FALSE;

    m_nid.cbSize = kRecordSize;
    m_nid.hWnd = pParent && pParent->m_hWnd ? pParent->m_hWnd : m_hWnd;
    m_nid.uID = uID;
    m_nid.hIcon = hIcon;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = uCallbackMessage;
    CopyCut(m_nid.szTip, lpszTip);

    BOOL bBalloon = m_bBalloonCapable && lpszBalloonText;
    if (bBalloon) {
        m_nid.uFlags |= NIF_INFO;
        CopyCut(m_nid.szInfo, lpszBalloonText);
        CopyCut(m_nid.szInfoTitle, lpszBalloonTitle);
        m_nid.uTimeout = nBalloonTimeoutSeconds * 1000;
        m_nid.dwInfoFlags = dwBalloonIconFlags;
    }

    m_bHidden = bHidden;
    m_bWanted = !bHidden;
    if (m_bBalloonCapable && bHidden) {
        m_nid.uFlags = NIF_STATE;
        m_nid.dwState = m_nid.dwStateMask = NIS_HIDDEN;
    }
    m_nAddFlags = m_nid.uFlags;

    // An older shell cannot hold a hidden icon: it is added when first shown.
    BOOL bResult = TRUE;
    if (!bHidden || m_bBalloonCapable) {
        bResult = NotifyShell(NIM_ADD);
        m_bRemoved = m_bAddPending = !bResult;
        // An icon added in the hidden state is registered but still hidden,
        // so the next ShowIcon only has to change its state.
        m_bHidden = !bResult || bHidden;
    }

    // Adding the icon again later must not show the balloon again.
    if (bBalloon)
        m_nid.szInfo[0] = L'\0';
    return bResult;
}

BOOL CSystemTray::AddIcon() {
    if (!m_bRemoved)
        RemoveIcon();
    m_bWanted = TRUE;
    if (m_bEnabled) {
        m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        if (NotifyShell(NIM_ADD))
            m_bHidden = m_bRemoved = FALSE;
        else
            m_bAddPending = TRUE;
    }
    return !m_bRemoved;
}

BOOL CSystemTray::RemoveIcon() {
    m_bAddPending = FALSE;
    m_bWanted = FALSE;
    if (!m_bEnabled || m_bRemoved)
        return TRUE;
    m_nid.uFlags = 0;
    if (NotifyShell(NIM_DELETE))
        m_bHidden = m_bRemoved = TRUE;
    return m_bRemoved;
}

BOOL CSystemTray::HideIcon() {
    m_bWanted = FALSE;
    if (!m_bEnabled || m_bRemoved || m_bHidden)
        return TRUE;
    if (m_bBalloonCapable) {
        m_nid.uFlags = NIF_STATE;
        m_nid.dwState = m_nid.dwStateMask = NIS_HIDDEN;
        m_bHidden = NotifyShell(NIM_MODIFY);
        return m_bHidden;
    }
    RemoveIcon();
    return m_bHidden;
}

void CSystemTray::HideTarget() {
    ShowIcon();
    if (m_pNotifyTarget)
        m_pNotifyTarget->ShowWindow(SW_HIDE);
}

BOOL CSystemTray::ShowIcon() {
    m_bWanted = TRUE;
    if (m_bRemoved)
        return AddIcon();
    if (!m_bHidden)
        return TRUE;
    if (m_bBalloonCapable) {
        m_nid.uFlags = NIF_STATE;
        m_nid.dwState = 0;
        m_nid.dwStateMask = NIS_HIDDEN;
        if (!NotifyShell(NIM_MODIFY)) {
            // The shell lost the hidden icon when it started again: without
            // a new add the window would hide with no way back to it.
            m_bRemoved = TRUE;
            return AddIcon();
        }
        m_bHidden = FALSE;
        return TRUE;
    }
    AddIcon();
    return !m_bHidden;
}

void CSystemTray::ReinstallIcon() {
    // An icon the program asked for comes back, even one whose add failed
    // because the taskbar was not there yet (a start at log-in); an icon
    // the program hid stays away.
    if (!m_bAddPending || !m_bWanted)
        return;
    m_nid.uFlags = m_nAddFlags;
    BOOL bPresent = NotifyShell(NIM_ADD);
    if (!bPresent) {
        // The shell refuses to add an icon it still has (a work-area change
        // does not remove it): then the icon is there, and shown.
        m_nid.uFlags = NIF_ICON | NIF_TIP;
        bPresent = NotifyShell(NIM_MODIFY);
    }
    m_bHidden = m_bAddPending = !bPresent;
    if (bPresent)
        m_bRemoved = FALSE;
}

BOOL CSystemTray::SetIcon(HICON hIcon) {
    if (!m_bEnabled)
        return FALSE;
    m_nid.uFlags = NIF_ICON;
    m_nid.hIcon = hIcon;
    return NotifyShell(NIM_MODIFY);
}

HICON CSystemTray::GetIcon() const {
    return m_bEnabled ? m_nid.hIcon : nullptr;
}

BOOL CSystemTray::SetIconList(UINT nFirstId, UINT nLastId) {
    if (nFirstId > nLastId || !AfxGetApp())
        return FALSE;
    m_aIcons.RemoveAll();
    try {
        for (UINT nId = nFirstId;; ++nId) {
            LPCSTR lpszName = MAKEINTRESOURCEA(nId);
            HINSTANCE hResource = AfxGetResourceHandle();
            m_aIcons.Add(::LoadIconA(hResource, lpszName));
            if (nId == nLastId)
                break;
        }
    } catch (CMemoryException* e) {
        e->Delete();
        m_aIcons.RemoveAll();
        return FALSE;
    }
    return TRUE;
}

BOOL CSystemTray::Animate(UINT nDelayMs, UINT nSeconds) {
    if (m_aIcons.IsEmpty())
        return FALSE;
    StopAnimation();
    m_nFrame = 0;
    m_timeAnimStart = COleDateTime::GetCurrentTime();
    m_nAnimSeconds = nSeconds;
    m_hIconBeforeAnim = GetIcon();
    m_nTimerId = static_cast<UINT>(SetTimer(ID_TIMER_ANIMATION, nDelayMs));
    return m_nTimerId != 0;
}

BOOL CSystemTray::StepAnimation() {
    if (m_aIcons.IsEmpty())
        return FALSE;
    if (++m_nFrame >= m_aIcons.GetSize())
        m_nFrame = 0;
    return SetIcon(m_aIcons[m_nFrame]);
}

BOOL CSystemTray::StopAnimation() {
    BOOL bResult = m_nTimerId ? KillTimer(m_nTimerId) : FALSE;
    m_nTimerId = 0;
    if (m_hIconBeforeAnim)
        SetIcon(m_hIconBeforeAnim);
    m_hIconBeforeAnim = nullptr;
    return bResult;
}

void CSystemTray::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != m_nTimerId)
        return;
    // Whole seconds, cut toward zero; a clock set back counts as very long.
    COleDateTimeSpan elapsed = COleDateTime::GetCurrentTime() - m_timeAnimStart;
    auto nElapsedSeconds = static_cast<UINT>(static_cast<LONGLONG>(elapsed.m_span * 86400));
    if (m_nAnimSeconds != 0 && nElapsedSeconds > m_nAnimSeconds)
        StopAnimation();
    else
        StepAnimation();
}

BOOL CSystemTray::ShowBalloon(LPCSTR lpszText, LPCSTR lpszTitle, DWORD dwIconFlags, UINT nTimeoutSeconds) {
    if (!m_bBalloonCapable)
        return FALSE;
    m_nid.uFlags = NIF_INFO;
    CopyCut(m_nid.szInfo, lpszText);
    CopyCut(m_nid.szInfoTitle, lpszTitle);
    m_nid.dwInfoFlags = dwIconFlags;
    m_nid.uTimeout = nTimeoutSeconds * 1000;
    BOOL bResult = NotifyShell(NIM_MODIFY);
    // Later modifications must not show the balloon again.
    m_nid.szInfo[0] = L'\0';
    return bResult;
}

BOOL CSystemTray::SetMenuDefaultItem(UINT nItem, BOOL bByPosition) {
    if (m_nDefaultItem == nItem && m_bDefaultByPos == bByPosition)
        return TRUE;
    m_nDefaultItem = nItem;
    m_bDefaultByPos = bByPosition;
    // Only checks that the menu takes the item: each popup marks it afresh.
    CMenu menu;
    if (!menu.LoadMenu(m_nid.uID))
        return FALSE;
    HMENU hSubMenu = menu.GetSubMenu(0);
    if (!hSubMenu)
        return FALSE;
    ::SetMenuDefaultItem(hSubMenu, nItem, bByPosition);
    return TRUE;
}

LRESULT CSystemTray::OnIconNotify(WPARAM wParam, LPARAM lParam) {
    if (wParam != m_nid.uID)
        return 0;
    CWnd* pTarget = GetNotifyTarget();
    if (!pTarget)
        return 0;

    switch (LOWORD(lParam)) {
        case WM_RBUTTONUP: {
            CMenu menu;
            if (!menu.LoadMenu(LOWORD(m_nid.uID)))
                return 0;
            HMENU hSubMenu = menu.GetSubMenu(0);
            if (!hSubMenu)
                return 0;
            ::SetMenuDefaultItem(hSubMenu, m_nDefaultItem, m_bDefaultByPos);
            PrepareMenu(hSubMenu);
            POINT pt = {0, 0};
            ::GetCursorPos(&pt);
            // Without the foreground the menu would not close when the user
            // clicks elsewhere; the WM_NULL afterwards lets the target's
            // queue move on so a second popup works at once.
            pTarget->SetForegroundWindow();
            ::TrackPopupMenu(hSubMenu, 0, pt.x, pt.y, 0, pTarget->m_hWnd, nullptr);
            pTarget->PostMessage(WM_NULL);
            break;
        }
        case WM_LBUTTONDBLCLK: {
            pTarget->SetForegroundWindow();
            UINT nCommand = m_nDefaultItem;
            if (m_bDefaultByPos) {
                CMenu menu;
                if (!menu.LoadMenu(LOWORD(m_nid.uID)))
                    return 0;
                HMENU hSubMenu = menu.GetSubMenu(0);
                if (!hSubMenu)
                    return 0;
                nCommand = ::GetMenuItemID(hSubMenu, static_cast<int>(m_nDefaultItem));
            }
            pTarget->PostMessage(WM_COMMAND, nCommand, 0);
            break;
        }
        case NIN_BALLOONUSERCLICK:
            pTarget->PostMessage(WM_COMMAND, m_nBalloonCommand, 0);
            break;
        default:
            break;
    }
    return 1;
}

void CSystemTray::PrepareMenu(HMENU) {}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == m_nid.uCallbackMessage)
        return OnIconNotify(wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

void CSystemTray::OnSettingChange(UINT uFlags, LPCWSTR lpszSection) {
    CWnd::OnSettingChange(uFlags, lpszSection);
    if (uFlags == SPI_SETWORKAREA) {
        m_bAddPending = m_bWanted;
        ReinstallIcon();
    }
}

LRESULT CSystemTray::OnTaskbarCreated(WPARAM, LPARAM) {
    m_bAddPending = TRUE;
    ReinstallIcon();
    return 0;
}
