// Window messages that hosts handle through the message map, each brought about as a user or
// the system brings it about, and the arguments the handlers get.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include "Input.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Records what its handlers were given.
class CRecordingWnd : public CWnd
{
public:
    BOOL CreatePopup(CWnd* pOwner = nullptr)
    {
        return CreateEx(0, nullptr, L"recording",
                        WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE, 200, 150, 240, 160,
                        pOwner->GetSafeHwnd(), nullptr);
    }

    CSize m_minTrackSize{0, 0}; // what OnGetMinMaxInfo asks for
    int m_nMouseActivateAnswer = MA_ACTIVATE;
    std::vector<std::wstring> m_log; // handler names with their arguments, in order
    CPoint m_ptMoved{0, 0};
    CPoint m_ptContextMenu{0, 0};
    CWnd* m_pContextMenuWnd = nullptr;
    CWnd* m_pCaptureWnd = reinterpret_cast<CWnd*>(1);
    UINT m_nSetCursorHitTest = 0;
    std::wstring m_strSettingSection;
    std::vector<std::wstring> m_droppedFiles;

    bool Logged(const std::wstring& entry) const
    {
        return std::find(m_log.begin(), m_log.end(), entry) != m_log.end();
    }

protected:
    void Log(const wchar_t* pszFormat, UINT nArgument)
    {
        CString strEntry;
        strEntry.Format(pszFormat, nArgument);
        m_log.push_back(strEntry.GetString());
    }

    afx_msg void OnClose() { m_log.push_back(L"close"); } // the window stays
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    {
        lpMMI->ptMinTrackSize = CPoint(m_minTrackSize.cx, m_minTrackSize.cy);
    }
    afx_msg void OnMove(int x, int y) { m_ptMoved = CPoint(x, y); }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) { Log(L"show %u", bShow); }
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos)
    {
        Log(L"pos cx %u", lpwndpos->cx);
        CWnd::OnWindowPosChanged(lpwndpos); // sends WM_MOVE and WM_SIZE
    }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        Log(L"syscommand %x", nID & 0xFFF0);
        CWnd::OnSysCommand(nID, lParam);
    }
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        Log(L"syskeydown %u", nChar);
        CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
    }
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) { Log(L"syskeyup %u", nChar); }
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point) { Log(L"rdblclk %u", point.x); }
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point) { Log(L"mdown %u", nFlags); }
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point) { Log(L"mup %u", point.y); }
    afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point) { Log(L"mdblclk %u", point.x); }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        m_pContextMenuWnd = pWnd;
        m_ptContextMenu = pos;
    }
    afx_msg void OnCaptureChanged(CWnd* pWnd) { m_pCaptureWnd = pWnd; }
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
    {
        Log(L"mouseactivate %u", nHitTest);
        Log(L"mouseactivate message %x", message);
        return m_nMouseActivateAnswer;
    }
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point)
    {
        Log(L"nclbuttondown %u", nHitTest);
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        m_nSetCursorHitTest = nHitTest;
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    }
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo)
    {
        Log(L"help %u", pHelpInfo->iContextType);
        return TRUE;
    }
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
    {
        m_strSettingSection = lpszSection != nullptr ? lpszSection : L"";
        CWnd::OnSettingChange(uFlags, lpszSection);
    }
    afx_msg void OnSysColorChange()
    {
        m_log.push_back(L"syscolorchange");
        CWnd::OnSysColorChange();
    }
    afx_msg void OnDropFiles(HDROP hDropInfo)
    {
        UINT nFiles = ::DragQueryFileW(hDropInfo, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < nFiles; ++i) {
            wchar_t szFile[MAX_PATH];
            ::DragQueryFileW(hDropInfo, i, szFile, MAX_PATH);
            m_droppedFiles.push_back(szFile);
        }
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
    ON_WM_CLOSE()
    ON_WM_GETMINMAXINFO()
    ON_WM_MOVE()
    ON_WM_SHOWWINDOW()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SYSCOMMAND()
    ON_WM_SYSKEYDOWN()
    ON_WM_SYSKEYUP()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_MBUTTONDOWN()
    ON_WM_MBUTTONUP()
    ON_WM_MBUTTONDBLCLK()
    ON_WM_CONTEXTMENU()
    ON_WM_CAPTURECHANGED()
    ON_WM_MOUSEACTIVATE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_WM_HELPINFO()
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_DROPFILES()
END_MESSAGE_MAP()

std::wstring Entry(const wchar_t* pszFormat, UINT nArgument)
{
    CString strEntry;
    strEntry.Format(pszFormat, nArgument);
    return strEntry.GetString();
}

// The middle button has no helper of the harness: its events at the cursor's position.
void ClickMiddle(HWND hWnd, POINT point)
{
    ASSERT_TRUE(pgtest::MoveMouse(hWnd, point));
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MIDDLEUP;
    ASSERT_EQ(::SendInput(2, inputs, sizeof(INPUT)), 2u);
    pgtest::PumpMessages();
}

class WindowMessages : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(wnd.CreatePopup()); }

    CRecordingWnd wnd;
};

TEST_F(WindowMessages, PlacementReachesTheHandlersWithSignedPositions)
{
    wnd.m_minTrackSize = CSize(150, 120);
    wnd.MoveWindow(-30, -20, 50, 50);
    CRect rcWindow;
    wnd.GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow.Size(), CSize(150, 120)); // the handler's minimum won
    EXPECT_TRUE(wnd.Logged(L"pos cx 150"));
    CPoint ptClient(0, 0);
    wnd.ClientToScreen(&ptClient);
    EXPECT_EQ(wnd.m_ptMoved, ptClient);
    EXPECT_LT(wnd.m_ptMoved.x, 0);

    wnd.ShowWindow(SW_HIDE);
    EXPECT_TRUE(wnd.Logged(L"show 0"));
}

TEST_F(WindowMessages, AltF4GoesFromTheSystemKeyToTheCloseCommand)
{
    ASSERT_TRUE(pgtest::PressKeyWith(VK_MENU, VK_F4));
    EXPECT_TRUE(wnd.Logged(Entry(L"syskeydown %u", VK_F4)));
    EXPECT_TRUE(wnd.Logged(Entry(L"syscommand %x", SC_CLOSE)));
    EXPECT_TRUE(wnd.Logged(L"close"));
    EXPECT_TRUE(wnd.Logged(Entry(L"syskeyup %u", VK_F4)));
    EXPECT_TRUE(wnd.IsWindowVisible());
}

TEST_F(WindowMessages, MouseButtonsReachTheirHandlers)
{
    ASSERT_TRUE(pgtest::RightClick(wnd.m_hWnd, {21, 30}));
    EXPECT_EQ(wnd.m_pContextMenuWnd, &wnd);
    CPoint ptScreen(21, 30);
    wnd.ClientToScreen(&ptScreen);
    EXPECT_EQ(wnd.m_ptContextMenu, ptScreen);
    ASSERT_TRUE(pgtest::RightClick(wnd.m_hWnd, {21, 30}));
    EXPECT_TRUE(wnd.Logged(L"rdblclk 21"));

    ClickMiddle(wnd.m_hWnd, {40, 17});
    EXPECT_TRUE(wnd.Logged(Entry(L"mdown %u", MK_MBUTTON)));
    EXPECT_TRUE(wnd.Logged(L"mup 17"));
    ClickMiddle(wnd.m_hWnd, {40, 17});
    EXPECT_TRUE(wnd.Logged(L"mdblclk 40"));

    ASSERT_TRUE(pgtest::Click(wnd.m_hWnd, {40, -8})); // on the caption
    EXPECT_TRUE(wnd.Logged(Entry(L"nclbuttondown %u", HTCAPTION)));
}

TEST_F(WindowMessages, LosingTheCaptureNamesTheNewHolder)
{
    CRecordingWnd other;
    ASSERT_TRUE(other.CreatePopup());
    wnd.SetCapture();
    other.SetCapture();
    EXPECT_EQ(wnd.m_pCaptureWnd, &other);
    ::ReleaseCapture();
    EXPECT_EQ(other.m_pCaptureWnd, nullptr);
}

TEST_F(WindowMessages, APopupMayRefuseActivationByAClick)
{
    CRecordingWnd popup;
    ASSERT_TRUE(popup.CreatePopup(&wnd));
    popup.SetWindowPos(nullptr, 300, 350, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    wnd.SetForegroundWindow();
    pgtest::PumpMessages();
    popup.m_nMouseActivateAnswer = MA_NOACTIVATE;
    ASSERT_TRUE(pgtest::Click(popup.m_hWnd, {10, 10}));
    EXPECT_TRUE(popup.Logged(Entry(L"mouseactivate %u", HTCLIENT)));
    EXPECT_TRUE(popup.Logged(Entry(L"mouseactivate message %x", WM_LBUTTONDOWN)));
    EXPECT_EQ(::GetActiveWindow(), wnd.m_hWnd);
}

TEST_F(WindowMessages, ADisabledWindowGetsTheSignedErrorHitTest)
{
    wnd.EnableWindow(FALSE);
    ASSERT_TRUE(pgtest::Click(wnd.m_hWnd, {10, 10}));
    EXPECT_EQ(int(wnd.m_nSetCursorHitTest), HTERROR);
}

TEST_F(WindowMessages, F1AsksForHelp)
{
    wnd.SetForegroundWindow();
    ASSERT_TRUE(pgtest::PressKey(VK_F1));
    EXPECT_TRUE(wnd.Logged(Entry(L"help %u", HELPINFO_WINDOW)));
}

TEST_F(WindowMessages, SettingAndColourChangesReachTheChildWindows)
{
    CRecordingWnd child;
    ASSERT_TRUE(child.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, 5, 5, 20, 20, wnd.m_hWnd,
                               nullptr));
    wnd.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_TRUE(wnd.Logged(L"syscolorchange"));
    EXPECT_TRUE(child.Logged(L"syscolorchange"));
    wnd.SendMessage(WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    EXPECT_EQ(wnd.m_strSettingSection, L"intl");
    EXPECT_EQ(child.m_strSettingSection, L"intl");
}

TEST_F(WindowMessages, DroppedFilesArriveAsTheShellsHandle)
{
    const wchar_t szFiles[] = L"C:\\one.txt\0C:\\two.txt\0";
    HGLOBAL hDrop =
        ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + sizeof szFiles);
    auto* pDropFiles = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pDropFiles->pFiles = sizeof(DROPFILES);
    pDropFiles->fWide = TRUE;
    memcpy(pDropFiles + 1, szFiles, sizeof szFiles);
    ::GlobalUnlock(hDrop);
    wnd.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop));
    EXPECT_EQ(wnd.m_droppedFiles, (std::vector<std::wstring>{L"C:\\one.txt", L"C:\\two.txt"}));
    ::GlobalFree(hDrop);
}

//---------------------------------------------------------------------------------------------
// Registered messages

UINT g_nFirstRegistered = ::RegisterWindowMessageW(L"AfxTestFirstRegistered");
UINT g_nSecondRegistered = ::RegisterWindowMessageW(L"AfxTestSecondRegistered");

class CRegisteredWnd : public CWnd
{
protected:
    afx_msg LRESULT OnFirst(WPARAM wParam, LPARAM) { return LRESULT(wParam) + 1; }
    afx_msg LRESULT OnSecond(WPARAM wParam, LPARAM) { return LRESULT(wParam) + 2; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRegisteredWnd, CWnd)
    ON_REGISTERED_MESSAGE(g_nFirstRegistered, &CRegisteredWnd::OnFirst)
    ON_REGISTERED_MESSAGE(g_nSecondRegistered, &CRegisteredWnd::OnSecond)
END_MESSAGE_MAP()

TEST(RegisteredMessages, EachReachesItsOwnHandler)
{
    CRegisteredWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(wnd.SendMessage(g_nFirstRegistered, 10), 11);
    EXPECT_EQ(wnd.SendMessage(g_nSecondRegistered, 10), 12);
    EXPECT_EQ(wnd.SendMessage(::RegisterWindowMessageW(L"AfxTestUnhandled"), 10), 0);
}

//---------------------------------------------------------------------------------------------
// Owner-drawn list boxes: comparisons and typed characters reach the list's object

class CReversedList : public CListBox
{
public:
    UINT m_nCharSeen = 0;

    // Items are numbers: the greater comes first.
    int CompareItem(LPCOMPAREITEMSTRUCT lpCIS) override
    {
        return lpCIS->itemData1 > lpCIS->itemData2 ? -1 : lpCIS->itemData1 < lpCIS->itemData2;
    }
    // A digit selects the item at that position.
    int CharToItem(UINT nKey, UINT) override
    {
        m_nCharSeen = nKey;
        return nKey >= L'0' && nKey <= L'9' ? int(nKey - L'0') : -2;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override {}
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override { lpMIS->itemHeight = 16; }
};

TEST(OwnerDrawList, SortingAndTypingAskTheListsVirtualFunctions)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"list", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150,
                                nullptr, nullptr));
    CReversedList list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_SORT | LBS_WANTKEYBOARDINPUT,
                    CRect(5, 5, 150, 120), &parent, 1));
    for (INT_PTR n : {2, 7, 4})
        list.AddString(reinterpret_cast<LPCTSTR>(n));
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetItemData(0), 7u);
    EXPECT_EQ(list.GetItemData(1), 4u);
    EXPECT_EQ(list.GetItemData(2), 2u);

    parent.SetForegroundWindow();
    list.SetFocus();
    ASSERT_TRUE(pgtest::TypeText(L"2"));
    EXPECT_EQ(list.m_nCharSeen, UINT(L'2'));
    EXPECT_EQ(list.GetCurSel(), 2);
}

} // namespace
