// Categories and properties as a host reaches them through the grid: the tree, the value slots,
// the check boxes, and what category rows, glyphs and cells paint.
#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

#include "../../model/ZNPropertyGridCategory.h"
#include "../../model/ZNPropertyGridProperty.h"
#include "HostDialog.h"
#include "Input.h"
#include "WindowCapture.h"

#include <functional>
#include <vector>

namespace {

constexpr int kGutterWidth = 18;
constexpr int kGlyphSize = 9;
constexpr unsigned kStateShift = 28;

// A host that records the check notifications the grid passes on.
class CCheckHost : public pgtest::CHostDialog
{
public:
    std::vector<std::pair<WPARAM, LPARAM>> m_Checks;

protected:
    afx_msg LRESULT OnPropertyCheck(WPARAM wParam, LPARAM lParam)
    {
        m_Checks.emplace_back(wParam, lParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCheckHost, pgtest::CHostDialog)
    ON_MESSAGE(PGM_PROPERTYCHECK, &CCheckHost::OnPropertyCheck)
END_MESSAGE_MAP()

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

class ModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool s_bInitialized = false;
        if (!s_bInitialized)
            InitPropertyGridCtrl();
        s_bInitialized = true;
        ASSERT_TRUE(m_host.Create(pgtest::kGridListBoxStyle, {400, 240}));
        ASSERT_TRUE(m_grid.SubclassDlgItem(pgtest::CHostDialog::kListBoxId, &m_host));
        ASSERT_TRUE(m_grid.Initialize(0));
        ASSERT_EQ(m_grid.AddColumn(100, L"First"), 1);
        ASSERT_EQ(m_grid.AddColumn(100, L"Second"), 2);
        m_pRoot = m_grid.AddCategory(nullptr, L"Root", L"");
        ASSERT_NE(m_pRoot, nullptr);
    }
    void TearDown() override { m_host.DestroyWindow(); }

    IZNPropertyGridProperty* AddText(CZNPropertyGridCategory* pCategory, unsigned nID = 1)
    {
        return m_grid.AddProperty(pCategory, L"Name", L"", nID, PGT_TEXT, L"");
    }
    unsigned CheckState(CZNPropertyGridCategory* pCategory, IZNPropertyGridProperty* pProperty)
    {
        unsigned nState = ~0u;
        m_grid.GetPropertyCheckBoxState(pCategory, pProperty, 0, nState);
        return nState >> kStateShift;
    }
    // The check box of a value cell as the user sees it.
    CRect CheckBox(int nRow, int nColumn)
    {
        CRect rcCell;
        m_grid.ColumnRect(nRow, nColumn, &rcCell);
        int nSide = rcCell.Height() - 1 - 4;
        return CRect(rcCell.left + 2, rcCell.top + 2, rcCell.left + 2 + nSide,
                     rcCell.top + 2 + nSide);
    }

    CCheckHost m_host;
    CZNPropertyGrid m_grid;
    CZNPropertyGridCategory* m_pRoot = nullptr;
};

TEST_F(ModelTest, OperationsOnMissingObjectsOrColumnsAnswerNothing)
{
    auto* pCategory = m_grid.AddCategory(m_pRoot, L"Category", L"");
    auto* pProperty = AddText(pCategory);
    ASSERT_NE(pProperty, nullptr);
    CString strValue = L"kept";
    EXPECT_FALSE(m_grid.SetPropertyValue(nullptr, pProperty, 0, &strValue));
    EXPECT_FALSE(m_grid.GetPropertyValue(pCategory, pProperty, 0, nullptr));
    EXPECT_FALSE(m_grid.RemoveProperty(pCategory, nullptr));
    for (int col : {-1, 2}) {
        SCOPED_TRACE(col);
        void* pValue = &strValue;
        unsigned nState = 77;
        EXPECT_FALSE(m_grid.SetPropertyValue(pCategory, pProperty, col, &strValue));
        EXPECT_FALSE(m_grid.GetPropertyValue(pCategory, pProperty, col, &pValue));
        EXPECT_FALSE(m_grid.SetPropertyUserData(pCategory, pProperty, col, &strValue));
        EXPECT_EQ(m_grid.GetPropertyUserData(pCategory, pProperty, col), nullptr);
        EXPECT_FALSE(m_grid.SetPropertyCheckBoxState(pCategory, pProperty, col, 0x50000000));
        EXPECT_FALSE(m_grid.GetPropertyCheckBoxState(pCategory, pProperty, col, nState));
        EXPECT_FALSE(m_grid.SetPropertyCheckBoxTooltip(pCategory, pProperty, col, L"tip"));
        EXPECT_FALSE(m_grid.SetCategoryValue(pCategory, col, L"text"));
        EXPECT_FALSE(m_grid.GetCategoryValue(pCategory, col, strValue));
        pProperty->SetFlag(col, 0xFF);
        EXPECT_EQ(pProperty->TestFlag(col, ~0u), 0u);
        EXPECT_TRUE(pValue == &strValue && nState == 77 && strValue == L"kept");
    }
}

TEST_F(ModelTest, EverySlotFollowsTheGridsValueColumns)
{
    auto* pOuter = m_grid.AddCategory(m_pRoot, L"Outer", L"");
    auto* pInner = m_grid.AddCategory(pOuter, L"Inner", L"");
    auto* pProperty = AddText(pInner);
    CString strText, strA, strB, strC;
    ASSERT_TRUE(m_grid.GetCategoryValue(pInner, 1, strText));
    EXPECT_EQ(strText, L"Second");
    for (int col : {0, 1}) { // host data 0, enabled without a check box, no value
        void* pValue = &strText;
        EXPECT_TRUE(m_grid.GetPropertyValue(pInner, pProperty, col, &pValue));
        EXPECT_EQ(pValue, nullptr);
        EXPECT_EQ(m_grid.GetPropertyUserData(pInner, pProperty, col), nullptr);
        EXPECT_EQ(pProperty->TestFlag(col, ~0u), 1u);
    }
    m_grid.SetPropertyValue(pInner, pProperty, 0, &strA);
    m_grid.SetPropertyValue(pInner, pProperty, 1, &strB);
    m_grid.SetPropertyUserData(pInner, pProperty, 1, &strB);
    ASSERT_EQ(m_grid.AddColumn(80, L"Third"), 3);
    ASSERT_TRUE(m_grid.GetCategoryValue(pInner, 2, strText));
    EXPECT_EQ(strText, L"Third");
    EXPECT_TRUE(m_grid.SetPropertyValue(pInner, pProperty, 2, &strC));

    ASSERT_TRUE(m_grid.RemoveColumn(1));
    void* pValue = nullptr;
    EXPECT_TRUE(m_grid.GetPropertyValue(pInner, pProperty, 0, &pValue) && pValue == &strB);
    EXPECT_EQ(m_grid.GetPropertyUserData(pInner, pProperty, 0), &strB);
    EXPECT_TRUE(m_grid.GetPropertyValue(pInner, pProperty, 1, &pValue) && pValue == &strC);
    EXPECT_FALSE(m_grid.GetPropertyValue(pInner, pProperty, 2, &pValue));
    EXPECT_TRUE(m_grid.GetCategoryValue(pOuter, 0, strText) && strText == L"Second");
    EXPECT_FALSE(m_grid.GetCategoryValue(pOuter, 2, strText));
    // The name column and columns past the last are not value columns.
    EXPECT_FALSE(m_grid.RemoveColumn(0));
    EXPECT_FALSE(m_grid.RemoveColumn(3));
}

TEST_F(ModelTest, FactoryAndLookupsStayWithinTheCategory)
{
    auto* pCategory = m_grid.AddCategory(m_pRoot, L"Category", L"");
    for (unsigned nType : {9u, 0xFFFFFFFFu})
        EXPECT_EQ(m_grid.AddProperty(pCategory, L"N", L"", 5, eZNPropertyGridType(nType), L""),
                  nullptr);
    EXPECT_EQ(m_grid.GetPropertyCount(pCategory), 0u);

    auto* pFirst = AddText(pCategory, 5);
    auto* pSecond = AddText(pCategory, 5);
    auto* pDeep = AddText(m_grid.AddCategory(pCategory, L"Sub", L""), 9);
    ASSERT_NE(pDeep, nullptr);
    EXPECT_EQ(m_grid.GetPropertyFromID(pCategory, 5), pFirst);
    EXPECT_EQ(m_grid.GetPropertyFromID(pCategory, 9), nullptr);
    EXPECT_EQ(m_grid.GetPropertyFromIndex(pCategory, 1), pSecond);
    EXPECT_EQ(m_grid.GetPropertyCount(pCategory), 2u);
    eZNPropertyGridType eType = PGT_MEMO;
    EXPECT_TRUE(m_grid.GetPropertyType(pCategory, pSecond, eType));
    EXPECT_EQ(eType, PGT_TEXT);
}

TEST_F(ModelTest, HelpGivenAtCreationBecomesHtmlWhileSetHelpKeepsItsText)
{
    // CR-LF pairs go first, so an LF before a pair makes a break of its own; a lone CR stays.
    auto* pCategory = m_grid.AddCategory(m_pRoot, L"Category", L"a\n\r\nb\rc");
    EXPECT_STREQ(pCategory->m_strHelp, L"a<BR><BR>b\rc");
    auto* pProperty = m_grid.AddProperty(pCategory, L"N", L"one\r\ntwo\nthree", 1, PGT_TEXT, L"");
    EXPECT_STREQ(pProperty->GetHelp(), L"one<BR>two<BR>three");
    pProperty->SetHelp(L"one\r\ntwo");
    EXPECT_STREQ(pProperty->GetHelp(), L"one\r\ntwo");
}

TEST_F(ModelTest, HostHearsOfACheckBoxOnlyWhenItsCheckedStateChanges)
{
    auto* pCategory = m_grid.AddCategory(m_pRoot, L"Category", L"");
    auto* pProperty = AddText(pCategory, 0x1234);
    int nMarker = 0;
    m_grid.SetPropertyUserData(pCategory, pProperty, 1, &nMarker);
    EXPECT_TRUE(m_grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, 0x10000000));
    EXPECT_TRUE(m_host.m_Checks.empty());
    EXPECT_TRUE(m_grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, 0x50000000));
    ASSERT_EQ(m_host.m_Checks.size(), 1u);
    EXPECT_EQ(m_host.m_Checks[0].first, WPARAM(MAKELONG(1, 0x1234)));
    EXPECT_EQ(m_host.m_Checks[0].second, reinterpret_cast<LPARAM>(&nMarker));
    m_grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, 0x60000000);
    m_grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, 0x80000000);
    EXPECT_EQ(m_host.m_Checks.size(), 1u);
    // Mixed is not checked; the low bits of the argument are not part of the state.
    m_grid.SetPropertyCheckBoxState(pCategory, pProperty, 1, 0x9000FFFF);
    EXPECT_EQ(m_host.m_Checks.size(), 2u);
    unsigned nState = 0;
    EXPECT_TRUE(m_grid.GetPropertyCheckBoxState(pCategory, pProperty, 1, nState));
    EXPECT_EQ(nState, 0x90000000u);
    EXPECT_EQ(pProperty->TestFlag(1, 1), 1u);
    for (unsigned n = 1; n <= 12; ++n) {
        m_grid.SetPropertyCheckBoxState(pCategory, pProperty, 0, n << kStateShift);
        EXPECT_EQ(m_grid.IsPropertyCheckBoxChecked(pCategory, pProperty, 0), n >= 5 && n <= 8)
            << "state " << n;
    }
}

TEST_F(ModelTest, CheckBoxFollowsTheMouseAndTogglesOnAFullClickOnly)
{
    auto* pCategory = m_grid.AddCategory(m_pRoot, L"Category", L"");
    auto* pProperty = AddText(pCategory, 42);
    CString strValue = L"v";
    m_grid.SetPropertyValue(pCategory, pProperty, 0, &strValue);
    m_grid.SetPropertyCheckBoxState(pCategory, pProperty, 0, 1u << kStateShift);
    int nRow = m_grid.ComputeListIndex(pProperty);
    CRect rcName;
    m_grid.ColumnRect(nRow, 0, &rcName);
    CPoint ptBox = CheckBox(nRow, 1).CenterPoint(), ptAway = rcName.CenterPoint();

    ASSERT_TRUE(pgtest::MoveMouse(m_grid, ptAway));
    ASSERT_TRUE(pgtest::MoveMouse(m_grid, ptBox));
    EXPECT_EQ(CheckState(pCategory, pProperty), 2u);
    ASSERT_TRUE(pgtest::MouseDown(m_grid, ptBox));
    EXPECT_EQ(CheckState(pCategory, pProperty), 3u);
    ASSERT_TRUE(pgtest::MoveMouse(m_grid, ptAway));
    EXPECT_EQ(CheckState(pCategory, pProperty), 3u);
    ASSERT_TRUE(pgtest::MouseUp(m_grid, ptAway));
    EXPECT_EQ(CheckState(pCategory, pProperty), 1u);
    EXPECT_TRUE(m_host.m_Checks.empty());

    ASSERT_TRUE(pgtest::MoveMouse(m_grid, ptBox));
    ASSERT_TRUE(pgtest::Click(m_grid, ptBox));
    EXPECT_EQ(CheckState(pCategory, pProperty), 6u);
    ASSERT_EQ(m_host.m_Checks.size(), 1u);
    EXPECT_EQ(m_host.m_Checks[0].first, WPARAM(MAKELONG(0, 42)));
    ASSERT_TRUE(pgtest::MoveMouse(m_grid, ptAway));
    EXPECT_EQ(CheckState(pCategory, pProperty), 5u);
    EXPECT_NE(::GetCapture(), m_grid.m_hWnd);
    EXPECT_EQ(m_host.m_Checks.size(), 1u);
}

TEST_F(ModelTest, CategoryRowsLightenWithDepth)
{
    auto* pOuter = m_grid.AddCategory(m_pRoot, L"Outer", L"");
    auto* pInner = m_grid.AddCategory(pOuter, L"Inner", L"");
    AddText(pInner);
    AddText(pOuter);
    pgtest::Pixels pixels = pgtest::CaptureClient(m_grid);
    ASSERT_FALSE(pixels.IsEmpty());
    for (int nDepth : {1, 2}) {
        CRect rcCell;
        m_grid.ColumnRect(m_grid.ComputeListIndex(nDepth == 1 ? pOuter : pInner), 2, &rcCell);
        // Right of the column text, above any letter.
        EXPECT_EQ(pixels.At(rcCell.right - 3, rcCell.top + 1), Lighten(10 * nDepth, GutterColor()))
            << "depth " << nDepth;
    }
}

TEST_F(ModelTest, GlyphShowsTheStateAndOnlyItsBoxToggles)
{
    auto* pCategory = m_grid.AddCategory(m_pRoot, L"Category", L"");
    AddText(pCategory);
    CRect rcRow;
    m_grid.GetItemRect(0, &rcRow);
    CRect rcArea(rcRow.left + 1, rcRow.top + 1, rcRow.left + kGutterWidth, rcRow.bottom);
    CPoint ptBox(rcArea.left + (rcArea.Width() - kGlyphSize) / 2,
                 rcArea.top + (rcArea.Height() - kGlyphSize) / 2);

    auto expectGlyph = [&](bool bCollapsed) {
        SCOPED_TRACE(bCollapsed ? "collapsed" : "expanded");
        pgtest::Pixels pixels = pgtest::CaptureClient(m_grid);
        if (IsThemed()) {
            EXPECT_EQ(CountDifferences(pixels, rcArea, GutterColor(),
                                       [&](HDC hDC, RECT& rc) {
                                           DrawThemed(m_grid, L"TREEVIEW", 2, bCollapsed ? 1 : 2,
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
    ASSERT_TRUE(pgtest::Click(m_grid, ptBox + CPoint(4, 4)));
    EXPECT_FALSE(pCategory->IsExpanded());
    EXPECT_EQ(m_grid.GetCount(), 1);
    expectGlyph(true);
    // Inside the glyph's area but outside its box, nothing happens.
    ASSERT_TRUE(pgtest::Click(m_grid, CPoint(rcArea.left + 1, rcArea.bottom - 2)));
    EXPECT_EQ(m_grid.GetCount(), 1);
    ASSERT_TRUE(pgtest::DoubleClick(m_grid, CPoint(rcRow.left + 60, rcRow.CenterPoint().y)));
    EXPECT_TRUE(pCategory->IsExpanded());
    EXPECT_EQ(m_grid.GetCount(), 2);
}

TEST_F(ModelTest, CellsPaintTheirBackgroundAndCheckBox)
{
    auto* pCategory = m_grid.AddCategory(m_pRoot, L"Category", L"");
    auto* pProperty = AddText(pCategory);
    CString strValue;
    m_grid.SetPropertyValue(pCategory, pProperty, 0, &strValue);
    m_grid.SetPropertyCheckBoxState(pCategory, pProperty, 0, 9u << kStateShift);
    int nRow = m_grid.ComputeListIndex(pProperty);
    pgtest::Pixels pixels = pgtest::CaptureClient(m_grid);

    // Only the second value column has no value: 20/255 darker.
    COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    COLORREF crNoValue =
        RGB(::MulDiv(GetRValue(crWindow), 235, 255), ::MulDiv(GetGValue(crWindow), 235, 255),
            ::MulDiv(GetBValue(crWindow), 235, 255));
    for (int nColumn : {1, 2}) {
        CRect rcCell;
        m_grid.ColumnRect(nRow, nColumn, &rcCell);
        EXPECT_EQ(pixels.At(rcCell.right - 3, rcCell.top + 1), nColumn == 1 ? crWindow : crNoValue);
    }
    // A mixed box: the theme's own mixed state, or classically the checked look.
    EXPECT_EQ(CountDifferences(pixels, CheckBox(nRow, 1), crWindow,
                               [&](HDC hDC, RECT& rc) {
                                   if (IsThemed())
                                       DrawThemed(m_grid, L"BUTTON", 3, 9, hDC, rc);
                                   else
                                       ::DrawFrameControl(hDC, &rc, DFC_BUTTON,
                                                          DFCS_CHECKED | DFCS_FLAT);
                               }),
              0);
}

} // namespace
