// The absolute and border layouts on worked examples: bands, margins, preferred sizes and
// containers inside containers.
#include "FrameFixture.h"

namespace {

using Dock = CZNFrameLayoutBorder::eZNFrameDock;

class LayoutTest : public pgtest::FrameHostFixture
{
protected:
    // A border container over the client rectangle (0, 0, cx, cy) of the host.
    CZNFrameContainer* Border(int cx, int cy, int nMargin = 0)
    {
        return Container(CZNFrameLayout::FLK_BORDER, CRect(0, 0, cx, cy), nMargin);
    }
    // A window whose preferred size is cx by cy, docked in the border container.
    CZNFrameControlWnd* Docked(CZNFrameContainer* pContainer, int nDock, int cx = 10, int cy = 10)
    {
        CZNFrameControlWnd* pControl = AddWindow(pContainer, CRect(0, 0, cx, cy));
        BorderOf(pContainer)->SetDock(pContainer->GetControlCount() - 1, nDock);
        return pControl;
    }
    static CZNFrameLayoutBorder* BorderOf(CZNFrameContainer* pContainer)
    {
        return static_cast<CZNFrameLayoutBorder*>(pContainer->GetLayout());
    }
    static void Relayout(CZNFrameContainer* pContainer) { pContainer->GetLayout()->RecalcLayout(); }
};

TEST_F(LayoutTest, BorderCentreFillsTheClientAreaLessTheMargins)
{
    CZNFrameContainer* pContainer = Border(200, 100, 11);
    CZNFrameControlWnd* pCentre = AddWindow(pContainer, CRect(0, 0, 5, 5));
    Relayout(pContainer);
    EXPECT_EQ(RectOf(pCentre), CRect(11, 11, 189, 89));
}

TEST_F(LayoutTest, BorderTopBandTakesThePreferredHeightAndTheFullWidth)
{
    CZNFrameContainer* pContainer = Border(200, 100);
    CZNFrameControlWnd* pTop = Docked(pContainer, Dock::FD_TOP, 50, 30);
    CZNFrameControlWnd* pCentre = Docked(pContainer, Dock::FD_CENTER);
    Relayout(pContainer);
    EXPECT_EQ(RectOf(pTop), CRect(0, 0, 200, 30));
    EXPECT_EQ(RectOf(pCentre), CRect(0, 30, 200, 100));
}

TEST_F(LayoutTest, BorderSideBandsTakeThePreferredWidthsAndTheCentreTheRest)
{
    CZNFrameContainer* pContainer = Border(300, 100);
    CZNFrameControlWnd* pLeft = Docked(pContainer, Dock::FD_LEFT, 50, 20);
    CZNFrameControlWnd* pRight = Docked(pContainer, Dock::FD_RIGHT, 40, 20);
    CZNFrameControlWnd* pCentre = Docked(pContainer, Dock::FD_CENTER);
    Relayout(pContainer);
    EXPECT_EQ(RectOf(pLeft), CRect(0, 0, 50, 100));
    EXPECT_EQ(RectOf(pRight), CRect(260, 0, 300, 100));
    EXPECT_EQ(RectOf(pCentre), CRect(50, 0, 260, 100));
}

// Client 300 x 200, margins 5, 6, 7, 8: the area is (5, 6, 293, 192). Two controls of one band
// share it, as high as the higher of them.
TEST_F(LayoutTest, BorderFiveBandsInsideUnequalMargins)
{
    CZNFrameContainer* pContainer = Border(300, 200);
    pContainer->SetMargins(5, 6, 7, 8);
    CZNFrameControlWnd* pCentre = Docked(pContainer, Dock::FD_CENTER);
    CZNFrameControlWnd* pTop = Docked(pContainer, Dock::FD_TOP, 90, 12);
    CZNFrameControlWnd* pTopHigher = Docked(pContainer, Dock::FD_TOP, 20, 20);
    CZNFrameControlWnd* pBottom = Docked(pContainer, Dock::FD_BOTTOM, 10, 30);
    CZNFrameControlWnd* pLeft = Docked(pContainer, Dock::FD_LEFT, 40, 500);
    CZNFrameControlWnd* pRight = Docked(pContainer, Dock::FD_RIGHT, 50, 5);
    Relayout(pContainer);
    EXPECT_EQ(RectOf(pTop), CRect(5, 6, 293, 26));
    EXPECT_EQ(RectOf(pTopHigher), CRect(5, 6, 293, 26));
    EXPECT_EQ(RectOf(pBottom), CRect(5, 162, 293, 192));
    EXPECT_EQ(RectOf(pLeft), CRect(5, 26, 45, 162));
    EXPECT_EQ(RectOf(pRight), CRect(243, 26, 293, 162));
    EXPECT_EQ(RectOf(pCentre), CRect(45, 26, 243, 162));
}

// Without a control in the centre the bottom band still takes its height, and the side bands
// end where it begins.
TEST_F(LayoutTest, BorderBottomBandKeepsItsHeightWithoutACentre)
{
    CZNFrameContainer* pContainer = Border(200, 100);
    CZNFrameControlWnd* pTop = Docked(pContainer, Dock::FD_TOP, 10, 30);
    CZNFrameControlWnd* pBottom = Docked(pContainer, Dock::FD_BOTTOM, 10, 20);
    CZNFrameControlWnd* pLeft = Docked(pContainer, Dock::FD_LEFT, 25, 10);
    Relayout(pContainer);
    EXPECT_EQ(RectOf(pTop), CRect(0, 0, 200, 30));
    EXPECT_EQ(RectOf(pBottom), CRect(0, 80, 200, 100));
    EXPECT_EQ(RectOf(pLeft), CRect(0, 30, 25, 80));
}

TEST_F(LayoutTest, DockValuesFollowTheirControlsThroughInsertionAndRemoval)
{
    CZNFrameContainer* pContainer = Border(200, 100);
    CZNFrameLayoutBorder* pLayout = BorderOf(pContainer);
    CZNFrameControlWnd* pFirst = Docked(pContainer, Dock::FD_TOP);
    CZNFrameControlWnd* pSecond = Docked(pContainer, Dock::FD_LEFT);
    Docked(pContainer, Dock::FD_BOTTOM);
    Docked(pContainer, Dock::FD_RIGHT);

    ASSERT_TRUE(pContainer->RemoveControlAt(1));
    EXPECT_EQ(pLayout->GetDock(0), Dock::FD_TOP);
    EXPECT_EQ(pLayout->GetDock(1), Dock::FD_BOTTOM);
    EXPECT_EQ(pLayout->GetDock(2), Dock::FD_RIGHT);
    EXPECT_EQ(pLayout->GetDock(3), -1);

    // A control inserted anywhere starts in the centre.
    ASSERT_TRUE(pContainer->InsertControl(pSecond, 0));
    EXPECT_EQ(pLayout->GetDock(0), Dock::FD_CENTER);
    EXPECT_EQ(pLayout->GetDock(1), Dock::FD_TOP);
    ASSERT_TRUE(pContainer->RemoveControl(pFirst));
    EXPECT_EQ(pLayout->GetDock(1), Dock::FD_BOTTOM);
    pFirst->Release();

    // Unknown docks and indexes change nothing.
    pLayout->SetDock(0, 5);
    pLayout->SetDock(0, -1);
    pLayout->SetDock(3, Dock::FD_TOP);
    EXPECT_EQ(pLayout->GetDock(0), Dock::FD_CENTER);
    EXPECT_EQ(pLayout->GetDock(3), -1);
}

// A border layout made for a container that already holds controls puts them all in the centre.
TEST_F(LayoutTest, ANewBorderLayoutCentresTheControlsAlreadyThere)
{
    CZNFrameContainer* pContainer = Container(CZNFrameLayout::FLK_ABSOLUTE, CRect(0, 0, 100, 80));
    CZNFrameControlWnd* pFirst = AddWindow(pContainer, CRect(5, 5, 15, 15));
    CZNFrameControlWnd* pSecond = AddWindow(pContainer, CRect(20, 20, 40, 30));
    CZNFrameLayout* pLayout = nullptr;
    ASSERT_TRUE(CreateFrameLayout(CZNFrameLayout::FLK_BORDER, pContainer, &pLayout));
    pContainer->SetLayout(pLayout);
    EXPECT_EQ(BorderOf(pContainer)->GetDock(1), Dock::FD_CENTER);
    Relayout(pContainer);
    EXPECT_EQ(RectOf(pFirst), CRect(0, 0, 100, 80));
    EXPECT_EQ(RectOf(pSecond), CRect(0, 0, 100, 80));

    EXPECT_FALSE(CreateFrameLayout(2, pContainer, &pLayout));
    EXPECT_FALSE(CreateFrameLayout(CZNFrameLayout::FLK_ABSOLUTE, pContainer, nullptr));
}

TEST_F(LayoutTest, AbsoluteMovesTheGroupToTheMarginCornerKeepingItsShape)
{
    CZNFrameContainer* pContainer =
        Container(CZNFrameLayout::FLK_ABSOLUTE, CRect(0, 0, 300, 200), 4);
    CZNFrameControlWnd* pFirst = AddWindow(pContainer, CRect(20, 30, 40, 50));
    CZNFrameControlWnd* pSecond = AddWindow(pContainer, CRect(60, 30, 80, 70));
    Relayout(pContainer);
    EXPECT_EQ(RectOf(pFirst), CRect(4, 4, 24, 24));
    EXPECT_EQ(RectOf(pSecond), CRect(44, 4, 64, 44));

    // The group's bounds: the largest control, or the rectangle all of them cover.
    CRect rcBounds;
    pContainer->GetLayout()->GetBounds(&rcBounds, true);
    EXPECT_EQ(rcBounds, CRect(0, 0, 20, 40));
    pContainer->GetLayout()->GetBounds(&rcBounds, false);
    EXPECT_EQ(rcBounds, CRect(4, 4, 64, 44));
}

// The memo editor's tree: the control sits 11 + 2 pixels inside the outer client area.
TEST_F(LayoutTest, NestedCentreContainersAddTheirMargins)
{
    CZNFrameContainer* pOuter = Border(240, 160, 11);
    CZNFrameContainer* pInner =
        Container(CZNFrameLayout::FLK_BORDER, CRect(0, 0, 240, 160), 2, pOuter);
    pOuter->AddControl(pInner);
    CZNFrameControlWnd* pControl = AddWindow(pInner, CRect(0, 0, 5, 5));
    pOuter->SetRect(0, 0, 240, 160);
    EXPECT_EQ(RectOf(pControl), CRect(2, 2, 216, 136));
    CRect rcControl;
    ::GetWindowRect(pControl->GetControlWindow(), &rcControl);
    pOuter->ScreenToClient(&rcControl);
    EXPECT_EQ(rcControl, CRect(13, 13, 227, 147));
}

// A container in a band is as high as its highest control plus its margins: an inner border
// container with margins 2 around a 20-pixel control takes a top band 24 pixels high.
TEST_F(LayoutTest, AContainerInABandTakesItsContentsHeightAndMargins)
{
    CZNFrameContainer* pOuter = Border(200, 100);
    CZNFrameContainer* pInner =
        Container(CZNFrameLayout::FLK_BORDER, CRect(0, 0, 200, 100), 2, pOuter);
    pOuter->AddControl(pInner);
    BorderOf(pOuter)->SetDock(0, Dock::FD_TOP);
    CZNFrameControlWnd* pCentre = Docked(pOuter, Dock::FD_CENTER);
    CZNFrameControlWnd* pInside = AddWindow(pInner, CRect(0, 0, 50, 20));
    // Offered the full width, the inner container asks for it plus its margins.
    SIZE size = {200, 0};
    pInner->GetPreferredSize(&size, true);
    EXPECT_EQ(CSize(size), CSize(204, 24));

    for (int nPass = 0; nPass < 2; ++nPass) { // the same result when laid out again
        SCOPED_TRACE(nPass);
        pOuter->SetRect(0, 0, 200, 100);
        EXPECT_EQ(pgtest::RectInParent(pInner->m_hWnd), CRect(0, 0, 200, 24));
        EXPECT_EQ(RectOf(pInside), CRect(2, 2, 198, 22));
        EXPECT_EQ(RectOf(pCentre), CRect(0, 24, 200, 100));
    }
}

// An inner absolute container at (60, 30) with margins 3 around a 20 x 10 control measures
// 26 x 16; the outer absolute layout moves it with the other control and gives it that size.
TEST_F(LayoutTest, AContainerInAnAbsoluteLayoutHasTheSizeOfItsContents)
{
    CZNFrameContainer* pOuter = Container(CZNFrameLayout::FLK_ABSOLUTE, CRect(0, 0, 300, 200), 4);
    CZNFrameControlWnd* pFirst = AddWindow(pOuter, CRect(20, 30, 40, 50));
    CZNFrameContainer* pInner =
        Container(CZNFrameLayout::FLK_ABSOLUTE, CRect(60, 30, 160, 130), 3, pOuter);
    pOuter->AddControl(pInner);
    CZNFrameControlWnd* pInside = AddWindow(pInner, CRect(10, 10, 30, 20));
    EXPECT_EQ(RectOf(pInner), CRect(60, 30, 86, 46));

    Relayout(pOuter);
    EXPECT_EQ(RectOf(pFirst), CRect(4, 4, 24, 24));
    EXPECT_EQ(pgtest::RectInParent(pInner->m_hWnd), CRect(44, 4, 70, 20));
    EXPECT_EQ(RectOf(pInside), CRect(3, 3, 23, 13));
}

TEST_F(LayoutTest, PreferredSizes)
{
    CZNFrameContainer* pContainer = Border(200, 100, 5);
    CZNFrameControlWnd* pControl = AddWindow(pContainer, CRect(0, 0, 30, 15));
    // A wrapped window wants the size it had when wrapped, whatever it is offered or given.
    Relayout(pContainer);
    EXPECT_EQ(RectOf(pControl), CRect(5, 5, 195, 95));
    for (SIZE offered : {SIZE{0, 0}, SIZE{500, 400}}) {
        SIZE size = offered;
        pControl->GetPreferredSize(&size, false);
        EXPECT_EQ(CSize(size), CSize(30, 15));
    }
    // A container wants at least what it is offered, with its margins around.
    SIZE size = {0, 0};
    pContainer->GetPreferredSize(&size, true);
    EXPECT_EQ(CSize(size), CSize(200, 100));
    size = {300, 20};
    pContainer->GetPreferredSize(&size, true);
    EXPECT_EQ(CSize(size), CSize(310, 100));
}

} // namespace
