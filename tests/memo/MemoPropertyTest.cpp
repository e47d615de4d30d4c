// What the options of a memo choose (row height, wrapping, scroll bars, the "..." button), and
// how its cell shows the text: from the top-left corner, wrapped or not, clipped at the cell,
// relative to the grid's base path.
#include "MemoFixture.h"
#include "WindowCapture.h"

#include <functional>

namespace {

using pgtest::kMemoLineHeight;
using pgtest::kRowHeight;

using MemoProperty = pgtest::MemoTest;

using pgtest::kScrollBits;

constexpr DWORD kWrapped = ES_AUTOVSCROLL;
constexpr DWORD kSideways = WS_HSCROLL | ES_AUTOHSCROLL;
constexpr DWORD kDownwards = WS_VSCROLL | ES_AUTOVSCROLL;

// Keys and values are trimmed and compared without regard to case, later pieces win, and
// whatever is not a known "key=value" leaves the defaults: one line, wrapped, no bars, no "...".
// The editor shows what the options chose: its rich edit's scrolling and scroll bars (with a
// text that overflows it) and the button.
TEST_F(MemoProperty, OptionsChooseLinesScrollingAndTheButton)
{
    struct Case
    {
        const wchar_t* pszOptions;
        int nLines;
        DWORD dwScroll;
        bool bExpand;
    };
    const Case cases[] = {
        {nullptr, 1, kWrapped, false},
        {L"", 1, kWrapped, false},
        {L"Lines=4|HScroll=TRUE| Expand = true ", 4, kSideways, true},
        {L"Lines", 1, kWrapped, false},
        {L"Lines= 3 |lines=2|LINES=5", 5, kWrapped, false},
        {L"VScroll=true", 1, kDownwards, false},
        {L"HScroll=true|vscroll=True", 1, kSideways | kDownwards, false},
        {L"VScroll=true|VScroll=yes", 1, kWrapped, false},
        {L"||HScroll=1|Colour=red|=true|Expand=true=1", 1, kWrapped, false},
    };
    CString strValue = pgtest::OverflowingText();
    for (const Case& test : cases) {
        SCOPED_TRACE(test.pszOptions != nullptr ? test.pszOptions : L"(null)");
        IZNPropertyGridProperty* pMemo = AddMemo(test.pszOptions, &strValue);
        ASSERT_NE(pMemo, nullptr);
        EXPECT_EQ(CellRect(pMemo, 1).Height(), kMemoLineHeight * test.nLines + 4);
        ASSERT_TRUE(ClickCell(pMemo, 1));
        EXPECT_EQ(StyleOf(RichEdit()) & kScrollBits, test.dwScroll);
        EXPECT_EQ(::IsWindowVisible(ExpandButton()) != FALSE, test.bExpand);
        ASSERT_TRUE(m_Grid.RemoveProperty(m_pCategory, pMemo));
    }
}

// A memo row is as many text lines high as its options say; the rows after it move down, and a
// taller row opens its editor over its whole height. The line count is kept in eight bits, and
// one that is not a number is 0: a row of its padding alone.
TEST_F(MemoProperty, RowsAreAsHighAsTheirLines)
{
    CString strValue = L"text";
    IZNPropertyGridProperty* pMany = AddMemo(L"Lines=300", &strValue);
    IZNPropertyGridProperty* pNone = AddMemo(L"Lines=many", &strValue);
    EXPECT_EQ(m_Grid.GetItemHeight(m_Grid.ComputeListIndex(pMany)), kMemoLineHeight * 44 + 4);
    EXPECT_EQ(m_Grid.GetItemHeight(m_Grid.ComputeListIndex(pNone)), 4);
    ASSERT_TRUE(m_Grid.RemoveProperty(m_pCategory, pMany));

    IZNPropertyGridProperty* pThree = AddMemo(L"Lines=3", &strValue);
    IZNPropertyGridProperty* pText = AddText(m_pCategory);
    CRect rcThree = CellRect(pThree, 1);
    EXPECT_EQ(rcThree.Height(), 3 * kMemoLineHeight + 4);
    EXPECT_EQ(rcThree.Height(), 46);
    EXPECT_EQ(CellRect(pText, 1).top, rcThree.bottom);
    EXPECT_EQ(CellRect(pText, 1).Height(), kRowHeight);

    ASSERT_TRUE(ClickCell(pThree, 1));
    EXPECT_EQ(RectInParent(Editor()),
              CRect(rcThree.left, rcThree.top, rcThree.right - 1, rcThree.bottom - 1));
}

//---------------------------------------------------------------------------------------------
// The cell's pixels

class MemoCell : public pgtest::MemoTest
{
protected:
    // The cell as the user sees it, without its grid lines.
    pgtest::Pixels CaptureCell(IZNPropertyGridProperty* pProperty, int nColumn)
    {
        CRect rc = CellRect(pProperty, nColumn);
        pgtest::Pixels screen = pgtest::CaptureClient(m_Grid.m_hWnd);
        pgtest::Pixels cell;
        cell.width = rc.Width() - 1;
        cell.height = rc.Height() - 1;
        for (int y = 0; y < cell.height; ++y)
            for (int x = 0; x < cell.width; ++x)
                cell.colors.push_back(screen.At(rc.left + x, rc.top + y));
        return cell;
    }

    // What the text drawn in the grid's font on the window colour looks like in a cell of that
    // size: from 2 pixels in on the left and the top to 1 pixel before the grid line on the
    // right and 2 pixels above the bottom.
    static pgtest::Pixels ExpectedCell(int cx, int cy, const CString& strText, UINT nFormat)
    {
        CDibSurface surface;
        surface.CreateSurface(cx, cy, 32);
        CDC* pDC = CDC::FromHandle(surface.dc);
        CRect rcCell(0, 0, cx, cy);
        CBrush window(::GetSysColor(COLOR_WINDOW));
        pDC->FillRect(&rcCell, &window);
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof metrics;
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        CFont font;
        font.CreateFontIndirect(&metrics.lfStatusFont);
        CFont* pOldFont = pDC->SelectObject(&font);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        CRect rcText(2, 2, cx, cy + 1 - 2);
        pDC->DrawText(strText, &rcText, nFormat);
        pDC->SelectObject(pOldFont);
        pgtest::Pixels cell;
        cell.width = cx;
        cell.height = cy;
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                cell.colors.push_back(pDC->GetPixel(x, y));
        return cell;
    }

    // Text pixels (anything but the window colour) in a band of lines of the cell.
    static int InkInLines(const pgtest::Pixels& cell, int nFirstLine, int nLines)
    {
        int nInk = 0;
        int nTop = 2 + nFirstLine * kMemoLineHeight;
        for (int y = nTop; y < nTop + nLines * kMemoLineHeight && y < cell.height; ++y)
            for (int x = 0; x < cell.width; ++x)
                nInk += cell.At(x, y) != ::GetSysColor(COLOR_WINDOW);
        return nInk;
    }
};

const wchar_t kLongText[] =
    L"alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi omicron pi";

TEST_F(MemoCell, WrappedTextFillsTheLinesFromTheTopLeft)
{
    CString strValue = kLongText;
    IZNPropertyGridProperty* pMemo = AddMemo(L"Lines=3", &strValue);
    pgtest::Pixels cell = CaptureCell(pMemo, 1);
    EXPECT_GT(InkInLines(cell, 0, 1), 0);
    EXPECT_GT(InkInLines(cell, 1, 1), 0);
    EXPECT_GT(InkInLines(cell, 2, 1), 0);
    pgtest::Pixels expected =
        ExpectedCell(cell.width, cell.height, strValue, DT_EDITCONTROL | DT_WORDBREAK);
    EXPECT_EQ(cell.colors, expected.colors);
}

// Without wrapping, the text keeps to its lines and is cut at the cell's right edge; its own
// line breaks still start new lines.
TEST_F(MemoCell, UnwrappedTextIsClippedAtTheCell)
{
    CString strLong = kLongText;
    CString strTwoLines = L"first line\r\nsecond";
    IZNPropertyGridProperty* pMemo = AddMemo(L"Lines=3|HScroll=true", &strLong);
    m_Grid.SetPropertyValue(m_pCategory, pMemo, 1, &strTwoLines);

    pgtest::Pixels cell = CaptureCell(pMemo, 1);
    EXPECT_GT(InkInLines(cell, 0, 1), 0);
    EXPECT_EQ(InkInLines(cell, 1, 2), 0);
    EXPECT_EQ(cell.colors, ExpectedCell(cell.width, cell.height, strLong, DT_EDITCONTROL).colors);

    pgtest::Pixels second = CaptureCell(pMemo, 2);
    EXPECT_GT(InkInLines(second, 1, 1), 0);
    EXPECT_EQ(InkInLines(second, 2, 1), 0);
    EXPECT_EQ(second.colors,
              ExpectedCell(second.width, second.height, strTwoLines, DT_EDITCONTROL).colors);
}

// A text below the base path looks exactly like its relative rest; the host's value and the
// tip keep the whole text.
TEST_F(MemoCell, ATextBelowTheBasePathShowsWithoutIt)
{
    CString strFull = L"D:\\Data\\notes\\todo.txt";
    CString strRelative = L"notes\\todo.txt";
    IZNPropertyGridProperty* pMemo = AddMemo(L"Lines=2", &strFull);
    m_Grid.SetPropertyValue(m_pCategory, pMemo, 1, &strRelative);
    m_Grid.SetBasePath(L"d:/data");
    m_Grid.Invalidate();
    EXPECT_EQ(CaptureCell(pMemo, 1).colors, CaptureCell(pMemo, 2).colors);
    EXPECT_STREQ(ValueText(pMemo, 0), strFull);
}

} // namespace
