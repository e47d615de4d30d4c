// The grid's columns: adding and removing them, cell geometry, the width policies, and
// dragging borders with the mouse.
#include "GridFixture.h"

namespace {

using pgtest::kGutterWidth;
constexpr UINT kSizingCursor = 7001;

// Each test initializes the grid itself: columns behave differently before the tree exists.
class ColumnTest : public pgtest::GridFixture
{
protected:
    void SetUp() override { ASSERT_TRUE(CreateHost()); }

    std::vector<int> Widths() const
    {
        std::vector<int> widths;
        for (const PropertyGridColumn& column : m_Grid.m_Columns)
            widths.push_back(column.m_nWidth);
        return widths;
    }
    // Resizes the grid so that the columns have nAvailable pixels right of the gutter.
    void SetAvailableWidth(int nAvailable)
    {
        CRect rcWindow;
        CRect rcClient;
        m_Grid.GetWindowRect(&rcWindow);
        m_Grid.GetClientRect(&rcClient);
        int nFrame = rcWindow.Width() - rcClient.Width();
        m_Grid.SetWindowPos(nullptr, 0, 0, kGutterWidth + nAvailable + nFrame, rcWindow.Height(),
                            SWP_NOMOVE | SWP_NOZORDER);
        m_Grid.GetClientRect(&rcClient);
        ASSERT_EQ(rcClient.Width() - kGutterWidth, nAvailable);
    }
    // One row to grab borders on.
    void AddRow()
    {
        AddText(m_pRoot);
        pgtest::PumpMessages();
    }
    // Widths and shares as a host's earlier drags might have left them.
    void SetWidths(const std::vector<int>& widths)
    {
        int nTotal = 0;
        for (int nWidth : widths)
            nTotal += nWidth;
        for (size_t i = 0; i < widths.size(); ++i) {
            m_Grid.m_Columns[i].m_nWidth = widths[i];
            m_Grid.m_Columns[i].m_dRatio = double(widths[i]) / nTotal;
        }
    }
    int BorderX(int nColumn) const
    {
        int x = kGutterWidth;
        for (int i = 0; i <= nColumn; ++i)
            x += m_Grid.m_Columns[i].m_nWidth;
        return x;
    }
    bool DragBorder(int nColumn, int xTo)
    {
        const int y = 9;
        return pgtest::MoveMouse(m_Grid, {BorderX(nColumn) - 1, y}) &&
               pgtest::MouseDown(m_Grid, {BorderX(nColumn) - 1, y}) &&
               pgtest::MoveMouse(m_Grid, {xTo, y}) && pgtest::MouseUp(m_Grid, {xTo, y});
    }
};

TEST_F(ColumnTest, AColumnIsAtLeastTheMinimumWideAndSharesTheWidth)
{
    ASSERT_TRUE(m_Grid.Initialize(0));
    EXPECT_EQ(m_Grid.GetExtendedPropertyGridStyle() & PGS_HIGHLIGHTCELL, 0u);
    EXPECT_EQ(m_Grid.AddColumn(10, L"Narrow"), 1);
    EXPECT_EQ(Widths(), (std::vector<int>{100, 25}));
    EXPECT_EQ(m_Grid.m_Columns[1].m_nPreferredWidth, 25);
    EXPECT_NE(m_Grid.GetExtendedPropertyGridStyle() & PGS_HIGHLIGHTCELL, 0u);
    EXPECT_EQ(m_Grid.GetHorizontalExtent(), 125 + ::GetSystemMetrics(SM_CXVSCROLL));

    ASSERT_EQ(m_Grid.AddColumn(300, L"Wide"), 2);
    EXPECT_DOUBLE_EQ(m_Grid.m_Columns[0].m_dRatio, 100.0 / 425);
    EXPECT_DOUBLE_EQ(m_Grid.m_Columns[2].m_dRatio, 300.0 / 425);
}

// Grid column c and value slot c - 1 of every category and property stay together.
TEST_F(ColumnTest, ColumnsChangedUnderATreeKeepItsSlotsAligned)
{
    ASSERT_TRUE(Initialize());
    AddRow();
    CZNPropertyGridCategory* pCategory = Category(m_pRoot, L"A");
    IZNPropertyGridProperty* pProperty = AddText(pCategory, 2);
    CString strValues[3] = {L"zero", L"one", L"two"};

    std::vector<int> widths = Widths();
    ASSERT_EQ(m_Grid.AddColumn(50, L"Third"), 3);
    EXPECT_DOUBLE_EQ(m_Grid.m_Columns[3].m_dRatio, 50.0 / (widths[0] + widths[1] + widths[2] + 50));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(m_Grid.SetPropertyValue(pCategory, pProperty, i, &strValues[i]));

    ASSERT_TRUE(m_Grid.RemoveColumn(2));
    EXPECT_EQ(m_Grid.m_Columns[2].m_strTitle, L"Third");
    EXPECT_EQ(ValueText(pProperty, 1), L"two");
    EXPECT_EQ(ValueText(pProperty, 0), L"zero");
    EXPECT_FALSE(m_Grid.SetPropertyValue(pCategory, pProperty, 2, &strValues[0]));
    CString strText;
    EXPECT_TRUE(m_Grid.GetCategoryValue(pCategory, 1, strText));
    EXPECT_EQ(strText, L"Third");
}

TEST_F(ColumnTest, PointsAndCellsFollowTheColumnEdges)
{
    ASSERT_TRUE(Initialize(0, {100}));
    AddRow();
    m_Grid.m_Columns[0].m_nWidth = 100;
    m_Grid.m_Columns[1].m_nWidth = 150;

    EXPECT_EQ(m_Grid.ColumnFromPoint({kGutterWidth - 1, 5}), -1);
    EXPECT_EQ(m_Grid.ColumnFromPoint({kGutterWidth, 5}), 0);
    EXPECT_EQ(m_Grid.ColumnFromPoint({kGutterWidth + 100, 5}), 0); // a border is the left's
    EXPECT_EQ(m_Grid.ColumnFromPoint({kGutterWidth + 101, 5}), 1);
    EXPECT_EQ(m_Grid.ColumnFromPoint({kGutterWidth + 250, 5}), 1);
    EXPECT_EQ(m_Grid.ColumnFromPoint({kGutterWidth + 251, 5}), -1);

    CRect rcCell;
    ASSERT_TRUE(m_Grid.ColumnRect(0, 1, &rcCell));
    EXPECT_EQ(rcCell, CRect(kGutterWidth + 100, 0, kGutterWidth + 250, 18));
    EXPECT_FALSE(m_Grid.ColumnRect(0, 2, &rcCell));
    EXPECT_FALSE(m_Grid.ColumnRect(0, -1, &rcCell));
    EXPECT_FALSE(m_Grid.ColumnRect(1, 0, &rcCell));
    EXPECT_FALSE(m_Grid.ColumnRect(-1, 0, &rcCell));
    EXPECT_FALSE(m_Grid.ColumnRect(0, 0, nullptr));
}

TEST_F(ColumnTest, ProportionalColumnsKeepTheirShareOfTheWidth)
{
    ASSERT_TRUE(Initialize(PGS_PROPORTIONALCOLUMNS, {300}));
    EXPECT_DOUBLE_EQ(m_Grid.m_Columns[0].m_dRatio, 0.25);
    EXPECT_DOUBLE_EQ(m_Grid.m_Columns[1].m_dRatio, 0.75);
    SetAvailableWidth(400);
    EXPECT_EQ(Widths(), (std::vector<int>{100, 300}));
    SetAvailableWidth(800);
    EXPECT_EQ(Widths(), (std::vector<int>{200, 600}));
    // Narrower than the preferred widths: each column keeps its preferred width.
    SetAvailableWidth(200);
    EXPECT_EQ(Widths(), (std::vector<int>{100, 300}));
}

TEST_F(ColumnTest, FitColumnsStopADragWhereTheOthersReachTheMinimum)
{
    ASSERT_TRUE(Initialize(PGS_FITCOLUMNS));
    SetAvailableWidth(300);
    AddRow();
    SetWidths({100, 100, 100});

    ASSERT_TRUE(DragBorder(0, kGutterWidth + 290));
    EXPECT_EQ(Widths(), (std::vector<int>{250, 25, 25}));
    EXPECT_EQ(m_Grid.TestFlag(PGF_COLUMNDRAG), 0u);
    EXPECT_EQ(::GetCapture(), nullptr);
    // The new widths are the new shares.
    EXPECT_DOUBLE_EQ(m_Grid.m_Columns[0].m_dRatio, 250.0 / 300);
}

TEST_F(ColumnTest, FreeColumnsChangeOnlyTheDraggedOne)
{
    ASSERT_TRUE(Initialize());
    SetAvailableWidth(300);
    AddRow();
    std::vector<int> widths = Widths();

    // Left of the column's own left edge: the minimum width.
    ASSERT_TRUE(DragBorder(1, BorderX(0) - 30));
    widths[1] = 25;
    EXPECT_EQ(Widths(), widths);

    ASSERT_TRUE(DragBorder(1, BorderX(0) + 60));
    widths[1] = 60;
    EXPECT_EQ(Widths(), widths);
    EXPECT_EQ(m_Grid.m_Columns[1].m_nPreferredWidth, 100);
}

// The last of proportional columns takes what is left; dragging its border sets its preferred
// width, while the shares are taken from the widths as dragged.
TEST_F(ColumnTest, ProportionalLastColumnFillsTheRestAfterItsDrag)
{
    ASSERT_TRUE(Initialize(PGS_PROPORTIONALCOLUMNS, {300}));
    SetAvailableWidth(400);
    AddRow();
    ASSERT_EQ(Widths(), (std::vector<int>{100, 300}));

    ASSERT_TRUE(DragBorder(1, BorderX(0) + 242));
    EXPECT_EQ(m_Grid.m_Columns[1].m_nPreferredWidth, 242);
    int nFirst = int(100.0 / 342 * 400);
    EXPECT_EQ(Widths(), (std::vector<int>{nFirst, 400 - nFirst}));
}

TEST_F(ColumnTest, CursorSizesOnlyNearABorderOfARow)
{
    ASSERT_TRUE(Initialize(0, {100}));
    AddRow();
    HMODULE hModule = ::GetModuleHandleW(L"Tarvex.PropertyGrid.dll");
    HCURSOR hSizing = ::LoadCursorW(hModule, MAKEINTRESOURCEW(kSizingCursor));
    ASSERT_NE(hSizing, nullptr);
    HCURSOR hArrow = ::LoadCursorW(nullptr, IDC_ARROW);

    const int nBorder = BorderX(0);
    struct Case
    {
        int dx;
        bool bSizing;
    };
    for (Case c : {Case{-3, true}, Case{-4, false}, Case{1, true}, Case{2, false}, Case{0, true}}) {
        SCOPED_TRACE(testing::Message() << "border " << c.dx);
        ASSERT_TRUE(pgtest::MoveMouse(m_Grid, {nBorder + c.dx, 9}));
        EXPECT_EQ(::GetCursor(), c.bSizing ? hSizing : hArrow);
    }
    // Below the last row there is no border to grab.
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, {nBorder, 60}));
    EXPECT_EQ(::GetCursor(), hArrow);
}

} // namespace
