// Tool tips of framework windows: one tool at a time, as the window's hit test describes it.
#include <afxcmn.h>
#include <afxstat_.h>
#include <gtest/gtest.h>

#include "Input.h"

#include <cwchar>

namespace {

// The left half of the client area is tool 10 ("left"), the right half tool 20 ("right").
class CTippedWnd : public CWnd
{
public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
    {
        CRect rc;
        GetClientRect(&rc);
        bool bLeft = point.x < rc.Width() / 2;
        pTI->hwnd = m_hWnd;
        pTI->uId = bLeft ? 10 : 20;
        pTI->rect = bLeft ? CRect(0, 0, rc.Width() / 2, rc.bottom)
                          : CRect(rc.Width() / 2, 0, rc.right, rc.bottom);
        pTI->lpszText = ::_wcsdup(bLeft ? L"left" : L"right");
        return INT_PTR(pTI->uId);
    }
};

UINT_PTR OnlyToolId(CToolTipCtrl* pToolTip)
{
    TOOLINFO ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    if (pToolTip->GetToolCount() != 1 ||
        !pToolTip->SendMessage(TTM_ENUMTOOLS, 0, reinterpret_cast<LPARAM>(&ti)))
        return 0;
    return ti.uId;
}

TEST(ToolTips, TheToolUnderTheMouseIsTheOnlyOneRegistered)
{
    CTippedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"tips", WS_POPUP | WS_VISIBLE, 200, 200, 200, 100,
                             nullptr, nullptr));
    wnd.EnableToolTips(TRUE);

    ASSERT_TRUE(pgtest::MoveMouse(wnd.m_hWnd, {30, 50}));
    CToolTipCtrl* pToolTip = AfxGetModuleThreadState()->m_pToolTip;
    ASSERT_NE(pToolTip, nullptr);
    EXPECT_EQ(pToolTip->GetOwner()->m_hWnd, wnd.m_hWnd);
    EXPECT_EQ(OnlyToolId(pToolTip), 10u);
    CString strText;
    pToolTip->GetText(strText, &wnd, 10);
    EXPECT_EQ(strText, L"left");

    ASSERT_TRUE(pgtest::MoveMouse(wnd.m_hWnd, {150, 50}));
    EXPECT_EQ(OnlyToolId(pToolTip), 20u);
    pToolTip->GetText(strText, &wnd, 20);
    EXPECT_EQ(strText, L"right");
}

TEST(ToolTips, WindowsWithoutToolTipsRegisterNothing)
{
    CTippedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"no tips", WS_POPUP | WS_VISIBLE, 200, 200, 200, 100,
                             nullptr, nullptr));
    ASSERT_TRUE(pgtest::MoveMouse(wnd.m_hWnd, {30, 50}));
    CToolTipCtrl* pToolTip = AfxGetModuleThreadState()->m_pToolTip;
    EXPECT_TRUE(pToolTip == nullptr || pToolTip->GetOwner()->m_hWnd != wnd.m_hWnd);
}

// The tools a host adds itself are fed by the host (RelayEvent in PreTranslateMessage): the
// control must not also subclass the tool's window, or every mouse message would reach it twice.
TEST(ToolTips, AddedToolsLeaveTheWindowsMessagesToTheHost)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"host", WS_POPUP | WS_VISIBLE, 200, 200, 200, 100,
                             nullptr, nullptr));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&wnd));
    ASSERT_TRUE(tip.AddTool(&wnd, L"area", CRect(0, 0, 50, 50), 5));
    LONG_PTR pfnProc = ::GetWindowLongPtrW(wnd.m_hWnd, GWLP_WNDPROC);

    TOOLINFO ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = wnd.m_hWnd;
    ti.uId = 5;
    ASSERT_TRUE(tip.SendMessage(TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(ti.uFlags & TTF_SUBCLASS, 0u);
    EXPECT_EQ(pfnProc, reinterpret_cast<LONG_PTR>(&AfxWndProc));
}

} // namespace
