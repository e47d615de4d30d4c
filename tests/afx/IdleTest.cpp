// Idle processing: the thread's message loop, the modal loop's WM_KICKIDLE and the update of
// dialog controls it drives.
#include <afxpriv.h>
#include <gtest/gtest.h>

#include "DialogTemplate.h"

#include <vector>

namespace {

// Quits any loop that is still running after five seconds, so that a broken loop fails.
constexpr UINT kGiveUpAfterMs = 5000;
constexpr int kGaveUp = -2;

void CALLBACK QuitLoop(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(nullptr, nIDEvent);
    ::PostQuitMessage(kGaveUp);
}

// Idle work until count 2, then a message; in the second idle phase, a quit at count 1.
class CIdleThread : public CWinThread
{
public:
    std::vector<LONG> m_counts; // every OnIdle count, in order

    BOOL OnIdle(LONG lCount) override
    {
        m_counts.push_back(lCount);
        if (m_counts.size() == 3) {
            ::PostThreadMessageW(::GetCurrentThreadId(), WM_APP, 0, 0);
            return FALSE;
        }
        if (m_counts.size() == 5)
            ::PostQuitMessage(7);
        return TRUE;
    }
};

TEST(ThreadIdle, OnIdleCountsUpWhileItAsksForMoreAndAgainAfterAMessage)
{
    CIdleThread thread;
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, kGiveUpAfterMs, &QuitLoop);
    EXPECT_EQ(thread.Run(), 7);
    ::KillTimer(nullptr, nTimer);
    EXPECT_EQ(thread.m_counts, (std::vector<LONG>{0, 1, 2, 0, 1}));
}

TEST(ThreadIdle, TheApplicationAsksForExactlyOneMoreIdleCall)
{
    CWinApp* pApp = AfxGetApp();
    EXPECT_TRUE(pApp->OnIdle(0)); // updates the user interface, then frees temporary objects
    EXPECT_FALSE(pApp->OnIdle(1));
}

//---------------------------------------------------------------------------------------------
// The modal loop

enum : WORD
{
    kHandledButton = 200, // its update handler disables it
    kUnhandledButton,     // no handler at all
    kCommandButton,       // a command handler, no update handler
    kUnhandledCheckBox,   // no handler, but check boxes are never disabled for that
};

// Ends itself at the third kick of an idle phase, after updating its controls at the first.
class CKickedDialog : public CDialog
{
public:
    INT_PTR RunModal(CWnd* pParent)
    {
        pgtest::DialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION, 200, 60, L"Kicked");
        for (WORD nID = kHandledButton; nID <= kCommandButton; ++nID)
            dialogTemplate.Add(pgtest::DialogItemClass::Button, BS_PUSHBUTTON | WS_TABSTOP,
                               short(5 + 45 * (nID - kHandledButton)), 5, 40, 14, nID, L"B");
        dialogTemplate.Add(pgtest::DialogItemClass::Button, BS_AUTOCHECKBOX | WS_TABSTOP, 5, 25, 60,
                           12, kUnhandledCheckBox, L"Check");
        InitModalIndirect(dialogTemplate.Get(), pParent);
        return DoModal();
    }

    std::vector<LPARAM> m_kicks;            // the idle counts of WM_KICKIDLE, in order
    std::vector<BOOL> m_enabledAfterUpdate; // the controls' state after the first update

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetTimer(1, kGiveUpAfterMs, nullptr);
        return TRUE;
    }
    afx_msg void OnTimer(UINT_PTR) { EndDialog(kGaveUp); }
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam)
    {
        EXPECT_EQ(wParam, WPARAM(MSGF_DIALOGBOX));
        m_kicks.push_back(lParam);
        if (m_kicks.size() == 1) {
            UpdateDialogControls(this, TRUE);
            for (WORD nID = kHandledButton; nID <= kUnhandledCheckBox; ++nID)
                m_enabledAfterUpdate.push_back(GetDlgItem(nID)->IsWindowEnabled());
        }
        if (lParam < 2)
            return TRUE;
        EndDialog(IDOK);
        return FALSE;
    }
    afx_msg void OnUpdateHandled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnCommandButton() {}

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKickedDialog, CDialog)
    ON_WM_TIMER()
    ON_MESSAGE(WM_KICKIDLE, &CKickedDialog::OnKickIdle)
    ON_UPDATE_COMMAND_UI(kHandledButton, &CKickedDialog::OnUpdateHandled)
    ON_COMMAND(kCommandButton, &CKickedDialog::OnCommandButton)
END_MESSAGE_MAP()

// Hears when a modal loop of one of its popups goes idle.
class CIdleParent : public CWnd
{
public:
    std::vector<UINT> m_reasons; // nWhy of every WM_ENTERIDLE
    HWND m_hIdleWnd = nullptr;   // the window that went idle

protected:
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho)
    {
        m_reasons.push_back(nWhy);
        m_hIdleWnd = pWho->GetSafeHwnd();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleParent, CWnd)
    ON_WM_ENTERIDLE()
END_MESSAGE_MAP()

TEST(ModalIdle, TheDialogIsKickedWithCountsAndItsParentToldOnce)
{
    CIdleParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP | WS_VISIBLE, 50, 50, 300, 200,
                                nullptr, nullptr));
    CKickedDialog dlg;
    ASSERT_EQ(dlg.RunModal(&parent), IDOK);
    // Messages before the last idle phase may have started the counting again.
    ASSERT_GE(dlg.m_kicks.size(), 3u);
    EXPECT_EQ(std::vector<LPARAM>(dlg.m_kicks.end() - 3, dlg.m_kicks.end()),
              (std::vector<LPARAM>{0, 1, 2}));
    EXPECT_EQ(dlg.m_kicks.front(), 0);
    ASSERT_FALSE(parent.m_reasons.empty());
    EXPECT_EQ(parent.m_reasons.front(), UINT(MSGF_DIALOGBOX));
    EXPECT_NE(parent.m_hIdleWnd, nullptr);
}

TEST(ModalIdle, UpdateDialogControlsAsksTheUpdateHandlersAboutEveryControl)
{
    CKickedDialog dlg;
    ASSERT_EQ(dlg.RunModal(nullptr), IDOK);
    // Disabled by its handler; disabled for want of one; enabled by its command handler; a
    // check box is never disabled for want of one.
    EXPECT_EQ(dlg.m_enabledAfterUpdate, (std::vector<BOOL>{FALSE, FALSE, TRUE, TRUE}));
}

} // namespace
