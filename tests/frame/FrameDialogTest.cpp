// The frame dialog: its tree follows the client area, the size grip resizes it by the mouse and
// stays in the corner, and WM_SIZING keeps the minimum window size.
#include "FrameFixture.h"

#include <afxcmn.h>

#include <iterator>

namespace {

using pgtest::CTestFrameDialog;
using FrameDialogTest = pgtest::FrameDialogFixture;

// The tree keeps the edit control 11 + 2 pixels inside the client area, and the grip in the
// bottom-right corner.
void ExpectArranged(CTestFrameDialog& dialog)
{
    CRect rcClient;
    dialog.GetClientRect(&rcClient);
    CRect rcEdit;
    ::GetWindowRect(dialog.Edit(), &rcEdit);
    dialog.ScreenToClient(&rcEdit);
    EXPECT_EQ(rcEdit, CRect(13, 13, rcClient.right - 13, rcClient.bottom - 13));
    CRect rcGrip;
    dialog.m_SizeGrip.GetWindowRect(&rcGrip);
    dialog.ScreenToClient(&rcGrip);
    EXPECT_EQ(rcGrip.BottomRight(), rcClient.BottomRight());
}

TEST_F(FrameDialogTest, DraggingTheGripResizesTheDialogAndItsTree)
{
    CTestFrameDialog& dialog = Open();
    ExpectArranged(dialog);
    CRect rcBefore = WindowRect(dialog);
    CRect rcGrip;
    dialog.m_SizeGrip.GetClientRect(&rcGrip);
    CPoint ptGrip = rcGrip.CenterPoint();
    ASSERT_TRUE(pgtest::Drag(dialog.m_SizeGrip, ptGrip, ptGrip + CSize(60, 40)));
    CRect rcAfter = WindowRect(dialog);
    EXPECT_EQ(rcAfter.TopLeft(), rcBefore.TopLeft());
    EXPECT_EQ(rcAfter.Size(), rcBefore.Size() + CSize(60, 40));
    ExpectArranged(dialog);
}

// Dragging the grip towards the top-left corner stops at the minimum window size; with none
// set, the window follows the mouse.
TEST_F(FrameDialogTest, DraggingInwardStopsAtTheMinimumTrackingSize)
{
    CTestFrameDialog& dialog = Open();
    CRect rcGrip;
    dialog.m_SizeGrip.GetClientRect(&rcGrip);
    CPoint ptGrip = rcGrip.CenterPoint();
    CSize sizeStart = WindowRect(dialog).Size();
    ASSERT_TRUE(pgtest::Drag(dialog.m_SizeGrip, ptGrip, ptGrip - CSize(30, 20)));
    EXPECT_EQ(WindowRect(dialog).Size(), sizeStart - CSize(30, 20));

    dialog.m_sizeMin = sizeStart - CSize(50, 40);
    ASSERT_TRUE(pgtest::Drag(dialog.m_SizeGrip, ptGrip, ptGrip - CSize(90, 70)));
    EXPECT_EQ(WindowRect(dialog).Size(), dialog.m_sizeMin);
    ExpectArranged(dialog);
}

// Each dragged edge moves out until the window has the minimum size; the other edges stay.
TEST_F(FrameDialogTest, SizingPushesOnlyTheDraggedEdgesOutToTheMinimum)
{
    CTestFrameDialog& dialog = Open();
    dialog.m_sizeMin = CSize(200, 120);
    const CRect rcSmall(100, 100, 150, 130);
    const CRect expected[] = {
        rcSmall,                   // 0: no edge
        CRect(-50, 100, 150, 130), // WMSZ_LEFT
        CRect(100, 100, 300, 130), // WMSZ_RIGHT
        CRect(100, 10, 150, 130),  // WMSZ_TOP
        CRect(-50, 10, 150, 130),  // WMSZ_TOPLEFT
        CRect(100, 10, 300, 130),  // WMSZ_TOPRIGHT
        CRect(100, 100, 150, 220), // WMSZ_BOTTOM
        CRect(-50, 100, 150, 220), // WMSZ_BOTTOMLEFT
        CRect(100, 100, 300, 220), // WMSZ_BOTTOMRIGHT
        rcSmall,                   // 9: no edge
    };
    for (UINT nEdge = 0; nEdge < std::size(expected); ++nEdge) {
        SCOPED_TRACE(nEdge);
        CRect rc = rcSmall;
        dialog.SendMessage(WM_SIZING, nEdge, reinterpret_cast<LPARAM>(&rc));
        EXPECT_EQ(rc, expected[nEdge]);
        CRect rcLarge(0, 0, 500, 400);
        dialog.SendMessage(WM_SIZING, nEdge, reinterpret_cast<LPARAM>(&rcLarge));
        EXPECT_EQ(rcLarge, CRect(0, 0, 500, 400));
    }
}

TEST_F(FrameDialogTest, AMaximisedDialogHidesItsGripAndFillsItsTree)
{
    CTestFrameDialog& dialog = Open();
    dialog.ShowWindow(SW_MAXIMIZE);
    pgtest::PumpMessages();
    ASSERT_TRUE(dialog.IsZoomed());
    EXPECT_FALSE(dialog.m_SizeGrip.IsWindowVisible());
    CRect rcClient = ClientRect(dialog);
    EXPECT_EQ(pgtest::RectInParent(dialog.m_pContainer->m_hWnd), rcClient);
    CRect rcEdit;
    ::GetWindowRect(dialog.Edit(), &rcEdit);
    dialog.ScreenToClient(&rcEdit);
    EXPECT_EQ(rcEdit, CRect(13, 13, rcClient.right - 13, rcClient.bottom - 13));

    dialog.ShowWindow(SW_RESTORE);
    pgtest::PumpMessages();
    EXPECT_TRUE(dialog.m_SizeGrip.IsWindowVisible());
    ExpectArranged(dialog);
}

// Escape in a multi-line rich edit asks the control's parent, a container, to close: the
// request reaches the dialog, which cancels, and the containers stay as they were.
TEST_F(FrameDialogTest, EscapeInAContainersRichEditCancelsTheDialog)
{
    CTestFrameDialog& dialog = Open();
    ::ShowWindow(dialog.Edit(), SW_HIDE);
    CRichEditCtrl richEdit;
    ASSERT_TRUE(richEdit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN,
                                CRect(20, 20, 120, 80), dialog.m_pInner, 1002));
    ASSERT_TRUE(pgtest::Click(richEdit, CPoint(10, 10)));
    ASSERT_EQ(::GetFocus(), richEdit.m_hWnd);
    ASSERT_TRUE(pgtest::PressKey(VK_ESCAPE));
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_NE(dialog.m_pInner->GetStyle() & WS_VISIBLE, 0u);
    EXPECT_NE(dialog.m_pContainer->GetStyle() & WS_VISIBLE, 0u);
}

} // namespace
