// What the grid shows: gutter, grid lines, cell backgrounds and check boxes, the highlighted
// cell, category rows and their glyphs, the flat frame, and the window colour below the last row.
#include "GridFixture.h"
#include "WindowCapture.h"

#include <functional>

namespace {

using pgtest::kGutterWidth;
constexpr int kGlyphSize = 9;

// The colour arithmetic of the rows, written out from its definition.
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

// The visual-styles library, reached at run time as the grid does; loaded once for the process.
FARPROC ThemeProc(const char* pszName)
{
    static HMODULE s_hTheme = ::LoadLibraryW(L"uxtheme.dll");
    return s_hTheme == nullptr ? nullptr : ::GetProcAddress(s_hTheme, pszName);
}

bool IsThemed()
{
    auto pIsAppThemed = reinterpret_cast<BOOL(WINAPI*)()>(ThemeProc("IsAppThemed"));
    return pIsAppThemed != nullptr && pIsAppThemed() == 1;
}

// Draws a part of a visual-styles class as the system draws it.
void DrawThemed(HWND hWnd, const wchar_t* pszClass, int nPart, int nState, HDC hDC, const RECT& rc)
{
    auto pOpen = reinterpret_cast<HANDLE(WINAPI*)(HWND, LPCWSTR)>(ThemeProc("OpenThemeData"));
    auto pClose = reinterpret_cast<HRESULT(WINAPI*)(HANDLE)>(ThemeProc("CloseThemeData"));
    auto pDraw =
        reinterpret_cast<HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*)>(
            ThemeProc("DrawThemeBackground"));
    HANDLE hTheme = pOpen(hWnd, pszClass);
    ASSERT_NE(hTheme, nullptr);
    pDraw(hTheme, hDC, nPart, nState, &rc, nullptr);
    pClose(hTheme);
}

// How many pixels of an area of the screen differ from what draw paints over the background.
int CountDifferences(const pgtest::Pixels& screen, const RECT& rcArea, COLORREF crBackground,
                     const std::function<void(HDC, RECT&)>& draw)
{
    CRect rc(0, 0, rcArea.right - rcArea.left, rcArea.bottom - rcArea.top);
    BITMAPINFO info = {};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), rc.Width(), -rc.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    ::SetBkColor(hDC, crBackground);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    draw(hDC, rc);
    int nDifferent = 0;
    for (int y = 0; y < rc.Height(); ++y)
        for (int x = 0; x < rc.Width(); ++x)
            nDifferent += screen.At(rcArea.left + x, rcArea.top + y) != ::GetPixel(hDC, x, y);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
    return nDifferent;
}

// Row 0 is a category, rows 1 to 3 its properties with a text in the first value column.
class GridPaintTest : public pgtest::GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        AddRows();
    }
    void AddRows()
    {
        m_pCategory = Category(m_pRoot, L"Category");
        for (IZNPropertyGridProperty*& pProperty : m_pProperties)
            pProperty = Add(PGT_TEXT, 1, &m_strValue);
        pgtest::PumpMessages();
    }
    pgtest::Pixels Capture()
    {
        m_Grid.Invalidate(FALSE);
        m_Grid.UpdateWindow();
        pgtest::PumpMessages();
        return pgtest::CaptureClient(m_Grid);
    }

    IZNPropertyGridProperty* m_pProperties[3] = {};
    CString m_strValue = L"WWWW";
};

TEST_F(GridPaintTest, GutterAndGridLinesTakeTheLightenedHighlight)
{
    pgtest::Pixels pixels = Capture();
    CRect rcName = CellRect(1, 0);
    CRect rcValue = CellRect(1, 1);
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
    m_Grid.EnableProperty(m_pCategory, m_pProperties[1], 0, false);
    pgtest::Pixels pixels = Capture();

    // 20/255 darker than the window.
    CRect rcEmpty = CellRect(1, 2);
    COLORREF crEmpty = RGB(::MulDiv(GetRValue(::GetSysColor(COLOR_WINDOW)), 235, 255),
                           ::MulDiv(GetGValue(::GetSysColor(COLOR_WINDOW)), 235, 255),
                           ::MulDiv(GetBValue(::GetSysColor(COLOR_WINDOW)), 235, 255));
    EXPECT_EQ(pixels.At(rcEmpty.left + 1, rcEmpty.top + 1), crEmpty);
    EXPECT_EQ(pixels.At(rcEmpty.right - 2, rcEmpty.bottom - 2), crEmpty);

    CRect rcEnabled = CellRect(1, 1);
    CRect rcDisabled = CellRect(2, 1);
    EXPECT_GT(CountColor(pixels, rcEnabled, ::GetSysColor(COLOR_WINDOWTEXT)), 10);
    EXPECT_EQ(CountColor(pixels, rcEnabled, ::GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_GT(CountColor(pixels, rcDisabled, ::GetSysColor(COLOR_GRAYTEXT)), 10);
    EXPECT_EQ(CountColor(pixels, rcDisabled, ::GetSysColor(COLOR_WINDOWTEXT)), 0);
}

// A mixed box: the theme's own mixed state, or classically the checked look.
TEST_F(GridPaintTest, AMixedCheckBoxLooksAsTheSystemDrawsIt)
{
    m_Grid.SetPropertyCheckBoxState(m_pCategory, m_pProperties[0], 0, PGCB_MIXED);
    pgtest::Pixels pixels = Capture();
    EXPECT_EQ(CountDifferences(pixels, CheckBox(1, 1), ::GetSysColor(COLOR_WINDOW),
                               [&](HDC hDC, RECT& rc) {
                                   if (IsThemed())
                                       DrawThemed(m_Grid, L"BUTTON", 3, 9, hDC, rc);
                                   else
                                       ::DrawFrameControl(hDC, &rc, DFC_BUTTON,
                                                          DFCS_CHECKED | DFCS_FLAT);
                               }),
              0);
}

TEST_F(GridPaintTest, CurrentCellOfTheSelectedRowIsHighlighted)
{
    for (IZNPropertyGridProperty* pProperty : m_pProperties)
        m_Grid.SetPropertyValue(m_pCategory, pProperty, 1, &m_strValue);
    ASSERT_NE(m_Grid.GetExtendedPropertyGridStyle() & PGS_HIGHLIGHTCELL, 0u);
    m_Grid.SetCurSel(2);
    m_Grid.m_nCurrentColumn = 2;
    pgtest::Pixels pixels = Capture();
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);

    CRect rcCurrent = CellRect(2, 2);
    EXPECT_EQ(pixels.At(rcCurrent.left + 1, rcCurrent.top + 1), crHighlight);
    EXPECT_GT(CountColor(pixels, rcCurrent, ::GetSysColor(COLOR_HIGHLIGHTTEXT)), 10);
    EXPECT_EQ(pixels.At(CellRect(2, 1).left + 1, rcCurrent.top + 1), crWindow);
    EXPECT_EQ(pixels.At(CellRect(2, 0).left + 1, rcCurrent.top + 1), crHighlight);
    EXPECT_EQ(pixels.At(CellRect(1, 2).left + 1, CellRect(1, 2).top + 1), crWindow);
}

TEST_F(GridPaintTest, CategoryRowsLightenWithDepth)
{
    CZNPropertyGridCategory* pInner = Category(m_pCategory, L"Inner");
    AddText(pInner);
    pgtest::Pixels pixels = Capture();
    for (int nDepth : {1, 2}) {
        CRect rcCell = CellRect(m_Grid.ComputeListIndex(nDepth == 1 ? m_pCategory : pInner), 2);
        // Right of the column text, above any letter.
        EXPECT_EQ(pixels.At(rcCell.right - 3, rcCell.top + 1), Lighten(10 * nDepth, GutterColor()))
            << "depth " << nDepth;
    }
}

TEST_F(GridPaintTest, GlyphShowsTheStateAndOnlyItsBoxToggles)
{
    CRect rcRow;
    m_Grid.GetItemRect(0, &rcRow);
    CRect rcArea(rcRow.left + 1, rcRow.top + 1, rcRow.left + kGutterWidth, rcRow.bottom);
    CPoint ptBox(rcArea.left + (rcArea.Width() - kGlyphSize) / 2,
                 rcArea.top + (rcArea.Height() - kGlyphSize) / 2);

    auto expectGlyph = [&](bool bCollapsed) {
        SCOPED_TRACE(bCollapsed ? "collapsed" : "expanded");
        pgtest::Pixels pixels = pgtest::CaptureClient(m_Grid);
        if (IsThemed()) {
            EXPECT_EQ(CountDifferences(pixels, rcArea, GutterColor(),
                                       [&](HDC hDC, RECT& rc) {
                                           DrawThemed(m_Grid, L"TREEVIEW", 2, bCollapsed ? 1 : 2,
                                                      hDC, rc);
                                       }),
                      0);
            return;
        }
        // A grey box with a minus in the window-text colour, and a plus when collapsed.
        COLORREF crBox = ::GetSysColor(COLOR_GRAYTEXT), crSign = ::GetSysColor(COLOR_WINDOWTEXT);
        for (int i = 0; i < kGlyphSize; ++i) {
            EXPECT_EQ(pixels.At(ptBox.x + i, ptBox.y), crBox);
            EXPECT_EQ(pixels.At(ptBox.x + i, ptBox.y + kGlyphSize - 1), crBox);
            EXPECT_EQ(pixels.At(ptBox.x, ptBox.y + i), crBox);
            EXPECT_EQ(pixels.At(ptBox.x + kGlyphSize - 1, ptBox.y + i), crBox);
        }
        for (int i = 1; i < 8; ++i) {
            bool bMinus = i >= 2 && i < 7, bPlus = bCollapsed && bMinus;
            EXPECT_EQ(pixels.At(ptBox.x + i, ptBox.y + 4), bMinus ? crSign : GutterColor());
            if (i != 4) {
                EXPECT_EQ(pixels.At(ptBox.x + 4, ptBox.y + i), bPlus ? crSign : GutterColor());
            }
        }
    };

    expectGlyph(false);
    ASSERT_TRUE(pgtest::Click(m_Grid, ptBox + CPoint(4, 4)));
    EXPECT_FALSE(m_pCategory->IsExpanded());
    EXPECT_EQ(m_Grid.GetCount(), 1);
    expectGlyph(true);
    // Inside the glyph's area but outside its box, nothing happens.
    ASSERT_TRUE(pgtest::Click(m_Grid, CPoint(rcArea.left + 1, rcArea.bottom - 2)));
    EXPECT_EQ(m_Grid.GetCount(), 1);
    ASSERT_TRUE(pgtest::DoubleClick(m_Grid, CPoint(rcRow.left + 60, rcRow.CenterPoint().y)));
    EXPECT_TRUE(m_pCategory->IsExpanded());
    EXPECT_EQ(m_Grid.GetCount(), 4);
}

// Paged to the right, the glyph leaves the view with its row: a click where it was toggles
// nothing, and back at the left edge it toggles again.
TEST_F(GridPaintTest, AGlyphScrolledOutOfViewTogglesNothing)
{
    m_Host.DestroyWindow();
    ASSERT_TRUE(CreateHost() && Initialize(0, {400, 400}));
    AddRows();
    CRect rcRow;
    m_Grid.GetItemRect(0, &rcRow);
    CPoint ptGlyph(rcRow.left + 1 + (kGutterWidth - 1) / 2, rcRow.CenterPoint().y);

    m_Grid.SendMessage(WM_HSCROLL, SB_PAGERIGHT);
    pgtest::PumpMessages();
    ASSERT_GT(m_Grid.GetScrollPos(SB_HORZ), kGutterWidth);
    ASSERT_TRUE(pgtest::Click(m_Grid, ptGlyph));
    EXPECT_TRUE(m_pCategory->IsExpanded());
    EXPECT_EQ(m_Grid.GetCount(), 4);

    m_Grid.SendMessage(WM_HSCROLL, SB_LEFT);
    pgtest::PumpMessages();
    ASSERT_TRUE(pgtest::Click(m_Grid, ptGlyph));
    EXPECT_FALSE(m_pCategory->IsExpanded());
}

TEST_F(GridPaintTest, AClientEdgeBecomesAOnePixelFrameOfHighlight)
{
    m_Host.DestroyWindow();
    ASSERT_TRUE(CreateHost(WS_EX_CLIENTEDGE) && Initialize());
    AddRows();
    EXPECT_EQ(m_Grid.GetExStyle() & WS_EX_CLIENTEDGE, 0u);
    EXPECT_NE(m_Grid.GetStyle() & WS_BORDER, 0u);
    CRect rcWindow;
    CRect rcClient;
    m_Grid.GetWindowRect(&rcWindow);
    m_Grid.GetClientRect(&rcClient);
    m_Grid.ClientToScreen(&rcClient);
    EXPECT_EQ(rcClient.left - rcWindow.left, 1);
    EXPECT_EQ(rcClient.top - rcWindow.top, 1);

    m_Grid.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    pgtest::PumpMessages();
    pgtest::Pixels pixels = pgtest::CaptureWindow(m_Grid);
    const COLORREF crFrame = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(pixels.At(0, 0), crFrame);
    EXPECT_EQ(pixels.At(pixels.width / 2, 0), crFrame);
    EXPECT_EQ(pixels.At(0, pixels.height - 1), crFrame);
    EXPECT_EQ(pixels.At(1, pixels.height - 2), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixels.At(1, 20 + kGutterWidth / 2), GutterColor());
}

TEST_F(GridPaintTest, AreaBelowTheLastRowShowsTheWindowColour)
{
    pgtest::Pixels pixels = Capture();
    CRect rcLast = CellRect(3, 0);
    ASSERT_EQ(pixels.At(kGutterWidth / 2, rcLast.CenterPoint().y), GutterColor());
    EXPECT_EQ(pixels.At(kGutterWidth / 2, rcLast.bottom + 2), ::GetSysColor(COLOR_WINDOW));

    // Collapsing takes rows away; what they showed must not stay behind.
    ASSERT_TRUE(m_Grid.ToggleExpand(m_pCategory));
    pixels = pgtest::CaptureClient(m_Grid);
    EXPECT_EQ(pixels.At(kGutterWidth / 2, rcLast.CenterPoint().y), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixels.At(rcLast.CenterPoint().x, rcLast.bottom - 1), ::GetSysColor(COLOR_WINDOW));
}

// How many pixels of an area are not the window colour.
int CountNotWindow(const pgtest::Pixels& pixels, const RECT& rc)
{
    return (rc.right - rc.left) * (rc.bottom - rc.top) -
           CountColor(pixels, rc, ::GetSysColor(COLOR_WINDOW));
}

// A category holding only categories shows a bare strip; where a collapse moves it up, nothing
// of the rows that were there before stays visible.
TEST_F(GridPaintTest, ABareCategoryRowLeavesNothingOfEarlierRowsBehind)
{
    CZNPropertyGridCategory* pBare = Category(m_pRoot, L"Bare");
    AddText(Category(pBare, L"Inner"));
    Capture();
    ASSERT_TRUE(m_Grid.ToggleExpand(m_pCategory));
    ASSERT_EQ(m_Grid.ComputeListIndex(pBare), 1);
    pgtest::Pixels pixels = pgtest::CaptureClient(m_Grid);
    CRect rcRow;
    m_Grid.GetItemRect(1, &rcRow);
    rcRow.left += kGutterWidth;
    EXPECT_EQ(CountNotWindow(pixels, rcRow), 0);
}

// The last column fills the width; dragging its border to the left leaves the window colour
// where the column was.
TEST_F(GridPaintTest, NarrowingAColumnLeavesNothingRightOfIt)
{
    CRect rcLast = CellRect(1, 2);
    Capture();
    int y = rcLast.CenterPoint().y;
    ASSERT_TRUE(pgtest::MoveMouse(m_Grid, {rcLast.right - 1, y}) &&
                pgtest::MouseDown(m_Grid, {rcLast.right - 1, y}) &&
                pgtest::MoveMouse(m_Grid, {rcLast.right - 50, y}) &&
                pgtest::MouseUp(m_Grid, {rcLast.right - 50, y}));
    ASSERT_EQ(CellRect(1, 2).right, rcLast.right - 50);
    pgtest::Pixels pixels = pgtest::CaptureClient(m_Grid);
    for (int nRow = 1; nRow <= 3; ++nRow) {
        CRect rcCell = CellRect(nRow, 2);
        // Above the row's bottom line, which runs on to the right edge.
        CRect rcGone(rcCell.right, rcCell.top, rcLast.right, rcCell.bottom - 1);
        EXPECT_EQ(CountNotWindow(pixels, rcGone), 0) << "row " << nRow;
    }
}

// Rows added while the host's loop does not run show at the first paint all the same.
TEST_F(GridPaintTest, RowsAddedJustBeforeAPaintAreShown)
{
    ASSERT_NE(AddText(m_pCategory), nullptr);
    pgtest::Pixels pixels = pgtest::CaptureClient(m_Grid);
    EXPECT_EQ(pixels.At(kGutterWidth / 2, CellRect(4, 0).CenterPoint().y), GutterColor());
}

} // namespace
