// How an enumeration's cell shows its text.
#include "EnumFixture.h"
#include "WindowCapture.h"

namespace {

using EnumPaint = pgtest::EnumTest;

// How many pixel rows of the cell's right quarter hold anything but the window colour.
int InkedRowsAtTheRightEnd(const pgtest::Pixels& pixels, const CRect& rcCell)
{
    int nRows = 0;
    for (int y = rcCell.top; y < rcCell.bottom - 1; ++y) {
        for (int x = rcCell.right - rcCell.Width() / 4; x < rcCell.right - 1; ++x) {
            if (pixels.At(x, y) != ::GetSysColor(COLOR_WINDOW)) {
                ++nRows;
                break;
            }
        }
    }
    return nRows;
}

// A text too long for its cell loses its middle, so that its last part stays readable, where a
// text cell cuts the end: the tall letters at the end of the path show at the cell's right end,
// where the text cell shows only dots.
TEST_F(EnumPaint, ALongTextLosesItsMiddle)
{
    CString strPath = L"C:\\" + CString(L'.', 200) + L"\\MMMMMM";
    CString strSame = strPath;
    IZNPropertyGridProperty* pEnum = AddEnum(L"a|b", &strPath);
    IZNPropertyGridProperty* pText = Add(PGT_TEXT, 8, &strSame);
    m_Grid.Invalidate(FALSE);
    pgtest::Pixels pixels = pgtest::CaptureClient(m_Grid.m_hWnd);
    ASSERT_FALSE(pixels.IsEmpty());
    EXPECT_GE(InkedRowsAtTheRightEnd(pixels, CellRect(pEnum, 1)), 6);
    EXPECT_LE(InkedRowsAtTheRightEnd(pixels, CellRect(pText, 1)), 2);
}

} // namespace
