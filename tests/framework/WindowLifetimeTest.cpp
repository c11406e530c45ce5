// The handle map and the life of window objects: temporary objects for
// windows of others, detaching at the last message, frames that delete
// themselves, and exceptions that never leave a window procedure.
#include "BarFrame.h"
#include "WindowTestSupport.h"

#include "framework/FrameWnd.h"
#include "framework/WinApp.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

HWND CreateForeignWindow(LPCSTR lpszText) {
    return CreateWindowExA(0, "STATIC", lpszText, WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

const char kLifetimeClass[] = "TavTestLifetime";

BOOL CreateHidden(CWnd& wnd) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kLifetimeClass;
    AfxRegisterClass(&wc);
    return wnd.CreateEx(0, kLifetimeClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr);
}

}  // namespace

TEST(HandleMap, ForeignWindowHasATemporaryObjectUntilIdle) {
    HWND hForeign = CreateForeignWindow("foreign");
    HWND hOther = CreateForeignWindow("other");
    ASSERT_TRUE(hForeign && hOther);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hForeign, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hForeign));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));

    // Mark the temporary object: a new one would not carry the mark.
    pTemp->SetOwner(CWnd::FromHandle(hOther));
    ASSERT_EQ(hOther, CWnd::FromHandle(hForeign)->GetOwner()->m_hWnd);
    AfxGetThread()->OnIdle(0);  // the first idle pass only updates the bars
    ASSERT_EQ(hOther, CWnd::FromHandle(hForeign)->GetOwner()->m_hWnd);
    AfxGetThread()->OnIdle(1);
    CWnd* pNew = CWnd::FromHandle(hForeign);
    EXPECT_EQ(hForeign, pNew->m_hWnd);
    EXPECT_EQ(nullptr, pNew->GetOwner());
    // Deleting the temporary object left the window alone.
    EXPECT_TRUE(IsWindow(hForeign));

    // An object attached for good takes the place of the temporary one.
    {
        CWnd attached;
        ASSERT_TRUE(attached.Attach(hForeign));
        EXPECT_EQ(&attached, CWnd::FromHandle(hForeign));
        EXPECT_EQ(&attached, CWnd::FromHandlePermanent(hForeign));
        EXPECT_EQ(hForeign, attached.Detach());
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    }
    EXPECT_TRUE(IsWindow(hForeign));
    DestroyWindow(hForeign);
    DestroyWindow(hOther);
    AfxGetThread()->OnIdle(1);
}

namespace {

class CLastMessageWnd : public CWnd {
public:
    BOOL m_bAttachedAtNcDestroy = FALSE;
    int m_nPostNcDestroy = 0;
    BOOL m_bDetachedAtPostNcDestroy = FALSE;
    HWND m_hWndWas = nullptr;

    void PostNcDestroy() override {
        ++m_nPostNcDestroy;
        m_bDetachedAtPostNcDestroy = m_hWnd == nullptr && FromHandlePermanent(m_hWndWas) == nullptr;
    }

    DECLARE_MESSAGE_MAP()

protected:
    LRESULT OnNcDestroy(WPARAM, LPARAM) {
        m_hWndWas = m_hWnd;
        m_bAttachedAtNcDestroy = FromHandlePermanent(m_hWnd) == this;
        return Default();
    }
};

BEGIN_MESSAGE_MAP(CLastMessageWnd, CWnd)
ON_MESSAGE(WM_NCDESTROY, OnNcDestroy)
END_MESSAGE_MAP()

}  // namespace

TEST(HandleMap, ObjectIsDetachedAfterItsLastMessage) {
    CLastMessageWnd wnd;
    ASSERT_TRUE(CreateHidden(wnd));
    HWND hWnd = wnd.m_hWnd;
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(wnd.m_bAttachedAtNcDestroy);
    EXPECT_EQ(1, wnd.m_nPostNcDestroy);
    EXPECT_TRUE(wnd.m_bDetachedAtPostNcDestroy);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    // The object can make a new window.
    EXPECT_TRUE(CreateHidden(wnd));
}

namespace {

int g_nFramesDeleted = 0;

class CCountedFrame : public CFrameWnd {
public:
    ~CCountedFrame() override { ++g_nFramesDeleted; }
};

BOOL QuitPosted(WPARAM* pExitCode) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return FALSE;
    *pExitCode = msg.wParam;
    return TRUE;
}

}  // namespace

TEST(HandleMap, FrameDeletesItselfAndEndsTheProgramWhenMain) {
    g_nFramesDeleted = 0;
    WPARAM nExitCode = 99;
    auto* pFrame = new CCountedFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    ::DestroyWindow(pFrame->m_hWnd);
    EXPECT_EQ(1, g_nFramesDeleted);
    EXPECT_FALSE(QuitPosted(&nExitCode));

    // Closing the main window ends the message loop.
    pFrame = new CCountedFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    CWinThread* pThread = AfxGetThread();
    pThread->m_pMainWnd = pFrame;
    HWND hFrame = pFrame->m_hWnd;
    ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hFrame));
    EXPECT_EQ(2, g_nFramesDeleted);
    EXPECT_EQ(nullptr, pThread->m_pMainWnd);
    ASSERT_TRUE(QuitPosted(&nExitCode));
    EXPECT_EQ(0u, nExitCode);
    DestroyFrame(hFrame);
}

namespace {

const UINT WM_THROW_FRAMEWORK = WM_APP + 20;
const UINT WM_THROW_OTHER = WM_APP + 21;
const UINT WM_PING = WM_APP + 22;

int g_nExceptionsDeleted = 0;

class CCountedException : public CException {
public:
    ~CCountedException() override { ++g_nExceptionsDeleted; }
};

class CThrowingWnd : public CWnd {
public:
    DECLARE_MESSAGE_MAP()

protected:
    LRESULT OnThrowFramework(WPARAM, LPARAM) { throw new CCountedException; }
    LRESULT OnThrowOther(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    LRESULT OnPing(WPARAM, LPARAM) { return 7; }
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
ON_MESSAGE(WM_THROW_FRAMEWORK, OnThrowFramework)
ON_MESSAGE(WM_THROW_OTHER, OnThrowOther)
ON_MESSAGE(WM_PING, OnPing)
END_MESSAGE_MAP()

}  // namespace

TEST(HandleMap, NoExceptionLeavesAWindowProcedure) {
    g_nExceptionsDeleted = 0;
    CThrowingWnd wnd;
    ASSERT_TRUE(CreateHidden(wnd));
    EXPECT_EQ(0, wnd.SendMessage(WM_THROW_FRAMEWORK));
    EXPECT_EQ(1, g_nExceptionsDeleted);
    EXPECT_EQ(0, wnd.SendMessage(WM_THROW_OTHER));
    // Posted, through the message loop's dispatch.
    wnd.PostMessage(WM_THROW_FRAMEWORK);
    PumpMessages();
    EXPECT_EQ(2, g_nExceptionsDeleted);
    // The window lives on, attached, and answers.
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(7, wnd.SendMessage(WM_PING));
}
