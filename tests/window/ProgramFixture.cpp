#include "ProgramFixture.h"

#include "dictionary/DictionaryPaths.h"
#include "framework/DocTemplate.h"
#include "res/resource.h"

#include "../unit/TempDir.h"

void PumpMessages(DWORD nMilliseconds) {
    DWORD dwStart = GetTickCount();
    CWinThread* pThread = AfxGetThread();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                continue;
            if (!pThread || !pThread->PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        if (pThread)
            pThread->OnIdle(0);
        if (nMilliseconds)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - dwStart < nMilliseconds);
}

void DeleteProgramTestSettings() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TavWindowTests");
}

namespace {

// Points theApp at the tests' resources and registry root, once for the whole
// run, and removes the settings at its end.
class ProgramEnvironment : public ::testing::Environment {
    void SetUp() override {
        theApp.m_hInstance = GetModuleHandleA(nullptr);
        theApp.InitApplication();
        theApp.SetRegistryKey("TavWindowTests");
        AfxOleInit();
    }
    void TearDown() override { DeleteProgramTestSettings(); }
};

::testing::Environment* const g_pEnvironment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);

}  // namespace

void ProgramTest::WriteDictionary(Direction direction, const std::string& bytes) {
    WriteBytes(GetProgramFilePath(GetDictionaryFileName(direction)).ForDisplay().Str(), bytes);
}

std::string ProgramTest::ReadDictionary(Direction direction) {
    const std::string path = GetProgramFilePath(GetDictionaryFileName(direction)).ForDisplay().Str();
    return FileExists(path) ? ReadBytes(path) : std::string();
}

void ProgramTest::RemoveDictionaries() {
    for (LPCSTR name : {"en.tmp", "ro.tmp", "temp.tmp"}) {
        const CFilePath path = GetProgramFilePath(name);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    }
}

void ProgramTest::SetUp() {
    DeleteProgramTestSettings();
    RemoveDictionaries();
    theApp.m_settings = TavSettings();
}

void ProgramTest::TearDown() {
    if (m_pFrame)
        CloseProgram();
    RemoveDictionaries();
    DeleteProgramTestSettings();
}

void ProgramTest::StartProgram(const std::string& english) {
    if (!english.empty())
        WriteDictionary(kEn, english);
    theApp.m_nCmdShow = SW_SHOWNORMAL;
    theApp.m_settings = ReadSettings();  // as the program's start reads them
    if (!theApp.GetFirstDocTemplate())
        theApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTavDoc),
                                                     RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CTavView)));
    theApp.OnFileNew();
    m_pFrame = DynamicDowncast<CMainFrame>(theApp.m_pMainWnd);
    ASSERT_NE(nullptr, m_pFrame);
    m_pDoc = GetTavDoc(*m_pFrame);
    ASSERT_NE(nullptr, m_pDoc);
    PumpMessages();
}

bool ProgramTest::CloseProgram(UINT nCommand) {
    HWND hWnd = m_pFrame->m_hWnd;
    m_pFrame->SendMessage(nCommand ? WM_COMMAND : WM_CLOSE, nCommand);
    const bool bClosed = !IsWindow(hWnd);
    if (!bClosed)
        DestroyWindow(hWnd);
    m_pFrame = nullptr;
    m_pDoc = nullptr;
    // The frame ends the program with WM_QUIT: take it off the queue.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    return bClosed;
}

std::vector<std::string> ListRows(HWND hList) {
    CListBox list(hList);
    std::vector<std::string> rows;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString strText;
        list.GetText(i, strText);
        rows.push_back(strText.Str());
    }
    return rows;
}

CString ProgramTest::StatusText() const {
    auto* pBar = DynamicDowncast<CStatusBar>(m_pFrame->GetMessageBar());
    return pBar ? pBar->GetPaneText(0) : CString();
}

CTestCmdUI ProgramTest::CommandState(UINT nID) const {
    CTestCmdUI state;
    state.m_nID = nID;
    m_pFrame->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
    return state;
}
