// CPoint, CSize and CRect: unpacking of message coordinates and the edge cases of rectangle
// arithmetic, which must match what Windows itself computes.
#include <afxwin.h>

#include <gtest/gtest.h>

// Failure messages show the values, not the bytes (found by argument-dependent lookup).
static void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
static void PrintTo(const CPoint& point, std::ostream* os)
{
    *os << "(" << point.x << ", " << point.y << ")";
}
static void PrintTo(const CSize& size, std::ostream* os)
{
    *os << "(" << size.cx << " x " << size.cy << ")";
}

namespace {

// Packs coordinates as a mouse message carries them: two signed 16-bit values.
LPARAM PackedPoint(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}

void ExpectRect(const RECT& rect, int left, int top, int right, int bottom)
{
    EXPECT_EQ(left, rect.left);
    EXPECT_EQ(top, rect.top);
    EXPECT_EQ(right, rect.right);
    EXPECT_EQ(bottom, rect.bottom);
}

} // namespace

TEST(PointAndSize, UnpackSignedHalvesOfAMessageParameter)
{
    // Left of and above a window (a captured mouse dragged outside it).
    CPoint point(PackedPoint(-5, -300));
    EXPECT_EQ(-5, point.x);
    EXPECT_EQ(-300, point.y);

    CPoint extremes(PackedPoint(32767, -32768));
    EXPECT_EQ(32767, extremes.x);
    EXPECT_EQ(-32768, extremes.y);

    // Only the low 32 bits carry the point, whatever the upper half of a 64-bit LPARAM holds.
    CPoint widened(static_cast<LPARAM>(static_cast<LONG>(PackedPoint(7, -2))));
    EXPECT_EQ(7, widened.x);
    EXPECT_EQ(-2, widened.y);

    CSize size(DWORD(PackedPoint(-4, 9)));
    EXPECT_EQ(-4, size.cx);
    EXPECT_EQ(9, size.cy);
}

TEST(PointAndSize, ArithmeticMixesPointsAndSizes)
{
    const CPoint from(10, 20);
    const CPoint to(4, 30);

    CSize distance = to - from;
    EXPECT_EQ(CSize(-6, 10), distance);
    EXPECT_EQ(to, from + distance);
    EXPECT_EQ(from, to - distance);
    EXPECT_EQ(CPoint(-10, -20), -from);
    EXPECT_EQ(CSize(6, -10), -distance);

    CPoint moved = from;
    moved += CSize(1, 2);
    moved -= CPoint(3, 5);
    EXPECT_EQ(CPoint(8, 17), moved);
    EXPECT_NE(from, moved);

    // A point offsets a rectangle, a size plus a point is a point.
    EXPECT_EQ(CRect(11, 22, 13, 24), from + CRect(1, 2, 3, 4));
    EXPECT_EQ(CPoint(11, 22), CSize(1, 2) + from);
}

TEST(RectEdges, PointsOnTheRightAndBottomEdgesAreOutside)
{
    const CRect rect(10, 20, 30, 40);
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_TRUE(rect.PtInRect(CPoint(29, 39)));
    EXPECT_FALSE(rect.PtInRect(CPoint(30, 39)));
    EXPECT_FALSE(rect.PtInRect(CPoint(29, 40)));
    EXPECT_FALSE(rect.PtInRect(CPoint(9, 25)));
}

TEST(RectEdges, EmptyAndNullAreDifferent)
{
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect().IsRectEmpty());

    CRect flat(5, 5, 25, 5);
    EXPECT_TRUE(flat.IsRectEmpty());
    EXPECT_FALSE(flat.IsRectNull());

    CRect inverted(30, 10, 20, 40);
    EXPECT_TRUE(inverted.IsRectEmpty());
    inverted.NormalizeRect();
    ExpectRect(inverted, 20, 10, 30, 40);
    EXPECT_FALSE(inverted.IsRectEmpty());

    CRect upsideDown(0, 50, 10, 5);
    upsideDown.NormalizeRect();
    ExpectRect(upsideDown, 0, 5, 10, 50);
}

TEST(RectEdges, TouchingRectanglesDoNotIntersect)
{
    const CRect left(0, 0, 10, 10);
    const CRect right(10, 0, 20, 10);

    CRect result(1, 2, 3, 4);
    EXPECT_FALSE(result.IntersectRect(left, right));
    EXPECT_TRUE(result.IsRectNull());
    EXPECT_TRUE((left & right).IsRectEmpty());

    const CRect overlapping(9, 5, 20, 30);
    EXPECT_TRUE(result.IntersectRect(left, overlapping));
    ExpectRect(result, 9, 5, 10, 10);
    EXPECT_EQ(result, left & overlapping);

    CRect accumulated = left;
    accumulated &= overlapping;
    EXPECT_EQ(result, accumulated);
}

TEST(RectEdges, UnionIgnoresEmptyRectangles)
{
    const CRect a(0, 0, 10, 10);
    const CRect b(20, 5, 30, 40);
    EXPECT_EQ(CRect(0, 0, 30, 40), a | b);

    // An empty rectangle far away does not stretch the union.
    EXPECT_EQ(a, a | CRect(100, 100, 100, 200));

    CRect accumulated;
    accumulated |= a;
    accumulated |= b;
    EXPECT_EQ(CRect(0, 0, 30, 40), accumulated);
}

TEST(RectEdges, SubtractionOnlyWhenTheRestIsARectangle)
{
    const CRect source(0, 0, 100, 50);
    CRect result;

    // Covering the whole right part leaves a rectangle.
    EXPECT_TRUE(result.SubtractRect(source, CRect(60, -10, 200, 60)));
    ExpectRect(result, 0, 0, 60, 50);

    // A hole in the middle would not: the source comes back unchanged.
    result.SubtractRect(source, CRect(40, 10, 60, 20));
    EXPECT_EQ(source, result);
}

TEST(RectSizing, InflateAndDeflateEachEdgeByItsOwnAmount)
{
    CRect rect(10, 20, 110, 220);
    rect.DeflateRect(CRect(1, 2, 3, 4));
    ExpectRect(rect, 11, 22, 107, 216);

    rect.InflateRect(CRect(1, 2, 3, 4));
    ExpectRect(rect, 10, 20, 110, 220);

    rect.DeflateRect(5, 6);
    ExpectRect(rect, 15, 26, 105, 214);
    rect.InflateRect(CSize(5, 6));
    ExpectRect(rect, 10, 20, 110, 220);

    rect.InflateRect(1, 2, 3, 4);
    ExpectRect(rect, 9, 18, 113, 224);
    rect.DeflateRect(1, 2, 3, 4);
    ExpectRect(rect, 10, 20, 110, 220);

    // The binary operators with a rectangle inflate and deflate without touching the operand.
    const CRect margins(1, 1, 2, 2);
    ExpectRect(rect + &margins, 9, 19, 112, 222);
    ExpectRect(rect - &margins, 11, 21, 108, 218);
    ExpectRect(rect, 10, 20, 110, 220);
}

TEST(RectSizing, CornersAreViewsIntoTheRectangle)
{
    CRect rect(CPoint(10, 20), CSize(30, 40));
    ExpectRect(rect, 10, 20, 40, 60);
    EXPECT_EQ(CSize(30, 40), rect.Size());
    EXPECT_EQ(CPoint(25, 40), rect.CenterPoint());

    rect.TopLeft() = CPoint(0, 5);
    rect.BottomRight().Offset(1, 1);
    ExpectRect(rect, 0, 5, 41, 61);

    const CRect& constant = rect;
    EXPECT_EQ(CPoint(41, 61), constant.BottomRight());
}

TEST(RectSizing, MovingKeepsTheSize)
{
    CRect rect(10, 20, 40, 60);
    rect.MoveToXY(-5, 100);
    ExpectRect(rect, -5, 100, 25, 140);
    rect.MoveToX(0);
    rect.MoveToY(0);
    ExpectRect(rect, 0, 0, 30, 40);
    ExpectRect(rect + CSize(5, 5), 5, 5, 35, 45);
}
