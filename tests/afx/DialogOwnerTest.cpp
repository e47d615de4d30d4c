// The owners of modal and modeless dialogs and of message boxes, and the windows disabled while
// a modal one runs.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "Input.h"
#include "MainWindowTest.h"
#include "ModalTestSupport.h"

#include <memory>

namespace {

using pgtest::CScriptedDialog;
using pgtest::MessageBoxWatcher;
using pgtest::ShownMessageBox;

HWND OwnerOf(HWND hWnd)
{
    return ::GetWindow(hWnd, GW_OWNER);
}

// A click where the window is, without making its top-level window the foreground window
// first (which the harness does, and which the user cannot do with a disabled window).
void ClickAsTheUserDoes(HWND hWnd, POINT point)
{
    ::ClientToScreen(hWnd, &point);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dx = (2 * point.x + 1) * 65536 / (2 * ::GetSystemMetrics(SM_CXSCREEN));
    inputs[0].mi.dy = (2 * point.y + 1) * 65536 / (2 * ::GetSystemMetrics(SM_CYSCREEN));
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(3, inputs, sizeof(INPUT));
    pgtest::PumpMessages();
}

using DialogOwners = pgtest::MainWindowTest;

TEST_F(DialogOwners, AModalDialogWithoutAParentIsOwnedByTheMainWindowAndDisablesIt)
{
    HWND hOwner = nullptr;
    BOOL bMainEnabled = TRUE;
    CScriptedDialog dlg([&](CScriptedDialog& self) {
        hOwner = OwnerOf(self.m_hWnd);
        bMainEnabled = main.IsWindowEnabled();
        self.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.RunModal(), IDOK);
    EXPECT_EQ(hOwner, main.m_hWnd);
    EXPECT_FALSE(bMainEnabled);
    EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(DialogOwners, ANestedDialogIsOwnedByTheOuterOneAndDisablesIt)
{
    HWND hInnerOwner = nullptr;
    BOOL bOuterEnabledDuringInner = TRUE;
    BOOL bMainEnabledDuringInner = TRUE;
    BOOL bOuterEnabledAfterInner = FALSE;
    BOOL bMainEnabledAfterInner = TRUE;
    HWND hOuter = nullptr;
    CScriptedDialog outer([&](CScriptedDialog& outerDlg) {
        hOuter = outerDlg.m_hWnd;
        CScriptedDialog inner([&](CScriptedDialog& innerDlg) {
            hInnerOwner = OwnerOf(innerDlg.m_hWnd);
            bOuterEnabledDuringInner = outerDlg.IsWindowEnabled();
            bMainEnabledDuringInner = main.IsWindowEnabled();
            innerDlg.EndDialog(IDOK);
        });
        inner.RunModal();
        bOuterEnabledAfterInner = outerDlg.IsWindowEnabled();
        bMainEnabledAfterInner = main.IsWindowEnabled();
        outerDlg.EndDialog(IDOK);
    });
    EXPECT_EQ(outer.RunModal(), IDOK);
    EXPECT_EQ(hInnerOwner, hOuter);
    EXPECT_FALSE(bOuterEnabledDuringInner);
    EXPECT_FALSE(bMainEnabledDuringInner);
    EXPECT_TRUE(bOuterEnabledAfterInner);
    EXPECT_FALSE(bMainEnabledAfterInner);
    EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(DialogOwners, ADialogOfAChildControlIsOwnedByItsTopLevelWindowAndDisablesTheChain)
{
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, L"popup", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100,
                               200, 100, main.m_hWnd, nullptr));
    CButton button;
    ASSERT_TRUE(button.Create(L"B", WS_CHILD | WS_VISIBLE, CRect(5, 5, 50, 25), &popup, 1));

    HWND hWndTop = nullptr;
    EXPECT_EQ(CWnd::GetSafeOwner(&button, &hWndTop), &popup);
    EXPECT_EQ(hWndTop, main.m_hWnd); // the end of the popup's owner chain, now disabled
    EXPECT_FALSE(main.IsWindowEnabled());
    main.EnableWindow(TRUE);

    EXPECT_EQ(CWnd::GetSafeOwner(&main, &hWndTop), &main);
    EXPECT_EQ(hWndTop, nullptr); // the owner itself is not disabled by this
    EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(DialogOwners, AModelessDialogWithoutAParentBelongsToTheMainWindow)
{
    pgtest::DialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 50);
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(dialogTemplate.Get()));
    EXPECT_EQ(OwnerOf(dlg.m_hWnd), main.m_hWnd);
}

TEST_F(DialogOwners, ClickingTheDisabledOwnerBringsTheModalDialogForward)
{
    HWND hForegroundAfterClick = nullptr;
    HWND hDialog = nullptr;
    CScriptedDialog dlg([&](CScriptedDialog& self) {
        hDialog = self.m_hWnd;
        CWnd other;
        other.CreateEx(0, nullptr, L"other", WS_POPUP | WS_VISIBLE, 600, 100, 100, 100, nullptr,
                       nullptr);
        other.SetForegroundWindow();
        pgtest::PumpMessages();
        ClickAsTheUserDoes(main.m_hWnd, {250, 250});
        hForegroundAfterClick = ::GetForegroundWindow();
        self.EndDialog(IDOK);
    });
    dlg.RunModal();
    EXPECT_EQ(hForegroundAfterClick, hDialog);
}

//---------------------------------------------------------------------------------------------
// A frame routing a command

constexpr UINT kOpenDialogCommand = 40500;

class COpeningFrame : public CFrameWnd
{
public:
    HWND m_hDialogOwner = nullptr;

protected:
    afx_msg void OnOpenDialog()
    {
        CScriptedDialog dlg([this](CScriptedDialog& self) {
            m_hDialogOwner = OwnerOf(self.m_hWnd);
            self.EndDialog(IDOK);
        });
        dlg.RunModal();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COpeningFrame, CFrameWnd)
    ON_COMMAND(kOpenDialogCommand, &COpeningFrame::OnOpenDialog)
END_MESSAGE_MAP()

TEST_F(DialogOwners, TheFrameThatRoutesTheCommandOwnsTheDialogItOpens)
{
    auto* pFrame = new COpeningFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, L"second frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CRect(300, 300, 600, 500)));
    pFrame->SendMessage(WM_COMMAND, kOpenDialogCommand);
    EXPECT_EQ(pFrame->m_hDialogOwner, pFrame->m_hWnd);
    pFrame->DestroyWindow();
}

//---------------------------------------------------------------------------------------------
// Message boxes

TEST_F(DialogOwners, AMessageBoxIsOwnedByTheActivePopupAndTitledWithTheApplication)
{
    int nAnswer = 0;
    std::vector<ShownMessageBox> shown;
    HWND hDialog = nullptr;
    CScriptedDialog dlg([&](CScriptedDialog& self) {
        hDialog = self.m_hWnd;
        {
            MessageBoxWatcher watcher(IDNO);
            nAnswer = AfxMessageBox(L"Save the changes?", MB_YESNO);
            shown = watcher.Shown();
        }
        self.EndDialog(IDOK);
    });
    dlg.RunModal();
    EXPECT_EQ(nAnswer, IDNO);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].strText, L"Save the changes?");
    EXPECT_EQ(shown[0].strCaption, L"PropertyGridTests");
    EXPECT_TRUE(shown[0].bQuestionIcon); // a question when the type names no icon
    EXPECT_EQ(shown[0].buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(shown[0].hWndOwner, hDialog);
    EXPECT_TRUE(main.IsWindowEnabled());
}

TEST_F(DialogOwners, AMessageBoxFromAResourceWarnsAndAWindowsOwnBoxAsksNothing)
{
    MessageBoxWatcher watcher;
    EXPECT_EQ(AfxMessageBox(AFX_IDP_PARSE_REAL), IDOK);
    EXPECT_EQ(main.MessageBox(L"plain"), IDOK);
    ASSERT_EQ(watcher.Shown().size(), 2u);
    const ShownMessageBox& fromResource = watcher.Shown()[0];
    EXPECT_EQ(fromResource.strText, L"Please enter a number.");
    EXPECT_TRUE(fromResource.bExclamationIcon);
    EXPECT_EQ(fromResource.hWndOwner, main.m_hWnd);
    const ShownMessageBox& plain = watcher.Shown()[1];
    EXPECT_EQ(plain.strCaption, L"PropertyGridTests");
    EXPECT_FALSE(plain.bExclamationIcon || plain.bQuestionIcon);
    EXPECT_EQ(plain.hWndOwner, main.m_hWnd);
}

} // namespace
