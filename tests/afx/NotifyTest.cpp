// WM_NOTIFY routing: the parent's ON_NOTIFY entries, reflection to the control that sent it,
// and the tool-tip text callback of the framework's tool tips.
#include <afxcmn.h>
#include <afxstat_.h>
#include <gtest/gtest.h>

#include "Input.h"

#include <vector>

namespace {

constexpr UINT kSingleId = 501;
constexpr UINT kFirstRangedId = 502;
constexpr UINT kLastRangedId = 503;

// Up-down controls report a click on an arrow with UDN_DELTAPOS; a non-zero result refuses the
// change.
class CUpDownParent : public CWnd
{
public:
    BOOL Create()
    {
        return CreateEx(0, nullptr, L"notify", WS_POPUP | WS_VISIBLE, 150, 150, 300, 100, nullptr,
                        nullptr);
    }

    HWND CreateUpDown(UINT nID, int x)
    {
        HWND hUpDown = ::CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, x, 10,
                                         20, 40, m_hWnd, reinterpret_cast<HMENU>(UINT_PTR(nID)),
                                         AfxGetInstanceHandle(), nullptr);
        ::SendMessageW(hUpDown, UDM_SETRANGE32, 0, 10);
        ::SendMessageW(hUpDown, UDM_SETPOS32, 0, 5);
        return hUpDown;
    }

    BOOL m_bRefuse = FALSE;        // what the single control's handler answers
    std::vector<int> m_deltas;     // what the single control's handler saw
    std::vector<UINT> m_rangedIds; // what the range handler saw

protected:
    afx_msg void OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_deltas.push_back(reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta);
        *pResult = m_bRefuse;
    }
    afx_msg void OnRangedDeltaPos(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_rangedIds.push_back(nID);
        *pResult = 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpDownParent, CWnd)
    ON_NOTIFY(UDN_DELTAPOS, kSingleId, &CUpDownParent::OnDeltaPos)
    ON_NOTIFY_RANGE(UDN_DELTAPOS, kFirstRangedId, kLastRangedId, &CUpDownParent::OnRangedDeltaPos)
END_MESSAGE_MAP()

int Position(HWND hUpDown)
{
    return int(::SendMessageW(hUpDown, UDM_GETPOS32, 0, 0));
}

// The upper arrow of a vertical up-down control adds one.
bool ClickUp(HWND hUpDown)
{
    return pgtest::Click(hUpDown, {10, 5});
}

class Notifications : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(parent.Create()); }

    CUpDownParent parent;
};

TEST_F(Notifications, TheParentsHandlerGetsTheHeaderAndSetsTheResult)
{
    HWND hUpDown = parent.CreateUpDown(kSingleId, 10);
    ASSERT_TRUE(ClickUp(hUpDown));
    EXPECT_EQ(parent.m_deltas, std::vector<int>{1});
    EXPECT_EQ(Position(hUpDown), 6);

    parent.m_bRefuse = TRUE;
    ASSERT_TRUE(ClickUp(hUpDown));
    EXPECT_EQ(parent.m_deltas.size(), 2u);
    EXPECT_EQ(Position(hUpDown), 6);
}

TEST_F(Notifications, ARangeHandlerGetsTheSendersId)
{
    HWND hFirst = parent.CreateUpDown(kFirstRangedId, 40);
    HWND hLast = parent.CreateUpDown(kLastRangedId, 70);
    ASSERT_TRUE(ClickUp(hLast));
    ASSERT_TRUE(ClickUp(hFirst));
    EXPECT_EQ(parent.m_rangedIds, (std::vector<UINT>{kLastRangedId, kFirstRangedId}));
}

// Handles its own UDN_DELTAPOS: refuses every change, and lets the parent see it when asked.
class CSelfRefusingUpDown : public CWnd
{
public:
    BOOL m_bLetParentSee = FALSE;
    int m_nSeen = 0;

protected:
    afx_msg BOOL OnDeltaPos(NMHDR*, LRESULT* pResult)
    {
        ++m_nSeen;
        *pResult = TRUE;
        return !m_bLetParentSee;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfRefusingUpDown, CWnd)
    ON_NOTIFY_REFLECT_EX(UDN_DELTAPOS, &CSelfRefusingUpDown::OnDeltaPos)
END_MESSAGE_MAP()

TEST_F(Notifications, TheControlThatSentItMayHandleItFirst)
{
    CSelfRefusingUpDown upDown;
    ASSERT_TRUE(upDown.SubclassWindow(parent.CreateUpDown(kSingleId, 10)));
    ASSERT_TRUE(ClickUp(upDown.m_hWnd));
    EXPECT_EQ(upDown.m_nSeen, 1);
    EXPECT_TRUE(parent.m_deltas.empty());
    EXPECT_EQ(Position(upDown.m_hWnd), 5);

    upDown.m_bLetParentSee = TRUE;
    ASSERT_TRUE(ClickUp(upDown.m_hWnd));
    EXPECT_EQ(upDown.m_nSeen, 2);
    EXPECT_EQ(parent.m_deltas.size(), 1u);
    EXPECT_EQ(Position(upDown.m_hWnd), 6); // the parent's answer came last
}

//---------------------------------------------------------------------------------------------
// Tool tips whose text the framework asks for

constexpr int kButtonId = 77;
constexpr UINT kTipWaitMs = 3000;

class CTippedDialogWnd : public CWnd
{
public:
    HWND m_hAskedFor = nullptr; // the tool whose text was asked for
    BOOL m_bAskedByHandle = FALSE;

protected:
    afx_msg BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        auto* pInfo = reinterpret_cast<NMTTDISPINFO*>(pNMHDR);
        m_hAskedFor = reinterpret_cast<HWND>(pNMHDR->idFrom);
        m_bAskedByHandle = (pInfo->uFlags & TTF_IDISHWND) != 0;
        wcscpy(pInfo->szText, L"button tip");
        *pResult = 0;
        return TRUE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTippedDialogWnd, CWnd)
    ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CTippedDialogWnd::OnNeedText)
END_MESSAGE_MAP()

TEST(ToolTipText, TheOwnersCallbackAnswersForAChildControl)
{
    CTippedDialogWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"tips", WS_POPUP | WS_VISIBLE, 150, 150, 200, 100,
                             nullptr, nullptr));
    CButton button;
    ASSERT_TRUE(button.Create(L"B", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 40),
                              &wnd, kButtonId));
    wnd.EnableToolTips(TRUE);
    ASSERT_TRUE(pgtest::MoveMouse(button.m_hWnd, {20, 10}));
    CToolTipCtrl* pToolTip = AfxGetModuleThreadState()->m_pToolTip;
    ASSERT_NE(pToolTip, nullptr);
    pToolTip->SetDelayTime(TTDT_INITIAL, 1);
    ASSERT_TRUE(pgtest::MoveMouse(button.m_hWnd, {21, 10}));

    // The tip shows after its delay, and asks for its text then.
    for (ULONGLONG tEnd = ::GetTickCount64() + kTipWaitMs;
         !pToolTip->IsWindowVisible() && ::GetTickCount64() < tEnd;)
        pgtest::PumpMessages();
    EXPECT_EQ(wnd.m_hAskedFor, button.m_hWnd);
    EXPECT_TRUE(wnd.m_bAskedByHandle);
    CString strShown;
    pToolTip->GetWindowText(strShown);
    EXPECT_EQ(strShown, L"button tip");
    pToolTip->Pop();
}

} // namespace
