// The link control on a static text: its underlined font, the hand pointer,
// its colours as the mouse comes, goes and clicks, the shell call a click
// makes, and the tooltip.
#include "SheetDriver.h"

#include "framework/Gdi.h"
#include "res/resource.h"
#include "widgets/LinkStatic.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kLink = RGB(0, 0, 255);
const COLORREF kHover = RGB(255, 0, 0);
const COLORREF kVisited = RGB(5, 34, 143);

class LinkStaticTest : public ::testing::Test {
protected:
    void SetUp() override {
        CLinkStatic::s_pfnShellExecute = RecordShellExecute;
        g_shellCalls.clear();
        g_nShellResult = 42;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TavTestLinkHost";
        AfxRegisterClass(&wc);
        ASSERT_TRUE(m_host.CreateEx(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr,
                                    nullptr));
        m_hWnd = CreateWindowExA(0, "STATIC", "www.example.org", WS_CHILD | WS_VISIBLE, 10, 10, 150, 16,
                                 m_host.m_hWnd, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_font.CreatePointFont(80, "MS Sans Serif"));
        SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), FALSE);
        m_link.SetTarget("http://www.example.org/tav");
        ASSERT_TRUE(m_link.SubclassWindow(m_hWnd));
    }
    void TearDown() override {
        CLinkStatic::s_pfnShellExecute = &::ShellExecuteA;
        m_host.DestroyWindow();
    }

    // The colour the control would paint with: it asks its parent, which
    // passes the question back to the link. The brush must be the hollow one.
    COLORREF Colour() {
        HDC hDC = CreateCompatibleDC(nullptr);
        LRESULT lBrush = m_host.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                            reinterpret_cast<LPARAM>(m_hWnd));
        COLORREF crText = GetTextColor(hDC);
        EXPECT_EQ(TRANSPARENT, GetBkMode(hDC));
        EXPECT_EQ(GetStockObject(NULL_BRUSH), reinterpret_cast<HGDIOBJ>(lBrush));
        DeleteDC(hDC);
        return crText;
    }
    void MoveMouse(short x, short y) {
        SendMessageA(m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }

    CFont m_font;
    CWnd m_host;
    HWND m_hWnd = nullptr;
    CLinkStatic m_link;
};

}  // namespace

TEST_F(LinkStaticTest, UnderlinesItsOwnFontAndShowsTheHand) {
    LOGFONTA lfOwn = {}, lfShown = {};
    GetObjectA(m_font.GetSafeHandle(), sizeof(lfOwn), &lfOwn);
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)), sizeof(lfShown), &lfShown);
    EXPECT_TRUE(lfShown.lfUnderline);
    EXPECT_STREQ(lfOwn.lfFaceName, lfShown.lfFaceName);
    EXPECT_EQ(lfOwn.lfHeight, lfShown.lfHeight);
    EXPECT_TRUE(GetWindowLongPtrA(m_hWnd, GWL_STYLE) & SS_NOTIFY);

    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));  // the arrow
    EXPECT_TRUE(SendMessageA(m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(m_hWnd),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_HAND)), GetCursor());
}

TEST_F(LinkStaticTest, ColoursFollowTheMouseAndAClickOpensTheTarget) {
    EXPECT_EQ(kLink, Colour());
    MoveMouse(5, 5);
    EXPECT_EQ(kHover, Colour());
    EXPECT_EQ(m_hWnd, GetCapture()) << "the move that leaves must come here too";
    MoveMouse(20, 3);
    EXPECT_EQ(kHover, Colour());
    MoveMouse(-4, 5);  // onto the dialog
    EXPECT_EQ(kLink, Colour());
    EXPECT_NE(m_hWnd, GetCapture());

    g_nShellResult = ERROR_FILE_NOT_FOUND;  // refused, and still visited
    MoveMouse(5, 5);
    Click(m_hWnd);
    ASSERT_EQ(1u, g_shellCalls.size());
    EXPECT_EQ(nullptr, g_shellCalls[0].hWnd);
    EXPECT_EQ("open", g_shellCalls[0].strVerb);
    EXPECT_EQ("http://www.example.org/tav", g_shellCalls[0].strFile);
    EXPECT_FALSE(g_shellCalls[0].bExtras);
    EXPECT_EQ(SW_SHOWMINIMIZED, g_shellCalls[0].nShowCmd);
    EXPECT_EQ(kVisited, Colour());
    MoveMouse(-4, 5);
    MoveMouse(5, 5);
    EXPECT_EQ(kVisited, Colour()) << "hovered after the visit";
    MoveMouse(-4, 5);

    for (INT_PTR nResult : {31, 32}) {
        g_nShellResult = nResult;
        EXPECT_EQ(nResult >= 32, CLinkStatic::OpenTarget("x")) << nResult;
    }
}

TEST_F(LinkStaticTest, TooltipTakesTextOnlyOnceEnabled) {
    m_link.SetTipText("Click to visit web site");
    EXPECT_EQ("", LinkTipText(m_hWnd));
    m_link.EnableTip(TRUE);
    m_link.SetTipText("Click to visit web site");
    EXPECT_EQ("Click to visit web site", LinkTipText(m_hWnd));
}
