// Dialogs: the modal loop with its dialog keys, modeless creation and data exchange.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "HostDialog.h"
#include "Input.h"

namespace {

constexpr int kEditId = 100;
constexpr UINT_PTR kInputTimer = 1;
// Ends a dialog whose keys went nowhere, so that a broken loop fails instead of hanging.
constexpr UINT_PTR kGiveUpTimer = 2;
constexpr INT_PTR kGaveUp = -2;

pgtest::DialogTemplate EditDialogTemplate(DWORD style)
{
    pgtest::DialogTemplate dialogTemplate(style, 160, 60, L"Edit");
    dialogTemplate.Add(pgtest::DialogItemClass::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 5, 5,
                       150, 14, WORD(kEditId));
    return dialogTemplate;
}

// A modal dialog that, once its loop runs, types some text and presses one key, as a user would.
class CTypingDialog : public CDialog
{
public:
    CTypingDialog(const std::wstring& text, WORD vkFinal) : m_text(text), m_vkFinal(vkFinal) {}

    CEdit m_Edit;
    CString m_strAtOK;
    int m_nOK = 0;
    int m_nCancel = 0;
    HWND m_hWndOwner = nullptr;
    BOOL m_bOwnerEnabledDuringLoop = TRUE;
    int m_nEndInInit = 0; // non-zero: OnInitDialog ends the dialog with this result

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, kEditId, m_Edit);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_nEndInInit != 0)
            EndDialog(m_nEndInInit);
        else
            SetTimer(kInputTimer, 10);
        SetTimer(kGiveUpTimer, 5000);
        return TRUE;
    }
    void OnOK() override
    {
        ++m_nOK;
        m_Edit.GetWindowText(m_strAtOK);
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        ++m_nCancel;
        CDialog::OnCancel();
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        if (nIDEvent == kGiveUpTimer) {
            EndDialog(int(kGaveUp));
            return;
        }
        m_bOwnerEnabledDuringLoop = ::IsWindowEnabled(m_hWndOwner);
        pgtest::TypeText(m_text);
        pgtest::PressKey(m_vkFinal);
    }

    DECLARE_MESSAGE_MAP()

private:
    std::wstring m_text;
    WORD m_vkFinal;
};

BEGIN_MESSAGE_MAP(CTypingDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class ModalDialog : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(owner.Create(pgtest::kGridListBoxStyle, {100, 80})); }

    INT_PTR RunModal(CTypingDialog& dlg)
    {
        dlg.m_hWndOwner = owner.m_hWnd;
        dlg.InitModalIndirect(dialogTemplate.Get(), &owner);
        return dlg.DoModal();
    }

    pgtest::CHostDialog owner;
    pgtest::DialogTemplate dialogTemplate = EditDialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU);
};

TEST_F(ModalDialog, EnterInTheEditReachesOnOKAndEndsWithIDOK)
{
    CTypingDialog dlg(L"typed", VK_RETURN);
    EXPECT_EQ(RunModal(dlg), IDOK);
    EXPECT_EQ(dlg.m_nOK, 1);
    EXPECT_EQ(dlg.m_nCancel, 0);
    EXPECT_EQ(dlg.m_strAtOK, L"typed"); // the edit bound by DDX_Control had the focus
    EXPECT_EQ(dlg.m_hWnd, nullptr);     // the window is gone after the loop
    EXPECT_EQ(dlg.m_Edit.m_hWnd, nullptr);
}

TEST_F(ModalDialog, EscapeReachesOnCancelAndEndsWithIDCANCEL)
{
    CTypingDialog dlg(L"", VK_ESCAPE);
    EXPECT_EQ(RunModal(dlg), IDCANCEL);
    EXPECT_EQ(dlg.m_nCancel, 1);
    EXPECT_EQ(dlg.m_nOK, 0);
}

TEST_F(ModalDialog, OwnerIsDisabledOnlyWhileTheLoopRuns)
{
    CTypingDialog dlg(L"", VK_RETURN);
    RunModal(dlg);
    EXPECT_FALSE(dlg.m_bOwnerEnabledDuringLoop);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(ModalDialog, EndingInOnInitDialogSkipsTheLoopAndKeepsTheResult)
{
    CTypingDialog dlg(L"", VK_RETURN);
    dlg.m_nEndInInit = 42;
    EXPECT_EQ(RunModal(dlg), 42);
    EXPECT_EQ(dlg.m_nOK, 0);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(ModelessDialog, DataExchangeBindsControlsWhenCreated)
{
    pgtest::DialogTemplate dialogTemplate = EditDialogTemplate(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    CTypingDialog dlg(L"", VK_RETURN);
    dlg.m_nEndInInit = 0;
    ASSERT_TRUE(dlg.CreateIndirect(dialogTemplate.Get()));
    EXPECT_EQ(dlg.m_Edit.m_hWnd, ::GetDlgItem(dlg.m_hWnd, kEditId));
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_Edit.m_hWnd), &dlg.m_Edit);
    EXPECT_EQ(::GetWindowLongPtrW(dlg.m_Edit.m_hWnd, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&AfxWndProc));
    dlg.KillTimer(kInputTimer);
    dlg.KillTimer(kGiveUpTimer);
}

TEST(ModelessDialog, AMissingTemplateFailsWithoutAWindow)
{
    CDialog dlg;
    EXPECT_FALSE(dlg.Create(54321));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

} // namespace
