// Message maps, reflection and command routing, driven by real messages and input.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "HostDialog.h"
#include "Input.h"

#include <string>
#include <vector>

namespace {

using pgtest::CHostDialog;

constexpr UINT WM_PROBE = WM_APP + 1;

// A window of the framework's own class whose handlers record what they were given.
class CProbeWnd : public CWnd
{
public:
    CString m_strCreateName;
    UINT m_nSizeType = ~0u;
    CSize m_size{-1, -1};
    CPoint m_ptDown{-1, -1};
    UINT m_nDownFlags = 0;
    WPARAM m_wProbe = 0;
    LPARAM m_lProbe = 0;
    int m_nPostNcDestroy = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        m_strCreateName = lpCreateStruct->lpszName;
        return CWnd::OnCreate(lpCreateStruct);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        m_nSizeType = nType;
        m_size = CSize(cx, cy);
        CWnd::OnSize(nType, cx, cy);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        m_nDownFlags = nFlags;
        m_ptDown = point;
        CWnd::OnLButtonDown(nFlags, point);
    }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM lParam)
    {
        m_wProbe = wParam;
        m_lProbe = lParam;
        return 1234;
    }
    void PostNcDestroy() override { ++m_nPostNcDestroy; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_PROBE, &CProbeWnd::OnProbe)
END_MESSAGE_MAP()

// Its own entry for one message wins; the base's entries still serve the others.
class CDerivedProbeWnd : public CProbeWnd
{
protected:
    afx_msg LRESULT OnDerivedProbe(WPARAM, LPARAM) { return 5678; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbeWnd, CProbeWnd)
    ON_MESSAGE(WM_PROBE, &CDerivedProbeWnd::OnDerivedProbe)
END_MESSAGE_MAP()

BOOL CreateProbe(CWnd& wnd)
{
    return wnd.CreateEx(0, nullptr, L"probe", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr,
                        nullptr);
}

TEST(MessageMap, HandlersGetTheirArgumentsUnpackedAsMfcDoes)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    EXPECT_EQ(wnd.m_strCreateName, L"probe"); // the object had the window from its first message

    wnd.MoveWindow(100, 100, 300, 120);
    EXPECT_EQ(wnd.m_nSizeType, UINT(SIZE_RESTORED));
    EXPECT_EQ(wnd.m_size, CSize(300, 120));

    EXPECT_EQ(wnd.SendMessage(WM_PROBE, 7, -9), 1234);
    EXPECT_EQ(wnd.m_wProbe, 7u);
    EXPECT_EQ(wnd.m_lProbe, -9);

    ASSERT_TRUE(pgtest::Click(wnd.m_hWnd, {20, 30}));
    EXPECT_EQ(wnd.m_ptDown, CPoint(20, 30));
    EXPECT_EQ(wnd.m_nDownFlags, UINT(MK_LBUTTON));
}

TEST(MessageMap, DerivedEntriesComeBeforeTheBaseClassEntries)
{
    CDerivedProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    EXPECT_EQ(wnd.SendMessage(WM_PROBE, 1, 2), 5678);
    EXPECT_EQ(wnd.m_wProbe, 0u);
    wnd.MoveWindow(0, 0, 50, 60);
    EXPECT_EQ(wnd.m_size, CSize(50, 60));
}

TEST(MessageMap, DestroyingTheWindowDetachesTheObjectThenCallsPostNcDestroy)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    HWND hWnd = wnd.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(wnd.m_nPostNcDestroy, 1);
}

TEST(MessageMap, FromHandleGivesTemporaryWrappersUntilIdle)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    HWND hDesktop = ::GetDesktopWindow();
    CWnd* pTemporary = CWnd::FromHandle(hDesktop);
    EXPECT_EQ(pTemporary->m_hWnd, hDesktop);
    EXPECT_EQ(CWnd::FromHandle(hDesktop), pTemporary);
    EXPECT_EQ(CWnd::FromHandlePermanent(hDesktop), nullptr);
    EXPECT_EQ(CWnd::FromHandle(wnd.m_hWnd), &wnd);
    AfxGetThread()->OnIdle(0);
    EXPECT_TRUE(::IsWindow(hDesktop)); // a temporary never destroys the window it wrapped
}

//---------------------------------------------------------------------------------------------
// A subclassed control

class CFilteringEdit : public CEdit
{
public:
    int m_nChars = 0;

protected:
    // Digits are swallowed; everything else reaches the edit control's own procedure.
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++m_nChars;
        if (nChar < L'0' || nChar > L'9')
            CEdit::OnChar(nChar, nRepCnt, nFlags);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFilteringEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

class CEditHost : public CDialog
{
public:
    static constexpr int kEditId = 100;

    BOOL Create()
    {
        pgtest::DialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_VISIBLE, 200, 60);
        dialogTemplate.Add(pgtest::DialogItemClass::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                           5, 5, 150, 14, kEditId);
        if (!CreateIndirect(dialogTemplate.Get()))
            return FALSE;
        SetForegroundWindow();
        pgtest::PumpMessages();
        return TRUE;
    }
};

TEST(Subclassing, ControlKeepsItsOwnBehaviourUnderTheFrameworksHandlers)
{
    CEditHost host;
    ASSERT_TRUE(host.Create());
    CFilteringEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(CEditHost::kEditId, &host));
    edit.SetFocus();

    ASSERT_TRUE(pgtest::TypeText(L"a1b2"));
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_EQ(strText, L"ab");
    EXPECT_EQ(edit.m_nChars, 4);

    HWND hEdit = edit.UnsubclassWindow();
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    ASSERT_TRUE(pgtest::TypeText(L"3"));
    host.GetDlgItemText(CEditHost::kEditId, strText);
    EXPECT_EQ(strText, L"ab3");
    EXPECT_EQ(edit.m_nChars, 4);
}

//---------------------------------------------------------------------------------------------
// Reflection of owner-draw messages and notifications to the control's object

class CReflectingList : public CListBox
{
public:
    int m_nMeasured = 0;
    int m_nDrawn = 0;
    int m_nDeleted = 0;
    int m_nSelChanges = 0;
    BOOL m_bLetParentSee = FALSE;

    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        ++m_nMeasured;
        lpMIS->itemHeight = 20;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override { ++m_nDrawn; }
    void DeleteItem(LPDELETEITEMSTRUCT) override { ++m_nDeleted; }

protected:
    afx_msg BOOL OnSelChange()
    {
        ++m_nSelChanges;
        return !m_bLetParentSee;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingList, CListBox)
    ON_CONTROL_REFLECT_EX(LBN_SELCHANGE, &CReflectingList::OnSelChange)
END_MESSAGE_MAP()

class CNotifiedHost : public CHostDialog
{
public:
    int m_nSelChanges = 0;
    UINT m_nCtlColor = ~0u;
    HWND m_hCtlColorWnd = nullptr;
    CBrush m_brush{RGB(1, 2, 3)};

protected:
    afx_msg void OnListSelChange() { ++m_nSelChanges; }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        m_nCtlColor = nCtlColor;
        m_hCtlColorWnd = pWnd->GetSafeHwnd();
        return m_brush;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifiedHost, CHostDialog)
    ON_LBN_SELCHANGE(CHostDialog::kListBoxId, &CNotifiedHost::OnListSelChange)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Create(pgtest::kGridListBoxStyle, {200, 150}));
        ASSERT_TRUE(list.SubclassDlgItem(CHostDialog::kListBoxId, &host));
        for (int i = 0; i < 3; ++i)
            list.AddString(reinterpret_cast<LPCTSTR>(INT_PTR(i + 1)));
        list.UpdateWindow();
    }

    CNotifiedHost host;
    CReflectingList list;
};

TEST_F(ReflectionTest, OwnerDrawMessagesReachTheListsVirtualFunctions)
{
    EXPECT_EQ(list.m_nMeasured, 3);
    EXPECT_GE(list.m_nDrawn, 3);
    EXPECT_EQ(list.GetItemHeight(1), 20);
    list.DeleteString(0);
    EXPECT_EQ(list.m_nDeleted, 1);
    list.ResetContent();
    EXPECT_EQ(list.m_nDeleted, 3);
}

TEST_F(ReflectionTest, ANotificationTheControlHandlesDoesNotReachTheParent)
{
    ASSERT_TRUE(pgtest::Click(list.m_hWnd, {30, 30})); // second row
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.m_nSelChanges, 1);
    EXPECT_EQ(host.m_nSelChanges, 0);

    list.m_bLetParentSee = TRUE;
    ASSERT_TRUE(pgtest::Click(list.m_hWnd, {30, 50}));
    EXPECT_EQ(list.m_nSelChanges, 2);
    EXPECT_EQ(host.m_nSelChanges, 1);
}

class CColouredList : public CReflectingList
{
public:
    CBrush m_brush{RGB(4, 5, 6)};

protected:
    afx_msg HBRUSH CtlColor(CDC*, UINT) { return m_brush; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColouredList, CReflectingList)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

LRESULT SendListColourMessage(CWnd& host)
{
    HWND hList = ::GetDlgItem(host.m_hWnd, CHostDialog::kListBoxId);
    HDC hDC = ::GetDC(hList);
    LRESULT lResult = host.SendMessage(WM_CTLCOLORLISTBOX, WPARAM(hDC), LPARAM(hList));
    ::ReleaseDC(hList, hDC);
    return lResult;
}

TEST(Reflection, ColourMessagesReachTheParentsHandlerAsOneMessage)
{
    CNotifiedHost host;
    ASSERT_TRUE(host.Create(pgtest::kGridListBoxStyle, {200, 150}));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(SendListColourMessage(host)), HBRUSH(host.m_brush));
    EXPECT_EQ(host.m_nCtlColor, UINT(CTLCOLOR_LISTBOX));
    EXPECT_EQ(host.m_hCtlColorWnd, host.ListBox());
}

TEST(Reflection, WithoutAParentHandlerTheControlChoosesItsColours)
{
    CHostDialog host;
    ASSERT_TRUE(host.Create(pgtest::kGridListBoxStyle, {200, 150}));
    HBRUSH hDialogDefault = reinterpret_cast<HBRUSH>(SendListColourMessage(host));
    EXPECT_NE(hDialogDefault, nullptr);

    CColouredList list;
    ASSERT_TRUE(list.SubclassDlgItem(CHostDialog::kListBoxId, &host));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(SendListColourMessage(host)), HBRUSH(list.m_brush));
}

// An owner-drawn variable list box of the framework whose rows take its own height.
class CMeasuringList : public CListBox
{
public:
    explicit CMeasuringList(UINT nHeight) : m_nHeight(nHeight) {}
    int m_nMeasured = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        ++m_nMeasured;
        lpMIS->itemHeight = m_nHeight;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override {}

private:
    UINT m_nHeight;
};

constexpr DWORD kMeasuredListStyle = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE;

// The measure request names only the control id; a list box deeper down with the same id, even
// one earlier in the window order, does not measure rows of the list box that asks, and a
// plain list box with an id of the framework's list box measures nothing of it.
TEST(Reflection, AMeasureRequestReachesTheListThatAsks)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"lists", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200,
                                nullptr, nullptr));
    // Created first, the panel comes first in the window order.
    CWnd panel;
    ASSERT_TRUE(
        panel.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 140, 190), &parent, 2));
    CMeasuringList nested(33);
    ASSERT_TRUE(nested.Create(kMeasuredListStyle, CRect(0, 0, 130, 180), &panel, 7));
    CMeasuringList list(21);
    ASSERT_TRUE(list.Create(kMeasuredListStyle, CRect(150, 0, 290, 90), &parent, 7));
    ASSERT_EQ(parent.GetDescendantWindow(7, TRUE), &nested);
    HWND hPlain = ::CreateWindowExW(0, L"LISTBOX", L"", kMeasuredListStyle, 150, 100, 140, 90,
                                    parent.m_hWnd, reinterpret_cast<HMENU>(INT_PTR(8)),
                                    ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hPlain, nullptr);

    list.AddString(reinterpret_cast<LPCTSTR>(INT_PTR(1)));
    nested.AddString(reinterpret_cast<LPCTSTR>(INT_PTR(2)));
    EXPECT_EQ(list.GetItemHeight(0), 21);
    EXPECT_EQ(nested.GetItemHeight(0), 33);
    EXPECT_EQ(list.m_nMeasured, 1);
    EXPECT_EQ(nested.m_nMeasured, 1);

    // Inserted from outside the framework's message handling, the row is still the list's.
    ::SendMessageW(list.m_hWnd, LB_INSERTSTRING, 0, 3);
    EXPECT_EQ(list.GetItemHeight(0), 21);

    ::SendMessageW(hPlain, LB_ADDSTRING, 0, 4);
    EXPECT_EQ(list.m_nMeasured, 2);
    EXPECT_EQ(nested.m_nMeasured, 1);
    parent.DestroyWindow();
}

//---------------------------------------------------------------------------------------------
// Commands and their update handlers

constexpr UINT kRunCommand = 40001;
constexpr UINT kPlainCommand = 40002;
constexpr UINT kUnknownCommand = 40003;

class CCommandWnd : public CWnd
{
public:
    BOOL m_bRunAllowed = TRUE;
    int m_nRuns = 0;

protected:
    afx_msg void OnRun() { ++m_nRuns; }
    afx_msg void OnUpdateRun(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bRunAllowed); }
    afx_msg void OnPlain() {}

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
    ON_COMMAND(kRunCommand, &CCommandWnd::OnRun)
    ON_UPDATE_COMMAND_UI(kRunCommand, &CCommandWnd::OnUpdateRun)
    ON_COMMAND(kPlainCommand, &CCommandWnd::OnPlain)
END_MESSAGE_MAP()

TEST(Commands, AMenuCommandRunsOnlyWhileItsUpdateHandlerEnablesIt)
{
    CCommandWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    wnd.SendMessage(WM_COMMAND, kRunCommand);
    EXPECT_EQ(wnd.m_nRuns, 1);
    wnd.m_bRunAllowed = FALSE;
    wnd.SendMessage(WM_COMMAND, kRunCommand);
    EXPECT_EQ(wnd.m_nRuns, 1);
}

TEST(Commands, UpdateEnablesTheControlThatShowsTheCommand)
{
    CCommandWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    CButton button;
    ASSERT_TRUE(button.Create(L"Run", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &wnd, 1));

    CCmdUI state;
    state.m_pOther = &button;
    state.m_nID = kRunCommand;
    wnd.m_bRunAllowed = FALSE;
    EXPECT_TRUE(state.DoUpdate(&wnd, TRUE));
    EXPECT_FALSE(button.IsWindowEnabled());

    // Without an update handler: enabled exactly when some handler takes the command.
    state.m_nID = kPlainCommand;
    EXPECT_FALSE(state.DoUpdate(&wnd, TRUE));
    EXPECT_TRUE(button.IsWindowEnabled());
    state.m_nID = kUnknownCommand;
    state.DoUpdate(&wnd, TRUE);
    EXPECT_FALSE(button.IsWindowEnabled());
}

//---------------------------------------------------------------------------------------------
// Command ranges, handlers that decline, and update handlers that pass the question on

constexpr UINT kFirstRangeCommand = 40100;
constexpr UINT kLastRangeCommand = 40109;
constexpr UINT kDeclinedCommand = 40200;

// The second target of the commands, asked after CRangeWnd declines.
class CFallbackTarget : public CCmdTarget
{
public:
    std::vector<UINT> m_commands; // the commands it ran
    BOOL m_bEnable = TRUE;        // what its update handler says

protected:
    afx_msg void OnAny(UINT nID) { m_commands.push_back(nID); }
    afx_msg void OnUpdateAny(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnable); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFallbackTarget, CCmdTarget)
    ON_COMMAND_RANGE(0, 0xFFFF, &CFallbackTarget::OnAny)
    ON_UPDATE_COMMAND_UI_RANGE(0, 0xFFFF, &CFallbackTarget::OnUpdateAny)
END_MESSAGE_MAP()

class CRangeWnd : public CWnd
{
public:
    CFallbackTarget m_fallback;
    std::vector<UINT> m_commands; // the range commands it ran
    std::vector<UINT> m_declined; // the commands its _EX handler declined
    BOOL m_bContinueRouting = FALSE;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
               m_fallback.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

protected:
    afx_msg void OnRange(UINT nID) { m_commands.push_back(nID); }
    afx_msg BOOL OnDeclining(UINT nID)
    {
        m_declined.push_back(nID);
        return FALSE;
    }
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        if (m_bContinueRouting)
            pCmdUI->ContinueRouting();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRangeWnd, CWnd)
    ON_COMMAND_RANGE(kFirstRangeCommand, kLastRangeCommand, &CRangeWnd::OnRange)
    ON_COMMAND_EX(kDeclinedCommand, &CRangeWnd::OnDeclining)
    ON_UPDATE_COMMAND_UI_RANGE(kFirstRangeCommand, kLastRangeCommand, &CRangeWnd::OnUpdateRange)
END_MESSAGE_MAP()

class CommandRouting : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CreateProbe(wnd)); }

    CRangeWnd wnd;
};

TEST_F(CommandRouting, ARangeHandlerGetsTheCommandsId)
{
    wnd.SendMessage(WM_COMMAND, kFirstRangeCommand + 3);
    wnd.SendMessage(WM_COMMAND, kLastRangeCommand);
    wnd.SendMessage(WM_COMMAND, kLastRangeCommand + 1);
    EXPECT_EQ(wnd.m_commands, (std::vector<UINT>{kFirstRangeCommand + 3, kLastRangeCommand}));
    EXPECT_EQ(wnd.m_fallback.m_commands, std::vector<UINT>{kLastRangeCommand + 1});
}

TEST_F(CommandRouting, AMenuCommandWithIdZeroIsNotRouted)
{
    wnd.SendMessage(WM_COMMAND, 0);
    EXPECT_TRUE(wnd.m_fallback.m_commands.empty());
}

TEST_F(CommandRouting, ADecliningHandlerLetsTheNextTargetRunTheCommand)
{
    wnd.SendMessage(WM_COMMAND, kDeclinedCommand);
    EXPECT_EQ(wnd.m_declined, std::vector<UINT>{kDeclinedCommand});
    EXPECT_EQ(wnd.m_fallback.m_commands, std::vector<UINT>{kDeclinedCommand});
}

TEST_F(CommandRouting, ContinueRoutingLetsTheNextTargetDecideAndIsReset)
{
    CCmdUI state;
    state.m_nID = kFirstRangeCommand;
    wnd.m_bContinueRouting = TRUE;
    wnd.m_fallback.m_bEnable = FALSE;
    EXPECT_TRUE(wnd.OnCmdMsg(kFirstRangeCommand, int(CN_UPDATE_COMMAND_UI), &state, nullptr));
    EXPECT_FALSE(state.m_bContinueRouting);
    // The first target's answer did not count: the command stays disabled and does not run.
    wnd.SendMessage(WM_COMMAND, kFirstRangeCommand);
    EXPECT_TRUE(wnd.m_commands.empty());

    wnd.m_bContinueRouting = FALSE;
    wnd.SendMessage(WM_COMMAND, kFirstRangeCommand);
    EXPECT_EQ(wnd.m_commands, std::vector<UINT>{kFirstRangeCommand});
}

class CButtonsWnd : public CWnd
{
public:
    std::vector<UINT> m_clicked; // ids of the buttons clicked, in order

protected:
    afx_msg void OnButton(UINT nID) { m_clicked.push_back(nID); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CButtonsWnd, CWnd)
    ON_CONTROL_RANGE(BN_CLICKED, 301, 302, &CButtonsWnd::OnButton)
END_MESSAGE_MAP()

TEST(ControlRouting, RangeHandlersGetTheClickedButtonsId)
{
    CButtonsWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd));
    CButton buttons[2];
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(buttons[i].Create(L"B", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                      CRect(10 + 60 * i, 10, 60 + 60 * i, 40), &wnd, 301 + i));
    ASSERT_TRUE(pgtest::Click(buttons[1].m_hWnd, {10, 10}));
    ASSERT_TRUE(pgtest::Click(buttons[0].m_hWnd, {10, 10}));
    EXPECT_EQ(wnd.m_clicked, (std::vector<UINT>{302, 301}));
}

//---------------------------------------------------------------------------------------------
// Notifications of the standard controls, each brought about by the user

enum : UINT
{
    kNotifyingButton = 601,
    kNotifyingEdit,
    kNotifyingList,
    kNotifyingCombo,
    kNotifyingStatic,
};

class CControlsWnd : public CWnd
{
public:
    std::vector<std::wstring> m_heard; // the notifications, in order

    BOOL CreateWithControls()
    {
        if (!CreateProbe(*this))
            return FALSE;
        MoveWindow(100, 100, 400, 200);
        CreateControl(L"BUTTON", BS_PUSHBUTTON | BS_NOTIFY, {10, 10, 80, 30}, kNotifyingButton);
        CreateControl(L"EDIT", WS_BORDER, {10, 40, 100, 60}, kNotifyingEdit);
        HWND hList = CreateControl(L"LISTBOX", LBS_NOTIFY, {120, 10, 200, 80}, kNotifyingList);
        HWND hCombo =
            CreateControl(L"COMBOBOX", CBS_DROPDOWNLIST, {220, 10, 300, 100}, kNotifyingCombo);
        CreateControl(L"STATIC", SS_NOTIFY, {10, 100, 80, 120}, kNotifyingStatic);
        for (LPCTSTR lpszItem : {L"one", L"two"}) {
            ::SendMessageW(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem));
            ::SendMessageW(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem));
        }
        return TRUE;
    }

    HWND Control(UINT nID) const { return ::GetDlgItem(m_hWnd, int(nID)); }

protected:
    HWND CreateControl(LPCTSTR lpszClass, DWORD dwStyle, RECT rc, UINT nID)
    {
        return ::CreateWindowExW(0, lpszClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | dwStyle,
                                 rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, m_hWnd,
                                 reinterpret_cast<HMENU>(UINT_PTR(nID)), AfxGetInstanceHandle(),
                                 nullptr);
    }

    afx_msg void OnButtonDoubleClicked() { m_heard.push_back(L"BN_DOUBLECLICKED"); }
    afx_msg void OnEditSetFocus() { m_heard.push_back(L"EN_SETFOCUS"); }
    afx_msg void OnEditUpdate() { m_heard.push_back(L"EN_UPDATE"); }
    afx_msg void OnListDblClk() { m_heard.push_back(L"LBN_DBLCLK"); }
    afx_msg void OnComboSelChange() { m_heard.push_back(L"CBN_SELCHANGE"); }
    afx_msg void OnStaticClicked() { m_heard.push_back(L"STN_CLICKED"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsWnd, CWnd)
    ON_BN_DOUBLECLICKED(kNotifyingButton, &CControlsWnd::OnButtonDoubleClicked)
    ON_EN_SETFOCUS(kNotifyingEdit, &CControlsWnd::OnEditSetFocus)
    ON_EN_UPDATE(kNotifyingEdit, &CControlsWnd::OnEditUpdate)
    ON_LBN_DBLCLK(kNotifyingList, &CControlsWnd::OnListDblClk)
    ON_CBN_SELCHANGE(kNotifyingCombo, &CControlsWnd::OnComboSelChange)
    ON_STN_CLICKED(kNotifyingStatic, &CControlsWnd::OnStaticClicked)
END_MESSAGE_MAP()

TEST(ControlRouting, NotificationsOfTheStandardControlsReachTheirHandlers)
{
    CControlsWnd wnd;
    ASSERT_TRUE(wnd.CreateWithControls());
    ASSERT_TRUE(pgtest::DoubleClick(wnd.Control(kNotifyingButton), {10, 10}));
    ASSERT_TRUE(pgtest::Click(wnd.Control(kNotifyingEdit), {10, 10}));
    ASSERT_TRUE(pgtest::TypeText(L"a"));
    ASSERT_TRUE(pgtest::DoubleClick(wnd.Control(kNotifyingList), {10, 5}));
    ::SetFocus(wnd.Control(kNotifyingCombo));
    ASSERT_TRUE(pgtest::PressKey(VK_DOWN));
    ASSERT_TRUE(pgtest::Click(wnd.Control(kNotifyingStatic), {10, 10}));
    EXPECT_EQ(wnd.m_heard,
              (std::vector<std::wstring>{L"BN_DOUBLECLICKED", L"EN_SETFOCUS", L"EN_UPDATE",
                                         L"LBN_DBLCLK", L"CBN_SELCHANGE", L"STN_CLICKED"}));
}

} // namespace
