#include "BarFrame.h"

#include "TestApp.h"

#include "framework/DocTemplate.h"
#include "framework/WinApp.h"
#include "res/resource.h"

#include <cstring>

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

void CTestView::OnSetFocus(CWnd* pOldWnd) {
    ++m_nFocusGained;
    CView::OnSetFocus(pOldWnd);
}

BEGIN_MESSAGE_MAP(CBarFrame, CFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_ENGLISH_ROMANIAN, OnEnglishRomanian)
ON_COMMAND(ID_ROMANIAN_ENGLISH, OnRomanianEnglish)
ON_COMMAND(ID_WORD_ADD, OnWordAdd)
ON_COMMAND(ID_WORD_MODIFY, OnWordModify)
ON_COMMAND(ID_VIEW_BOX_WORD, OnBoxWord)
ON_COMMAND(ID_ESCAPE, OnEscape)
ON_EN_CHANGE(IDC_WORDBOX, OnWordBoxChange)
ON_UPDATE_COMMAND_UI(ID_ENGLISH_ROMANIAN, OnUpdateEnglishRomanian)
ON_UPDATE_COMMAND_UI(ID_ROMANIAN_ENGLISH, OnUpdateRomanianEnglish)
ON_UPDATE_COMMAND_UI(ID_WORD_MODIFY, OnUpdateWordModify)
ON_UPDATE_COMMAND_UI(ID_VIEW_BOX_WORD, OnUpdateBoxWord)
ON_UPDATE_COMMAND_UI(ID_ESCAPE, OnUpdateEscape)
ON_UPDATE_COMMAND_UI(IDC_WORDBOX, OnUpdateWordBox)
END_MESSAGE_MAP()

CBarFrame* CBarFrame::New(BOOL bSplitter) {
    auto* pFrame = new CBarFrame;
    pFrame->m_bSplitter = bSplitter;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
    // A frame whose creation fails has deleted itself.
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, &context))
        return nullptr;
    pFrame->SetWindowPos(nullptr, 0, 0, 640, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    return pFrame;
}

int CBarFrame::OnCreate(LPCREATESTRUCT lpcs) {
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    const DWORD kBarStyle =
        WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, kBarStyle) || !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    static const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kIndicators, 4))
        return -1;
    if (!m_wndWordBar.Create(this, IDD_WORDBAR, kBarStyle, IDD_WORDBAR))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    m_wndWordBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    // The word bar joins the toolbar's row, right of it.
    DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    RecalcLayout(TRUE);
    CRect rect;
    m_wndToolBar.GetWindowRect(&rect);
    rect.OffsetRect(1, 0);
    DockControlBar(&m_wndWordBar, AFX_IDW_DOCKBAR_TOP, &rect);
    return 0;
}

BOOL CBarFrame::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    if (!m_bSplitter)
        return CFrameWnd::OnCreateClient(lpcs, pContext);
    CRect rect;
    GetWindowRect(&rect);
    m_nCreateWidth = rect.Width();
    return m_wndSplitter.CreateStatic(this, 1, 2) &&
           m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CTestView), CSize(m_nCreateWidth / 2, 0), pContext) &&
           m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CTestView), CSize(0, m_nCreateWidth / 2), pContext);
}

void CBarFrame::OnEnglishRomanian() {
    CommandLog().push_back("english-romanian");
}
void CBarFrame::OnRomanianEnglish() {
    CommandLog().push_back("romanian-english");
}
void CBarFrame::OnWordAdd() {
    CommandLog().push_back("add");
}
void CBarFrame::OnWordModify() {
    CommandLog().push_back("modify");
}
void CBarFrame::OnBoxWord() {
    CommandLog().push_back("box word");
}
void CBarFrame::OnEscape() {
    CommandLog().push_back("escape");
}
void CBarFrame::OnWordBoxChange() {
    CommandLog().push_back("word box change");
}

void CBarFrame::OnUpdateEnglishRomanian(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!m_bBusy);
    pCmdUI->SetRadio(m_nDirection == 0);
}
void CBarFrame::OnUpdateRomanianEnglish(CCmdUI* pCmdUI) {
    pCmdUI->Enable(!m_bBusy);
    pCmdUI->SetRadio(m_nDirection != 0);
}
void CBarFrame::OnUpdateWordModify(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_bWordSelected);
}
void CBarFrame::OnUpdateBoxWord(CCmdUI* pCmdUI) {
    pCmdUI->SetCheck(m_bBoxWord);
}
void CBarFrame::OnUpdateEscape(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_bEscapeEnabled);
}
void CBarFrame::OnUpdateWordBox(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_bWordBoxEnabled);
}

void DestroyFrame(HWND hFrame) {
    CWinThread* pThread = AfxGetThread();
    if (pThread->m_pMainWnd && pThread->m_pMainWnd->m_hWnd == hFrame)
        pThread->m_pMainWnd = nullptr;
    if (::IsWindow(hFrame))
        ::DestroyWindow(hFrame);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

CRect ChildRect(const CWnd& wnd) {
    CRect rect;
    wnd.GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, ::GetParent(wnd.m_hWnd), reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

void PrintTo(const CRect& rect, std::ostream* os) {
    *os << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}

CKeyboardState::CKeyboardState(std::initializer_list<std::pair<int, BYTE>> keys) {
    GetKeyboardState(m_saved);
    BYTE state[256];
    memcpy(state, m_saved, sizeof(state));
    for (const auto& key : keys)
        state[key.first] = key.second;
    SetKeyboardState(state);
}

CKeyboardState::~CKeyboardState() {
    SetKeyboardState(m_saved);
}
