// The command route: the active view, its document, the frame, then the
// application. Each command below is handled by every stop from one point
// of the route on; the first of them must be the one that runs.
#include "BarFrame.h"
#include "TestApp.h"

#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Log;

const UINT ID_FROM_VIEW = ID_TEST_APP_FIRST;          // view, document, frame, application
const UINT ID_FROM_DOCUMENT = ID_TEST_APP_FIRST + 1;  // document, frame, application
const UINT ID_FROM_FRAME = ID_TEST_APP_FIRST + 2;     // frame, application
const UINT ID_FROM_APP = ID_TEST_APP_FIRST + 3;       // application
const UINT ID_NOBODY = 0x7D40;

class CRouteDoc : public CDocument {
public:
    explicit CRouteDoc(LPCSTR lpszName) : m_strName(lpszName) {}

    std::string m_strName;

    DECLARE_MESSAGE_MAP()

protected:
    void OnRouteCommand() { CommandLog().push_back(m_strName); }
};

BEGIN_MESSAGE_MAP(CRouteDoc, CDocument)
ON_COMMAND(ID_FROM_VIEW, OnRouteCommand)
ON_COMMAND(ID_FROM_DOCUMENT, OnRouteCommand)
END_MESSAGE_MAP()

class CRouteView : public CView {
    DECLARE_DYNCREATE(CRouteView)
public:
    void OnDraw(CDC*) override {}

    BOOL m_bEnabled = TRUE;

    DECLARE_MESSAGE_MAP()

protected:
    void OnRouteCommand() {
        CommandLog().push_back("view " + std::to_string(GetDlgCtrlID() - AFX_IDW_PANE_FIRST));
    }
    void OnUpdateCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnabled); }
};

IMPLEMENT_DYNCREATE(CRouteView, CView)

BEGIN_MESSAGE_MAP(CRouteView, CView)
ON_COMMAND(ID_FROM_VIEW, OnRouteCommand)
ON_UPDATE_COMMAND_UI(ID_FROM_VIEW, OnUpdateCommand)
END_MESSAGE_MAP()

// Two views: view 0 shows the first document, view 1 the second.
class CRouteFrame : public CFrameWnd {
public:
    CDocument* m_pSecondDoc = nullptr;

    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) override {
        CCreateContext second = *pContext;
        second.m_pCurrentDoc = m_pSecondDoc;
        return CreateView(pContext, AFX_IDW_PANE_FIRST) && CreateView(&second, AFX_IDW_PANE_FIRST + 1);
    }
    CRouteView* View(int n) const {
        return static_cast<CRouteView*>(GetDlgItem(static_cast<int>(AFX_IDW_PANE_FIRST) + n));
    }

    DECLARE_MESSAGE_MAP()

protected:
    void OnRouteCommand() { CommandLog().push_back("frame"); }
};

BEGIN_MESSAGE_MAP(CRouteFrame, CFrameWnd)
ON_COMMAND(ID_FROM_VIEW, OnRouteCommand)
ON_COMMAND(ID_FROM_DOCUMENT, OnRouteCommand)
ON_COMMAND(ID_FROM_FRAME, OnRouteCommand)
END_MESSAGE_MAP()

class CommandRouteTest : public ::testing::Test {
protected:
    void SetUp() override {
        CommandLog().clear();
        auto* pFrame = new CRouteFrame;
        pFrame->m_pSecondDoc = &m_second;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CRouteView);
        context.m_pCurrentDoc = &m_first;
        ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, &context));
        m_pFrame = pFrame;
        m_hFrame = pFrame->m_hWnd;
        m_pFrame->SetActiveView(m_pFrame->View(0), FALSE);
    }
    void TearDown() override { DestroyFrame(m_hFrame); }

    Log Command(UINT nID) {
        CommandLog().clear();
        m_pFrame->SendMessage(WM_COMMAND, nID);
        return CommandLog();
    }
    BOOL IsEnabled(UINT nID) {
        CTestCmdUI state;
        state.m_nID = nID;
        state.DoUpdate(m_pFrame, TRUE);
        return state.m_bEnabled;
    }

    CRouteDoc m_first{"first document"};
    CRouteDoc m_second{"second document"};
    CRouteFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};

}  // namespace

TEST_F(CommandRouteTest, ActiveViewThenDocumentThenFrameThenApplication) {
    ASSERT_EQ(&m_first, m_pFrame->View(0)->GetDocument());
    ASSERT_EQ(&m_second, m_pFrame->View(1)->GetDocument());
    EXPECT_EQ(Log({"view 0"}), Command(ID_FROM_VIEW));
    EXPECT_EQ(Log({"first document"}), Command(ID_FROM_DOCUMENT));
    EXPECT_EQ(Log({"frame"}), Command(ID_FROM_FRAME));
    EXPECT_EQ(Log({"app"}), Command(ID_FROM_APP));
    EXPECT_EQ(Log(), Command(ID_NOBODY));
    EXPECT_FALSE(m_pFrame->OnCmdMsg(ID_NOBODY, CN_COMMAND, nullptr, nullptr));

    // Only the active view, and its own document, see the commands.
    m_pFrame->SetActiveView(m_pFrame->View(1), FALSE);
    EXPECT_EQ(Log({"view 1"}), Command(ID_FROM_VIEW));
    EXPECT_EQ(Log({"second document"}), Command(ID_FROM_DOCUMENT));

    // Without an active view the frame is the first stop.
    m_pFrame->SetActiveView(nullptr, FALSE);
    EXPECT_EQ(Log({"frame"}), Command(ID_FROM_VIEW));
    EXPECT_EQ(Log({"app"}), Command(ID_FROM_APP));
}

TEST_F(CommandRouteTest, CommandIsEnabledWhenAnyStopHandlesIt) {
    EXPECT_TRUE(IsEnabled(ID_FROM_DOCUMENT));
    EXPECT_TRUE(IsEnabled(ID_FROM_APP));
    EXPECT_FALSE(IsEnabled(ID_NOBODY));

    // The active view's update handler speaks for the command, and a
    // command it disables reaches nobody further down the route.
    m_pFrame->View(0)->m_bEnabled = FALSE;
    EXPECT_FALSE(IsEnabled(ID_FROM_VIEW));
    EXPECT_EQ(Log(), Command(ID_FROM_VIEW));
    m_pFrame->SetActiveView(m_pFrame->View(1), FALSE);
    EXPECT_TRUE(IsEnabled(ID_FROM_VIEW));
    EXPECT_EQ(Log({"view 1"}), Command(ID_FROM_VIEW));
}
