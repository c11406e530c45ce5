// The application object and its thread: the message loop with idle
// processing, the main window, the document templates and the per-user
// profile under HKEY_CURRENT_USER\Software\<registry key>\<application>.
#pragma once

#include "framework/Wnd.h"

#include <memory>
#include <vector>

class CDocTemplate;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    virtual BOOL InitInstance() { return FALSE; }
    // The message loop; returns the exit code.
    virtual int Run();
    virtual int ExitInstance();
    // Gives the windows from the message's target up to the main window a
    // look at it before it is dispatched; TRUE when one of them took it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Idle work: lCount 0 updates the main window's bars, later counts tidy
    // up. FALSE when there is nothing more to do until the next message.
    virtual BOOL OnIdle(LONG lCount);
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }

    // Gets and handles one message; FALSE at WM_QUIT.
    BOOL PumpMessage();
    // Messages after which idle processing runs again.
    static BOOL IsIdleMessage(const MSG* pMsg);

    CWnd* m_pMainWnd = nullptr;
    MSG m_msgCur = {};
};

class CCommandLineInfo {
public:
    enum { FileNew, FileOpen, FileNothing = -1 } m_nShellCommand = FileNew;
    CString m_strFileName;
};

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // Without a name, the application takes string 57344 (else the module's name).
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication();
    int ExitInstance() override;

    // All profile values live under HKEY_CURRENT_USER\Software\<key>\<app>.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    // A value of the wrong type or size counts as missing.
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // *ppData is allocated with new[]; the caller deletes it with delete[].
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);
    // The application's key and a section's key (created when missing);
    // the caller closes them.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCSTR lpszSection);

    void AddDocTemplate(CDocTemplate* pTemplate);
    CDocTemplate* GetFirstDocTemplate() const {
        return m_templates.empty() ? nullptr : m_templates.front().get();
    }
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    HICON LoadIcon(UINT nIDResource) const;

    void OnFileNew();
    void OnFileOpen();

    LPCSTR m_pszAppName = nullptr;
    LPCSTR m_pszRegistryKey = nullptr;
    LPCSTR m_pszProfileName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strAppName;
    CString m_strRegistryKey;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
};

CWinApp* AfxGetApp();
// The user-interface thread's object; null on any other thread.
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();

// Initialises COM and OLE for this thread, once; undone when the program ends.
BOOL AfxOleInit();

// Starts the application object: the program's entry point calls it.
int AfxWinMain(HINSTANCE hInstance, int nCmdShow);
