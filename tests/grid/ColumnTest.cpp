// The grid's columns: adding and removing them, cell geometry, the width policies, and
// dragging borders with the mouse.
#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "../../model/ZNPropertyGridCategory.h"
#include "../../model/ZNPropertyGridProperty.h"
#include "HostDialog.h"
#include "Input.h"

#include <vector>

namespace {

constexpr int kGutterWidth = 18;
constexpr UINT kSizingCursor = 7001;

class CTestGrid : public CZNPropertyGrid
{
public:
    using CZNPropertyGrid::m_Columns;

    std::vector<int> Widths() const
    {
        std::vector<int> widths;
        for (const PropertyGridColumn& column : m_Columns)
            widths.push_back(column.m_nWidth);
        return widths;
    }
};

class ColumnTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool s_bInitialized = false;
        if (!s_bInitialized)
            InitPropertyGridCtrl();
        s_bInitialized = true;
        ASSERT_TRUE(m_host.Create(pgtest::kGridListBoxStyle, {600, 200}));
        ASSERT_TRUE(m_grid.SubclassDlgItem(pgtest::CHostDialog::kListBoxId, &m_host));
    }
    void TearDown() override { m_host.DestroyWindow(); }

    // Resizes the grid so that the columns have nAvailable pixels right of the gutter.
    void SetAvailableWidth(int nAvailable)
    {
        CRect rcWindow;
        CRect rcClient;
        m_grid.GetWindowRect(&rcWindow);
        m_grid.GetClientRect(&rcClient);
        int nFrame = rcWindow.Width() - rcClient.Width();
        m_grid.SetWindowPos(nullptr, 0, 0, kGutterWidth + nAvailable + nFrame, rcWindow.Height(),
                            SWP_NOMOVE | SWP_NOZORDER);
        m_grid.GetClientRect(&rcClient);
        ASSERT_EQ(rcClient.Width() - kGutterWidth, nAvailable);
    }
    // One row to grab borders on.
    void AddRow()
    {
        m_pRoot = m_grid.AddCategory(nullptr, L"Root", L"");
        m_pProperty = m_grid.AddProperty(m_pRoot, L"Name", L"", 1, PGT_TEXT, L"");
        pgtest::PumpMessages();
    }
    // Widths and shares as a host's earlier drags might have left them.
    void SetWidths(const std::vector<int>& widths)
    {
        int nTotal = 0;
        for (int nWidth : widths)
            nTotal += nWidth;
        for (size_t i = 0; i < widths.size(); ++i) {
            m_grid.m_Columns[i].m_nWidth = widths[i];
            m_grid.m_Columns[i].m_dRatio = double(widths[i]) / nTotal;
        }
    }
    int BorderX(int nColumn) const
    {
        int x = kGutterWidth;
        for (int i = 0; i <= nColumn; ++i)
            x += m_grid.m_Columns[i].m_nWidth;
        return x;
    }
    bool DragBorder(int nColumn, int xTo)
    {
        const int y = 9;
        return pgtest::MoveMouse(m_grid, {BorderX(nColumn) - 1, y}) &&
               pgtest::MouseDown(m_grid, {BorderX(nColumn) - 1, y}) &&
               pgtest::MoveMouse(m_grid, {xTo, y}) && pgtest::MouseUp(m_grid, {xTo, y});
    }

    pgtest::CHostDialog m_host;
    CTestGrid m_grid;
    CZNPropertyGridCategory* m_pRoot = nullptr;
    IZNPropertyGridProperty* m_pProperty = nullptr;
};

TEST_F(ColumnTest, AColumnIsAtLeastTheMinimumWideAndSharesTheWidth)
{
    ASSERT_TRUE(m_grid.Initialize(0));
    EXPECT_EQ(m_grid.GetExtendedPropertyGridStyle() & PGS_HIGHLIGHTCELL, 0u);
    EXPECT_EQ(m_grid.AddColumn(10, L"Narrow"), 1);
    EXPECT_EQ(m_grid.Widths(), (std::vector<int>{100, 25}));
    EXPECT_EQ(m_grid.m_Columns[1].m_nPreferredWidth, 25);
    EXPECT_NE(m_grid.GetExtendedPropertyGridStyle() & PGS_HIGHLIGHTCELL, 0u);
    EXPECT_EQ(m_grid.GetHorizontalExtent(), 125 + ::GetSystemMetrics(SM_CXVSCROLL));

    ASSERT_EQ(m_grid.AddColumn(300, L"Wide"), 2);
    EXPECT_DOUBLE_EQ(m_grid.m_Columns[0].m_dRatio, 100.0 / 425);
    EXPECT_DOUBLE_EQ(m_grid.m_Columns[2].m_dRatio, 300.0 / 425);
}

// Grid column c and value slot c - 1 of every category and property stay together.
TEST_F(ColumnTest, ColumnsChangedUnderATreeKeepItsSlotsAligned)
{
    ASSERT_TRUE(m_grid.Initialize(0));
    m_grid.AddColumn(100, L"First");
    m_grid.AddColumn(100, L"Second");
    AddRow();
    CZNPropertyGridCategory* pCategory = m_grid.AddCategory(m_pRoot, L"A", L"");
    IZNPropertyGridProperty* pProperty =
        m_grid.AddProperty(pCategory, L"Name", L"", 2, PGT_TEXT, L"");
    CString strValues[3] = {L"zero", L"one", L"two"};

    std::vector<int> widths = m_grid.Widths();
    ASSERT_EQ(m_grid.AddColumn(50, L"Third"), 3);
    EXPECT_DOUBLE_EQ(m_grid.m_Columns[3].m_dRatio, 50.0 / (widths[0] + widths[1] + widths[2] + 50));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(m_grid.SetPropertyValue(pCategory, pProperty, i, &strValues[i]));
    CString strText;
    EXPECT_TRUE(m_grid.GetCategoryValue(pCategory, 2, strText));
    EXPECT_EQ(strText, L"Third");

    ASSERT_TRUE(m_grid.RemoveColumn(2));
    EXPECT_EQ(m_grid.m_Columns[2].m_strTitle, L"Third");
    ASSERT_TRUE(m_grid.GetPropertyValueAsString(pCategory, pProperty, 1, strText));
    EXPECT_EQ(strText, L"two");
    ASSERT_TRUE(m_grid.GetPropertyValueAsString(pCategory, pProperty, 0, strText));
    EXPECT_EQ(strText, L"zero");
    EXPECT_FALSE(m_grid.SetPropertyValue(pCategory, pProperty, 2, &strValues[0]));
    EXPECT_TRUE(m_grid.GetCategoryValue(pCategory, 1, strText));
    EXPECT_EQ(strText, L"Third");
    EXPECT_FALSE(m_grid.GetCategoryValue(pCategory, 2, strText));
}

TEST_F(ColumnTest, PointsAndCellsFollowTheColumnEdges)
{
    ASSERT_TRUE(m_grid.Initialize(0));
    m_grid.AddColumn(100, L"First");
    AddRow();
    m_grid.m_Columns[0].m_nWidth = 100;
    m_grid.m_Columns[1].m_nWidth = 150;

    EXPECT_EQ(m_grid.ColumnFromPoint({kGutterWidth - 1, 5}), -1);
    EXPECT_EQ(m_grid.ColumnFromPoint({kGutterWidth, 5}), 0);
    EXPECT_EQ(m_grid.ColumnFromPoint({kGutterWidth + 100, 5}), 0); // a border is the left's
    EXPECT_EQ(m_grid.ColumnFromPoint({kGutterWidth + 101, 5}), 1);
    EXPECT_EQ(m_grid.ColumnFromPoint({kGutterWidth + 250, 5}), 1);
    EXPECT_EQ(m_grid.ColumnFromPoint({kGutterWidth + 251, 5}), -1);

    CRect rcCell;
    ASSERT_TRUE(m_grid.ColumnRect(0, 1, &rcCell));
    EXPECT_EQ(rcCell, CRect(kGutterWidth + 100, 0, kGutterWidth + 250, 18));
    EXPECT_FALSE(m_grid.ColumnRect(0, 2, &rcCell));
    EXPECT_FALSE(m_grid.ColumnRect(0, -1, &rcCell));
    EXPECT_FALSE(m_grid.ColumnRect(1, 0, &rcCell));
    EXPECT_FALSE(m_grid.ColumnRect(-1, 0, &rcCell));
    EXPECT_FALSE(m_grid.ColumnRect(0, 0, nullptr));
}

TEST_F(ColumnTest, ProportionalColumnsKeepTheirShareOfTheWidth)
{
    ASSERT_TRUE(m_grid.Initialize(PGS_PROPORTIONALCOLUMNS));
    m_grid.AddColumn(300, L"Value");
    EXPECT_DOUBLE_EQ(m_grid.m_Columns[0].m_dRatio, 0.25);
    EXPECT_DOUBLE_EQ(m_grid.m_Columns[1].m_dRatio, 0.75);
    SetAvailableWidth(400);
    EXPECT_EQ(m_grid.Widths(), (std::vector<int>{100, 300}));
    SetAvailableWidth(800);
    EXPECT_EQ(m_grid.Widths(), (std::vector<int>{200, 600}));
    // Narrower than the preferred widths: each column keeps its preferred width.
    SetAvailableWidth(200);
    EXPECT_EQ(m_grid.Widths(), (std::vector<int>{100, 300}));
}

TEST_F(ColumnTest, FitColumnsStopADragWhereTheOthersReachTheMinimum)
{
    ASSERT_TRUE(m_grid.Initialize(PGS_FITCOLUMNS));
    m_grid.AddColumn(100, L"First");
    m_grid.AddColumn(100, L"Second");
    SetAvailableWidth(300);
    AddRow();
    SetWidths({100, 100, 100});

    ASSERT_TRUE(DragBorder(0, kGutterWidth + 290));
    EXPECT_EQ(m_grid.Widths(), (std::vector<int>{250, 25, 25}));
    EXPECT_EQ(m_grid.TestFlag(PGF_COLUMNDRAG), 0u);
    EXPECT_EQ(::GetCapture(), nullptr);
    // The new widths are the new shares.
    EXPECT_DOUBLE_EQ(m_grid.m_Columns[0].m_dRatio, 250.0 / 300);
}

TEST_F(ColumnTest, FreeColumnsChangeOnlyTheDraggedOne)
{
    ASSERT_TRUE(m_grid.Initialize(0));
    m_grid.AddColumn(100, L"First");
    m_grid.AddColumn(100, L"Second");
    SetAvailableWidth(300);
    AddRow();
    std::vector<int> widths = m_grid.Widths();

    // Left of the column's own left edge: the minimum width.
    ASSERT_TRUE(DragBorder(1, BorderX(0) - 30));
    widths[1] = 25;
    EXPECT_EQ(m_grid.Widths(), widths);

    ASSERT_TRUE(DragBorder(1, BorderX(0) + 60));
    widths[1] = 60;
    EXPECT_EQ(m_grid.Widths(), widths);
    EXPECT_EQ(m_grid.m_Columns[1].m_nPreferredWidth, 100);
}

// The last of proportional columns takes what is left; dragging its border sets its preferred
// width, while the shares are taken from the widths as dragged.
TEST_F(ColumnTest, ProportionalLastColumnFillsTheRestAfterItsDrag)
{
    ASSERT_TRUE(m_grid.Initialize(PGS_PROPORTIONALCOLUMNS));
    m_grid.AddColumn(300, L"Value");
    SetAvailableWidth(400);
    AddRow();
    ASSERT_EQ(m_grid.Widths(), (std::vector<int>{100, 300}));

    ASSERT_TRUE(DragBorder(1, BorderX(0) + 242));
    EXPECT_EQ(m_grid.m_Columns[1].m_nPreferredWidth, 242);
    int nFirst = int(100.0 / 342 * 400);
    EXPECT_EQ(m_grid.Widths(), (std::vector<int>{nFirst, 400 - nFirst}));
}

TEST_F(ColumnTest, CursorSizesOnlyNearABorderOfARow)
{
    ASSERT_TRUE(m_grid.Initialize(0));
    m_grid.AddColumn(100, L"First");
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
        ASSERT_TRUE(pgtest::MoveMouse(m_grid, {nBorder + c.dx, 9}));
        EXPECT_EQ(::GetCursor(), c.bSizing ? hSizing : hArrow);
    }
    // Below the last row there is no border to grab.
    ASSERT_TRUE(pgtest::MoveMouse(m_grid, {nBorder, 60}));
    EXPECT_EQ(::GetCursor(), hArrow);
}

} // namespace
