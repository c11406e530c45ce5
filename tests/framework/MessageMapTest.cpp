// Message maps: a derived class's table chained to its base's, control
// notifications reflected to the control's own object or left to the
// parent, and registered messages.

#include "framework/Controls.h"
#include "framework/Wnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT WM_TEST_BOTH = WM_APP + 10;       // base and derived map it
const UINT WM_TEST_BASE_ONLY = WM_APP + 11;  // only the base maps it
const UINT WM_TEST_NOBODY = WM_APP + 12;
const UINT ID_TEST_BOTH = 0x7D01;
const UINT ID_TEST_BASE_ONLY = 0x7D02;
const UINT WM_TEST_REGISTERED = RegisterWindowMessageA("TavFrameworkTests.Registered");
UINT g_nNotYetRegistered = 0;  // a registered message that was never registered

const char kTestClass[] = "TavTestWindow";

void RegisterTestClass() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kTestClass;
    AfxRegisterClass(&wc);
}

class CBaseWnd : public CWnd {
public:
    BOOL CreateHidden() {
        RegisterTestClass();
        return CreateEx(0, kTestClass, "test", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr);
    }

    std::vector<std::string> m_log;

    DECLARE_MESSAGE_MAP()

protected:
    LRESULT OnBoth(WPARAM, LPARAM) {
        m_log.push_back("base");
        return 1;
    }
    LRESULT OnBaseOnly(WPARAM wParam, LPARAM) {
        m_log.push_back("base only");
        return static_cast<LRESULT>(wParam) + 1;
    }
    void OnCommandBoth() { m_log.push_back("base command"); }
    void OnCommandBaseOnly() { m_log.push_back("base-only command"); }
};

class CDerivedWnd : public CBaseWnd {
public:
    DECLARE_MESSAGE_MAP()

protected:
    LRESULT OnBoth(WPARAM, LPARAM) {
        m_log.push_back("derived");
        return 2;
    }
    void OnCommandBoth() { m_log.push_back("derived command"); }
    LRESULT OnRegistered(WPARAM wParam, LPARAM lParam) {
        m_log.push_back("registered");
        return static_cast<LRESULT>(wParam) * lParam;
    }
    LRESULT OnNotYetRegistered(WPARAM, LPARAM) {
        m_log.push_back("not yet registered");
        return 0;
    }
};

// A class of its own without a table: it answers with its base's.
class CLeafWnd : public CDerivedWnd {};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_MESSAGE(WM_TEST_BOTH, OnBoth)
ON_MESSAGE(WM_TEST_BASE_ONLY, OnBaseOnly)
ON_COMMAND(ID_TEST_BOTH, OnCommandBoth)
ON_COMMAND(ID_TEST_BASE_ONLY, OnCommandBaseOnly)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_MESSAGE(WM_TEST_BOTH, OnBoth)
ON_COMMAND(ID_TEST_BOTH, OnCommandBoth)
ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, OnRegistered)
ON_REGISTERED_MESSAGE(g_nNotYetRegistered, OnNotYetRegistered)
END_MESSAGE_MAP()

typedef std::vector<std::string> Log;

}  // namespace

TEST(MessageMap, DerivedEntryWinsAndBaseEntriesAnswerTheRest) {
    CDerivedWnd derived;
    ASSERT_TRUE(derived.CreateHidden());
    EXPECT_EQ(2, derived.SendMessage(WM_TEST_BOTH));
    EXPECT_EQ(5, derived.SendMessage(WM_TEST_BASE_ONLY, 4));
    derived.SendMessage(WM_COMMAND, ID_TEST_BOTH);
    derived.SendMessage(WM_COMMAND, ID_TEST_BASE_ONLY);
    EXPECT_EQ(0, derived.SendMessage(WM_TEST_NOBODY));
    EXPECT_EQ(Log({"derived", "base only", "derived command", "base-only command"}), derived.m_log);

    // The base class keeps its own table.
    CBaseWnd base;
    ASSERT_TRUE(base.CreateHidden());
    EXPECT_EQ(1, base.SendMessage(WM_TEST_BOTH));
    base.SendMessage(WM_COMMAND, ID_TEST_BOTH);
    EXPECT_EQ(Log({"base", "base command"}), base.m_log);

    CLeafWnd leaf;
    ASSERT_TRUE(leaf.CreateHidden());
    EXPECT_EQ(2, leaf.SendMessage(WM_TEST_BOTH));
    EXPECT_EQ(Log({"derived"}), leaf.m_log);
}

TEST(MessageMap, RegisteredMessagesReachTheirEntries) {
    ASSERT_NE(0u, WM_TEST_REGISTERED);
    CDerivedWnd derived;
    ASSERT_TRUE(derived.CreateHidden());
    EXPECT_EQ(42, derived.SendMessage(WM_TEST_REGISTERED, 6, 7));
    // An entry whose message was never registered answers nothing, not WM_NULL.
    derived.SendMessage(WM_NULL);
    EXPECT_EQ(Log({"registered"}), derived.m_log);

    CBaseWnd base;
    ASSERT_TRUE(base.CreateHidden());
    EXPECT_EQ(0, base.SendMessage(WM_TEST_REGISTERED, 6, 7));
    EXPECT_TRUE(base.m_log.empty());
}

namespace {

const UINT kReflectingEditId = 101;
const UINT kPlainEditId = 102;
const UINT kBareEditId = 103;

// An edit control that handles its own change notifications and clicks.
class CReflectingEdit : public CEdit {
public:
    int m_nChanges = 0;
    int m_nClicks = 0;

    DECLARE_MESSAGE_MAP()

protected:
    void OnReflectedChange() { ++m_nChanges; }
    void OnReflectedClick(NMHDR*, LRESULT* pResult) {
        ++m_nClicks;
        *pResult = 7;
    }
};

BEGIN_MESSAGE_MAP(CReflectingEdit, CEdit)
ON_CONTROL_REFLECT(EN_CHANGE, OnReflectedChange)
ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedClick)
END_MESSAGE_MAP()

class CEditParent : public CBaseWnd {
public:
    DECLARE_MESSAGE_MAP()

protected:
    void OnReflectingChange() { m_log.push_back("reflecting change"); }
    void OnReflectingUpdate() { m_log.push_back("reflecting update"); }
    void OnPlainChange() { m_log.push_back("plain change"); }
    void OnBareChange() { m_log.push_back("bare change"); }
    void OnReflectingClick(NMHDR*, LRESULT*) { m_log.push_back("reflecting click"); }
    void OnPlainClick(NMHDR* pHeader, LRESULT* pResult) {
        m_log.push_back("plain click");
        *pResult = static_cast<LRESULT>(pHeader->idFrom);
    }
};

BEGIN_MESSAGE_MAP(CEditParent, CBaseWnd)
ON_EN_CHANGE(kReflectingEditId, OnReflectingChange)
ON_CONTROL(EN_UPDATE, kReflectingEditId, OnReflectingUpdate)
ON_EN_CHANGE(kPlainEditId, OnPlainChange)
ON_EN_CHANGE(kBareEditId, OnBareChange)
ON_NOTIFY(NM_CLICK, kReflectingEditId, OnReflectingClick)
ON_NOTIFY(NM_CLICK, kPlainEditId, OnPlainClick)
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateHidden());
        const DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
        ASSERT_TRUE(
            m_reflecting.Create("EDIT", "", kStyle, CRect(0, 0, 100, 20), &m_parent, kReflectingEditId));
        ASSERT_TRUE(m_plain.Create("EDIT", "", kStyle, CRect(0, 30, 100, 50), &m_parent, kPlainEditId));
        // A control without any object of ours.
        m_hBare = CreateWindowExA(0, "EDIT", "", kStyle, 0, 60, 100, 20, m_parent.m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kBareEditId)),
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hBare);
    }

    LRESULT Click(const CWnd& from) {
        NMHDR header = {from.m_hWnd, static_cast<UINT_PTR>(from.GetDlgCtrlID()), static_cast<UINT>(NM_CLICK)};
        return m_parent.SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }

    CEditParent m_parent;
    CReflectingEdit m_reflecting;
    CEdit m_plain;
    HWND m_hBare = nullptr;
};

}  // namespace

TEST_F(ReflectionTest, ControlHandlesItsOwnNotificationAndTheParentTheRest) {
    // EN_UPDATE then EN_CHANGE: the control takes the change; the update,
    // which it does not handle, goes on to the parent.
    m_reflecting.SetWindowText("word");
    EXPECT_EQ(1, m_reflecting.m_nChanges);
    EXPECT_EQ(Log({"reflecting update"}), m_parent.m_log);

    m_parent.m_log.clear();
    m_plain.SetWindowText("word");
    ::SetWindowTextA(m_hBare, "word");
    EXPECT_EQ(Log({"plain change", "bare change"}), m_parent.m_log);
    EXPECT_EQ(1, m_reflecting.m_nChanges);
}

TEST_F(ReflectionTest, NotificationsAreReflectedWithTheirResult) {
    EXPECT_EQ(7, Click(m_reflecting));
    EXPECT_EQ(1, m_reflecting.m_nClicks);
    EXPECT_EQ(static_cast<LRESULT>(kPlainEditId), Click(m_plain));
    EXPECT_EQ(Log({"plain click"}), m_parent.m_log);
}
