// Pixel surfaces: creation limits, clipping, bevel outlines, copies and tiles.
#include "board/dib_surface.h"

#include <gtest/gtest.h>

namespace {

TEST(DibSurface, CreationFailsBelowOnePixelAndLeavesNoPixels)
{
    DibSurface surface;
    EXPECT_FALSE(surface.Create(0, 10));
    EXPECT_FALSE(surface.HasPixels());
    EXPECT_FALSE(surface.Create(10, -1));
    EXPECT_FALSE(surface.HasPixels());
    ASSERT_TRUE(surface.Create(1, 1));
    EXPECT_EQ(surface.Pixel(0, 0), 0u);
    // Qt needs the top byte opaque even though the colour ignores it.
    EXPECT_EQ(surface.Row(0)[0], 0xFF000000u);
}

TEST(DibSurface, DrawingOnOrCopyingFromASurfaceWithoutPixelsDoesNothing)
{
    DibSurface empty;
    DibSurface real;
    ASSERT_TRUE(real.Create(4, 4));
    empty.FillRect({0, 0, 4, 4}, 0x123456);
    empty.BevelOutline({0, 0, 4, 4}, 1, 2);
    empty.Copy(real, {0, 0, 4, 4}, 0, 0);
    real.Copy(empty, {0, 0, 4, 4}, 0, 0);
    EXPECT_EQ(real.Pixel(2, 2), 0u);
    EXPECT_EQ(empty.Pixel(0, 0), 0u);
}

TEST(DibSurface, FillsClipToTheSurfaceAndInvertedRectanglesAreEmpty)
{
    DibSurface s;
    ASSERT_TRUE(s.Create(4, 3));
    s.FillRect({-5, -5, 2, 1}, 0x0000FF);
    EXPECT_EQ(s.Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(s.Pixel(1, 0), 0x0000FFu);
    EXPECT_EQ(s.Pixel(2, 0), 0u);
    EXPECT_EQ(s.Pixel(0, 1), 0u);
    s.FillRect({3, 2, 1, 0}, 0x00FF00);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_NE(s.Pixel(x, y), 0x00FF00u);
    // Red in the low byte of a colour value is red on the screen.
    EXPECT_EQ(s.Row(0)[0], 0xFFFF0000u);
}

TEST(DibSurface, BevelOutlineLeavesTheCornersToTheDarkSide)
{
    DibSurface s;
    ASSERT_TRUE(s.Create(6, 6));
    s.BevelOutline({1, 1, 5, 5}, 0xA, 0xB);
    EXPECT_EQ(s.Pixel(1, 1), 0xAu);  // top-left
    EXPECT_EQ(s.Pixel(3, 1), 0xAu);  // top row up to right - 2
    EXPECT_EQ(s.Pixel(4, 1), 0xBu);  // top-right belongs to the right column
    EXPECT_EQ(s.Pixel(1, 3), 0xAu);
    EXPECT_EQ(s.Pixel(1, 4), 0xBu);  // bottom-left belongs to the bottom row
    EXPECT_EQ(s.Pixel(4, 4), 0xBu);
    EXPECT_EQ(s.Pixel(2, 2), 0u);    // inside untouched
    EXPECT_EQ(s.Pixel(0, 0), 0u);    // outside untouched
}

TEST(DibSurface, CopiesClipOnBothSides)
{
    DibSurface from;
    DibSurface to;
    ASSERT_TRUE(from.Create(3, 3));
    ASSERT_TRUE(to.Create(3, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            from.SetPixel(x, y, static_cast<ColourValue>(10 * y + x + 1));
    to.Copy(from, {0, 0, 3, 3}, -1, 1);
    EXPECT_EQ(to.Pixel(0, 1), 2u);
    EXPECT_EQ(to.Pixel(1, 2), 13u);
    EXPECT_EQ(to.Pixel(2, 1), 0u);
    EXPECT_EQ(to.Pixel(0, 0), 0u);
    to.Copy(from, {-2, -2, 1, 1}, 0, 0);  // only the source's (0, 0) exists
    EXPECT_EQ(to.Pixel(2, 2), 1u);
}

TEST(DibSurface, TilesStartAtTheAreaAndAreCutAtItsEdges)
{
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.setPixel(0, 0, 0xFF000001);
    tile.setPixel(1, 0, 0xFF000002);
    tile.setPixel(0, 1, 0xFF000003);
    tile.setPixel(1, 1, 0xFF000004);
    DibSurface s;
    ASSERT_TRUE(s.Create(6, 6));
    s.Tile(tile, {1, 1, 4, 4});
    EXPECT_EQ(s.Row(1)[1], 0xFF000001u);
    EXPECT_EQ(s.Row(1)[3], 0xFF000001u);
    EXPECT_EQ(s.Row(3)[3], 0xFF000001u);
    EXPECT_EQ(s.Row(2)[2], 0xFF000004u);
    EXPECT_EQ(s.Row(4)[4], 0xFF000000u);  // past the area: untouched
    EXPECT_EQ(s.Row(0)[1], 0xFF000000u);
    s.Tile(QImage(), {0, 0, 6, 6});       // a missing texture draws nothing
    EXPECT_EQ(s.Row(1)[1], 0xFF000001u);
}

}  // namespace
