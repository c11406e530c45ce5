#include "framework/WinApp.h"

#include "framework/DocTemplate.h"
#include "framework/FrameWnd.h"
#include "framework/Module.h"

#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* g_pApp = nullptr;
thread_local CWinThread* t_pThread = nullptr;

}  // namespace

CWinApp* AfxGetApp() {
    return g_pApp;
}
CWinThread* AfxGetThread() {
    return t_pThread;
}

CWnd* AfxGetMainWnd() {
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->GetMainWnd() : nullptr;
}

CWinThread::CWinThread() {
    if (!t_pThread)
        t_pThread = this;
}

CWinThread::~CWinThread() {
    if (t_pThread == this)
        t_pThread = nullptr;
}

BOOL CWinThread::IsIdleMessage(const MSG* pMsg) {
    // Painting, timers and the mouse resting in place would keep idle work
    // running for ever.
    static thread_local POINT s_ptLastMouse = {-1, -1};
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (pMsg->pt.x == s_ptLastMouse.x && pMsg->pt.y == s_ptLastMouse.y)
            return FALSE;
        s_ptLastMouse = pMsg->pt;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != WM_TIMER && pMsg->message != 0x0118;
}

BOOL CWinThread::PumpMessage() {
    if (GetMessageW(&m_msgCur, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        TranslateMessage(&m_msgCur);
        DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run() {
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

int CWinThread::ExitInstance() {
    return static_cast<int>(m_msgCur.wParam);
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    CWnd* pMainWnd = GetMainWnd();
    HWND hWndStop = pMainWnd ? pMainWnd->m_hWnd : nullptr;
    if (AfxWalkPreTranslateTree(hWndStop, pMsg))
        return TRUE;
    // A message for a window outside the main window (a tooltip, say) still
    // gets the main window's accelerators.
    if (pMainWnd && pMsg->hwnd != hWndStop && !::IsChild(hWndStop, pMsg->hwnd) &&
        (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) &&
        ::GetAncestor(pMsg->hwnd, GA_ROOT) == hWndStop)
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount) {
    if (lCount <= 0) {
        CWnd* pMainWnd = GetMainWnd();
        if (pMainWnd && pMainWnd->m_hWnd && pMainWnd->IsWindowVisible() &&
            pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            static_cast<CFrameWnd*>(pMainWnd)->OnIdleUpdateCmdUI();
        return TRUE;
    }
    CWnd::DeleteTempMap();
    return FALSE;
}

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName) {
    g_pApp = this;
    if (lpszAppName) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitApplication() {
    if (!m_pszAppName) {
        if (!m_strAppName.LoadString(0xE000)) {
            char path[MAX_PATH] = {};
            GetModuleFileNameA(nullptr, path, MAX_PATH);
            CString strPath(path);
            m_strAppName = strPath.Mid(strPath.ReverseFind('\\') + 1);
            int nDot = m_strAppName.ReverseFind('.');
            if (nDot > 0)
                m_strAppName = m_strAppName.Left(nDot);
        }
        m_pszAppName = m_strAppName;
    }
    if (!m_pszProfileName)
        m_pszProfileName = m_pszAppName;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                                 ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&icc);
    return TRUE;
}

BOOL AfxOleInit() {
    static BOOL s_bInitialized = FALSE;
    if (!s_bInitialized && SUCCEEDED(OleInitialize(nullptr))) {
        s_bInitialized = TRUE;
        atexit([] { OleUninitialize(); });
    }
    return s_bInitialized;
}

int CWinApp::ExitInstance() {
    m_templates.clear();
    return CWinThread::ExitInstance();
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) {
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    if (!m_pszProfileName)
        m_pszProfileName = m_pszAppName;
}

HKEY CWinApp::GetAppRegistryKey() {
    if (!m_pszRegistryKey || !m_pszProfileName)
        return nullptr;
    CString strPath;
    strPath.Format("Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, strPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection) {
    HKEY hAppKey = GetAppRegistryKey();
    if (!hAppKey)
        return nullptr;
    HKEY hKey = nullptr;
    LONG lResult = RegCreateKeyExA(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr);
    RegCloseKey(hAppKey);
    return lResult == ERROR_SUCCESS ? hKey : nullptr;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
    HKEY hKey = GetSectionKey(lpszSection);
    if (!hKey)
        return static_cast<UINT>(nDefault);
    DWORD dwType = 0, dwValue = 0, dwSize = sizeof(dwValue);
    LONG lResult =
        RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &dwSize);
    RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS || dwType != REG_DWORD || dwSize != sizeof(dwValue))
        return static_cast<UINT>(nDefault);
    return dwValue;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) {
    CString strValue(lpszDefault);
    HKEY hKey = GetSectionKey(lpszSection);
    if (!hKey)
        return strValue;
    DWORD dwType = 0, dwSize = 0;
    if (RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwSize) == ERROR_SUCCESS &&
        dwType == REG_SZ) {
        CString strRead;
        LPSTR p = strRead.GetBuffer(static_cast<int>(dwSize) + 1);
        if (RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(p), &dwSize) ==
            ERROR_SUCCESS) {
            p[dwSize] = '\0';
            strRead.ReleaseBuffer();
            strValue = strRead;
        }
    }
    RegCloseKey(hKey);
    return strValue;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes) {
    *ppData = nullptr;
    *pBytes = 0;
    HKEY hKey = GetSectionKey(lpszSection);
    if (!hKey)
        return FALSE;
    DWORD dwType = 0, dwSize = 0;
    BOOL bResult = FALSE;
    if (RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, nullptr, &dwSize) == ERROR_SUCCESS &&
        dwType == REG_BINARY) {
        LPBYTE pData = new BYTE[dwSize ? dwSize : 1];
        if (RegQueryValueExA(hKey, lpszEntry, nullptr, &dwType, pData, &dwSize) == ERROR_SUCCESS) {
            *ppData = pData;
            *pBytes = dwSize;
            bResult = TRUE;
        } else {
            delete[] pData;
        }
    }
    RegCloseKey(hKey);
    return bResult;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
    HKEY hKey = GetSectionKey(lpszSection);
    if (!hKey)
        return FALSE;
    DWORD dwValue = static_cast<DWORD>(nValue);
    LONG lResult = RegSetValueExA(hKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                                  sizeof(dwValue));
    RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) {
    HKEY hKey = GetSectionKey(lpszSection);
    if (!hKey)
        return FALSE;
    LONG lResult;
    if (!lpszEntry) {
        lResult = RegDeleteTreeA(hKey, nullptr);
    } else if (!lpszValue) {
        lResult = RegDeleteValueA(hKey, lpszEntry);
    } else {
        lResult = RegSetValueExA(hKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                 static_cast<DWORD>(lstrlenA(lpszValue) + 1));
    }
    RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes) {
    HKEY hKey = GetSectionKey(lpszSection);
    if (!hKey)
        return FALSE;
    LONG lResult = RegSetValueExA(hKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
    m_templates.emplace_back(pTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    // The program opens no files of its own: whatever the command line
    // says, it starts with its new (and only) document.
    rCmdInfo.m_nShellCommand = CCommandLineInfo::FileNew;
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
    if (rCmdInfo.m_nShellCommand == CCommandLineInfo::FileNothing)
        return TRUE;
    OnFileNew();
    return m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr;
}

void CWinApp::OnFileNew() {
    if (CDocTemplate* pTemplate = GetFirstDocTemplate())
        pTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}
