// A frame's menu and accelerators: commands and their update handlers, also routed on to a
// child the frame offers them to (as a host offers Edit commands to a focused control).
#include <afxwin.h>
#include <gtest/gtest.h>

#include "Input.h"

namespace {

constexpr UINT ID_EDIT_UNHANDLED = ID_EDIT_UNDO;

struct CommandLog
{
    int nCopies = 0;
    int nCuts = 0;
    int nPastes = 0;
};

// Takes Paste; the frame offers it every command first.
class CCommandChild : public CWnd
{
public:
    CommandLog* m_pLog = nullptr;

protected:
    afx_msg void OnPaste() { ++m_pLog->nPastes; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandChild, CWnd)
    ON_COMMAND(ID_EDIT_PASTE, &CCommandChild::OnPaste)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
public:
    explicit CTestFrame(CommandLog& log) : m_log(log) { m_child.m_pLog = &log; }

    BOOL CreateWithEditMenu()
    {
        if (!Create(nullptr, L"Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(50, 50, 450, 350)))
            return FALSE;
        CMenu bar;
        CMenu edit;
        bar.CreateMenu();
        edit.CreatePopupMenu();
        edit.AppendMenu(MF_STRING, ID_EDIT_CUT, L"Cu&t\tCtrl+X");
        edit.AppendMenu(MF_STRING, ID_EDIT_COPY, L"&Copy\tCtrl+C");
        edit.AppendMenu(MF_STRING, ID_EDIT_PASTE, L"&Paste\tCtrl+V");
        edit.AppendMenu(MF_SEPARATOR);
        edit.AppendMenu(MF_STRING, ID_EDIT_UNHANDLED, L"&Undo");
        m_hEditMenu = edit.m_hMenu;
        bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(edit.Detach()), L"&Edit");
        SetMenu(&bar);
        bar.Detach(); // the window owns its menu now

        ACCEL accels[] = {{FCONTROL | FVIRTKEY, 'X', ID_EDIT_CUT},
                          {FCONTROL | FVIRTKEY, 'C', ID_EDIT_COPY},
                          {FCONTROL | FVIRTKEY, 'V', ID_EDIT_PASTE}};
        m_hAccelTable = ::CreateAcceleratorTableW(accels, 3);
        return m_child.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, 10, 10, 100, 100,
                                m_hWnd, nullptr);
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        return m_child.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
               CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

    HMENU m_hEditMenu = nullptr;
    CCommandChild m_child;

protected:
    afx_msg void OnCopy() { ++m_log.nCopies; }
    afx_msg void OnCut() { ++m_log.nCuts; }
    afx_msg void OnUpdateCut(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

    DECLARE_MESSAGE_MAP()

private:
    CommandLog& m_log;
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_EDIT_COPY, &CTestFrame::OnCopy)
    ON_COMMAND(ID_EDIT_CUT, &CTestFrame::OnCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CTestFrame::OnUpdateCut)
END_MESSAGE_MAP()

bool IsGrayed(HMENU hMenu, UINT nID)
{
    return (::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

class FrameCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pFrame = new CTestFrame(log);
        ASSERT_TRUE(pFrame->CreateWithEditMenu());
        pFrame->SetForegroundWindow();
        pFrame->SetFocus();
        pgtest::PumpMessages();
    }
    void TearDown() override { pFrame->DestroyWindow(); } // the frame deletes itself

    CommandLog log;
    CTestFrame* pFrame = nullptr;
};

TEST_F(FrameCommands, OpeningAPopupAsksEveryItemsUpdateHandler)
{
    pFrame->SendMessage(WM_INITMENUPOPUP, WPARAM(pFrame->m_hEditMenu), 0);
    EXPECT_TRUE(IsGrayed(pFrame->m_hEditMenu, ID_EDIT_CUT));       // its update handler says so
    EXPECT_FALSE(IsGrayed(pFrame->m_hEditMenu, ID_EDIT_COPY));     // the frame handles it
    EXPECT_FALSE(IsGrayed(pFrame->m_hEditMenu, ID_EDIT_PASTE));    // the child handles it
    EXPECT_TRUE(IsGrayed(pFrame->m_hEditMenu, ID_EDIT_UNHANDLED)); // nobody does
}

TEST_F(FrameCommands, AcceleratorsRunTheCommandsTheirHandlersAllow)
{
    ASSERT_TRUE(pgtest::PressKeyWith(VK_CONTROL, 'C'));
    ASSERT_TRUE(pgtest::PressKeyWith(VK_CONTROL, 'V'));
    ASSERT_TRUE(pgtest::PressKeyWith(VK_CONTROL, 'X'));
    EXPECT_EQ(log.nCopies, 1);
    EXPECT_EQ(log.nPastes, 1);
    EXPECT_EQ(log.nCuts, 0);
}

} // namespace
