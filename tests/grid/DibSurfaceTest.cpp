// The grid's off-screen surface.
#include <ZNPropertyGrid.h>
#include <gtest/gtest.h>

namespace {

TEST(DibSurface, RowsArePaddedToFourBytes)
{
    CDibSurface surface;
    ASSERT_TRUE(surface.CreateSurface(10, 5, 24));
    EXPECT_EQ(surface.stride, 32);
    EXPECT_EQ(surface.header.bmiHeader.biSizeImage, 160u);
    EXPECT_EQ(surface.header.bmiHeader.biSize, sizeof(BITMAPINFO));
    EXPECT_NE(surface.dc, nullptr);
    EXPECT_NE(surface.bits, nullptr);
    EXPECT_EQ(surface.info.bmWidth, 10);
}

TEST(DibSurface, UnsupportedDepthLeavesTheSurfaceEmpty)
{
    CDibSurface surface;
    ASSERT_TRUE(surface.CreateSurface(10, 5, 32));
    EXPECT_FALSE(surface.CreateSurface(10, 5, 8));
    EXPECT_EQ(surface.dc, nullptr);
    EXPECT_EQ(surface.bitmap, nullptr);
    EXPECT_EQ(surface.bits, nullptr);
}

} // namespace
