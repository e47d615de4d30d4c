// What the grid shows: gutter, grid lines, cell backgrounds, the highlighted cell, the flat
// frame, and the window colour below the last row.
#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "../../model/ZNPropertyGridCategory.h"
#include "../../model/ZNPropertyGridProperty.h"
#include "HostDialog.h"
#include "Input.h"
#include "WindowCapture.h"

namespace {

constexpr int kGutterWidth = 18;

class CTestGrid : public CZNPropertyGrid
{
public:
    using CZNPropertyGrid::m_nCurrentColumn;
};

COLORREF Lighten(int nAmount, COLORREF cr)
{
    auto up = [nAmount](int b) { return (b + ::MulDiv(255 - b, nAmount, 255)) & 0xFF; };
    return RGB(up(GetRValue(cr)), up(GetGValue(cr)), up(GetBValue(cr)));
}

COLORREF GutterColor()
{
    return Lighten(150, ::GetSysColor(COLOR_HIGHLIGHT));
}

int CountColor(const pgtest::Pixels& pixels, const RECT& rc, COLORREF cr)
{
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            nCount += pixels.At(x, y) == cr;
    return nCount;
}

class GridPaintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool s_bInitialized = false;
        if (!s_bInitialized)
            InitPropertyGridCtrl();
        s_bInitialized = true;
    }
    void TearDown() override { m_host.DestroyWindow(); }

    void Show(DWORD dwExStyle = 0)
    {
        ASSERT_TRUE(m_host.Create(pgtest::kGridListBoxStyle, {320, 160}, dwExStyle));
        ASSERT_TRUE(m_grid.SubclassDlgItem(pgtest::CHostDialog::kListBoxId, &m_host));
        ASSERT_TRUE(m_grid.Initialize(0));
        m_grid.AddColumn(100, L"First");
        m_grid.AddColumn(100, L"Second");
        m_pRoot = m_grid.AddCategory(nullptr, L"Root", L"");
        m_pCategory = m_grid.AddCategory(m_pRoot, L"Category", L"");
        for (int i = 0; i < 3; ++i) {
            m_pProperties[i] = m_grid.AddProperty(m_pCategory, L"Name", L"", 1, PGT_TEXT, L"");
            m_grid.SetPropertyValue(m_pCategory, m_pProperties[i], 0, &m_strValue);
        }
        pgtest::PumpMessages();
    }
    CRect Cell(int nRow, int nColumn)
    {
        CRect rcCell;
        m_grid.ColumnRect(nRow, nColumn, &rcCell);
        return rcCell;
    }
    pgtest::Pixels Capture()
    {
        m_grid.Invalidate(FALSE);
        m_grid.UpdateWindow();
        pgtest::PumpMessages();
        return pgtest::CaptureClient(m_grid);
    }

    pgtest::CHostDialog m_host;
    CTestGrid m_grid;
    CZNPropertyGridCategory* m_pRoot = nullptr;
    CZNPropertyGridCategory* m_pCategory = nullptr;
    IZNPropertyGridProperty* m_pProperties[3] = {};
    CString m_strValue = L"WWWW";
};

TEST_F(GridPaintTest, GutterAndGridLinesTakeTheLightenedHighlight)
{
    Show();
    pgtest::Pixels pixels = Capture();
    CRect rcName = Cell(1, 0);
    CRect rcValue = Cell(1, 1);
    EXPECT_EQ(pixels.At(kGutterWidth / 2, rcName.CenterPoint().y), GutterColor());
    EXPECT_EQ(pixels.At(kGutterWidth - 1, rcName.top), GutterColor());
    // A line below every property row and one at the right end of every cell.
    EXPECT_EQ(pixels.At(rcName.CenterPoint().x, rcName.bottom - 1), GutterColor());
    EXPECT_EQ(pixels.At(rcName.right - 1, rcName.CenterPoint().y), GutterColor());
    EXPECT_EQ(pixels.At(rcValue.right - 1, rcValue.top + 2), GutterColor());
    EXPECT_EQ(pixels.At(rcName.left + 1, rcName.top + 1), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixels.At(rcValue.right - 2, rcValue.top + 1), ::GetSysColor(COLOR_WINDOW));
}

TEST_F(GridPaintTest, CellsWithoutValueAreDarkerAndDisabledTextIsGrey)
{
    Show();
    m_grid.EnableProperty(m_pCategory, m_pProperties[1], 0, false);
    pgtest::Pixels pixels = Capture();

    CRect rcEmpty = Cell(1, 2);
    COLORREF crEmpty = RGB(::MulDiv(GetRValue(::GetSysColor(COLOR_WINDOW)), 235, 255),
                           ::MulDiv(GetGValue(::GetSysColor(COLOR_WINDOW)), 235, 255),
                           ::MulDiv(GetBValue(::GetSysColor(COLOR_WINDOW)), 235, 255));
    EXPECT_EQ(pixels.At(rcEmpty.left + 1, rcEmpty.top + 1), crEmpty);
    EXPECT_EQ(pixels.At(rcEmpty.right - 2, rcEmpty.bottom - 2), crEmpty);

    CRect rcEnabled = Cell(1, 1);
    CRect rcDisabled = Cell(2, 1);
    EXPECT_GT(CountColor(pixels, rcEnabled, ::GetSysColor(COLOR_WINDOWTEXT)), 10);
    EXPECT_EQ(CountColor(pixels, rcEnabled, ::GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_GT(CountColor(pixels, rcDisabled, ::GetSysColor(COLOR_GRAYTEXT)), 10);
    EXPECT_EQ(CountColor(pixels, rcDisabled, ::GetSysColor(COLOR_WINDOWTEXT)), 0);
}

TEST_F(GridPaintTest, CurrentCellOfTheSelectedRowIsHighlighted)
{
    Show();
    for (IZNPropertyGridProperty* pProperty : m_pProperties)
        m_grid.SetPropertyValue(m_pCategory, pProperty, 1, &m_strValue);
    ASSERT_NE(m_grid.GetExtendedPropertyGridStyle() & PGS_HIGHLIGHTCELL, 0u);
    m_grid.SetCurSel(2);
    m_grid.m_nCurrentColumn = 2;
    pgtest::Pixels pixels = Capture();
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);

    CRect rcCurrent = Cell(2, 2);
    EXPECT_EQ(pixels.At(rcCurrent.left + 1, rcCurrent.top + 1), crHighlight);
    EXPECT_GT(CountColor(pixels, rcCurrent, ::GetSysColor(COLOR_HIGHLIGHTTEXT)), 10);
    EXPECT_EQ(pixels.At(Cell(2, 1).left + 1, rcCurrent.top + 1), crWindow);
    EXPECT_EQ(pixels.At(Cell(2, 0).left + 1, rcCurrent.top + 1), crHighlight);
    EXPECT_EQ(pixels.At(Cell(1, 2).left + 1, Cell(1, 2).top + 1), crWindow);
}

TEST_F(GridPaintTest, AClientEdgeBecomesAOnePixelFrameOfHighlight)
{
    Show(WS_EX_CLIENTEDGE);
    EXPECT_EQ(m_grid.GetExStyle() & WS_EX_CLIENTEDGE, 0u);
    EXPECT_NE(m_grid.GetStyle() & WS_BORDER, 0u);
    CRect rcWindow;
    CRect rcClient;
    m_grid.GetWindowRect(&rcWindow);
    m_grid.GetClientRect(&rcClient);
    m_grid.ClientToScreen(&rcClient);
    EXPECT_EQ(rcClient.left - rcWindow.left, 1);
    EXPECT_EQ(rcClient.top - rcWindow.top, 1);

    m_grid.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    pgtest::PumpMessages();
    pgtest::Pixels pixels = pgtest::CaptureWindow(m_grid);
    const COLORREF crFrame = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(pixels.At(0, 0), crFrame);
    EXPECT_EQ(pixels.At(pixels.width / 2, 0), crFrame);
    EXPECT_EQ(pixels.At(0, pixels.height - 1), crFrame);
    EXPECT_EQ(pixels.At(1, pixels.height - 2), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixels.At(1, 20 + kGutterWidth / 2), GutterColor());
}

TEST_F(GridPaintTest, AreaBelowTheLastRowShowsTheWindowColour)
{
    Show();
    pgtest::Pixels pixels = Capture();
    CRect rcLast = Cell(3, 0);
    ASSERT_EQ(pixels.At(kGutterWidth / 2, rcLast.CenterPoint().y), GutterColor());
    EXPECT_EQ(pixels.At(kGutterWidth / 2, rcLast.bottom + 2), ::GetSysColor(COLOR_WINDOW));

    // Collapsing takes rows away; what they showed must not stay behind.
    ASSERT_TRUE(m_grid.ToggleExpand(m_pCategory));
    pixels = pgtest::CaptureClient(m_grid);
    EXPECT_EQ(pixels.At(kGutterWidth / 2, rcLast.CenterPoint().y), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixels.At(rcLast.CenterPoint().x, rcLast.bottom - 1), ::GetSysColor(COLOR_WINDOW));
}

// Rows added while the host's loop does not run show at the first paint all the same.
TEST_F(GridPaintTest, RowsAddedJustBeforeAPaintAreShown)
{
    Show();
    IZNPropertyGridProperty* pProperty =
        m_grid.AddProperty(m_pCategory, L"Name", L"", 1, PGT_TEXT, L"");
    ASSERT_NE(pProperty, nullptr);
    pgtest::Pixels pixels = pgtest::CaptureClient(m_grid);
    EXPECT_EQ(pixels.At(kGutterWidth / 2, Cell(4, 0).CenterPoint().y), GutterColor());
}

} // namespace
