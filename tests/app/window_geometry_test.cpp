// The main window's geometry rules: where the children go, drags kept in proportion, the saved rectangle checked.
#include "app/window_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

DesktopRect Sized(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return {left, top, left + width, top + height};
}

TEST(LayoutChildren, A472By266ClientGivesA236PixelBoardAndNineButtons)
{
    const ChildPlacement placement = PlaceChildren(472, 266);
    EXPECT_EQ(placement.boardView, (Rect{0, 0, 472, 236}));
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(placement.buttons[k], (Rect{52 * k, 236, 52 * k + 52, 266})) << "button " << k;
    EXPECT_EQ(placement.buttons[8], (Rect{416, 236, 472, 266}));
}

TEST(LayoutChildren, TheBarAlwaysReachesTheRightEdge)
{
    for (int width = 0; width < 2000; width += 7) {
        const ChildPlacement placement = PlaceChildren(width, 400);
        const Rect& quit = placement.buttons[8];
        EXPECT_EQ(quit.right, std::max(width, 8 * placement.buttons[0].Width())) << "width " << width;
        EXPECT_EQ(placement.buttons[0].Width() % 2, 0);
    }
}

TEST(LayoutChildren, NegativeAndTinySizesCountAsZero)
{
    const ChildPlacement minimised = PlaceChildren(0, 0);
    EXPECT_EQ(minimised.boardView, (Rect{0, 0, 0, 0}));
    EXPECT_EQ(minimised.buttons[8].Width(), 0);
    const ChildPlacement negative = PlaceChildren(-50, -10);
    EXPECT_EQ(negative.boardView.Width(), 0);
    EXPECT_EQ(negative.boardView.Height(), 0);
    const ChildPlacement low = PlaceChildren(300, 20);
    EXPECT_EQ(low.boardView.Height(), 0);
    EXPECT_EQ(low.buttons[0].top, -10);
}

TEST(ConstrainSizing, TooWideTooTallAndTooSmallDragsAreBroughtIntoShape)
{
    DesktopRect wide = Sized(100, 50, 1000, 400);
    ConstrainSizing(wide);
    EXPECT_EQ(wide, Sized(100, 50, 1000, 600));

    DesktopRect tall = Sized(100, 50, 480, 500);
    ConstrainSizing(tall);
    EXPECT_EQ(tall, Sized(100, 50, 583, 500));

    DesktopRect small = Sized(100, 50, 300, 200);
    ConstrainSizing(small);
    EXPECT_EQ(small, Sized(100, 50, 480, 320));
}

TEST(ConstrainSizing, DraggingTheLeftEdgeTooFarPushesTheRightEdgeOut)
{
    // The left edge dragged from 100 to 250 on a 480-wide window.
    DesktopRect rect{250, 50, 580, 370};
    ConstrainSizing(rect);
    EXPECT_EQ(rect, (DesktopRect{250, 50, 730, 370}));
}

TEST(ConstrainSizing, KeepsHeightBetweenSixtyPercentAndSixSeventhsOfTheWidth)
{
    for (int width = 100; width < 2500; width += 37) {
        for (int height = 100; height < 2500; height += 41) {
            DesktopRect rect = Sized(-20, 7, width, height);
            ConstrainSizing(rect);
            const int64_t w = WidthOf(rect);
            const int64_t h = HeightOf(rect);
            ASSERT_GE(w, 480);
            ASSERT_GE(h, 320);
            ASSERT_GE(100 * h, 60 * w - 100) << width << " x " << height;
            ASSERT_LE(70 * h, 60 * w + 60) << width << " x " << height;
            ASSERT_EQ(rect.left, -20);
            ASSERT_EQ(rect.top, 7);
        }
    }
}

TEST(ConstrainSizing, AtTheEndOfTheCoordinateRangeNothingWrapsAround)
{
    DesktopRect rect{INT32_MAX - 10, INT32_MAX - 10, INT32_MAX - 5, INT32_MAX - 5};
    ConstrainSizing(rect);
    EXPECT_EQ(rect.right, INT32_MAX);
    EXPECT_EQ(rect.bottom, INT32_MAX);
    EXPECT_GE(rect.right, rect.left);
}

TEST(IsLargerThanScreen, ComparesWithTheScreenLessFourPixels)
{
    EXPECT_FALSE(IsLargerThanScreen(Sized(0, 0, 1276, 1020), 1280, 1024));
    EXPECT_TRUE(IsLargerThanScreen(Sized(0, 0, 1277, 500), 1280, 1024));
    EXPECT_TRUE(IsLargerThanScreen(Sized(0, 0, 500, 1021), 1280, 1024));
    // Far apart edges would overflow a 32-bit width.
    EXPECT_TRUE(IsLargerThanScreen({INT32_MIN, 0, INT32_MAX, 400}, 1280, 1024));
}

class CheckWindowRectTest : public ::testing::Test {
protected:
    CheckedWindowRect Check(const DesktopRect& rect)
    {
        return CheckWindowRect(rect, DEFAULT_WINDOW_RECT, 1280, 1024, {{0, 0, 1280, 1024}});
    }
};

TEST_F(CheckWindowRectTest, TooNarrowOrTooLowIsReplacedByTheDefault)
{
    const CheckedWindowRect tall = Check(Sized(100, 100, 400, 600));
    EXPECT_EQ(tall.rect, DEFAULT_WINDOW_RECT);
    EXPECT_FALSE(tall.startMaximized);
    EXPECT_EQ(Check(Sized(100, 100, 600, 319)).rect, DEFAULT_WINDOW_RECT);
}

TEST_F(CheckWindowRectTest, AWindowThatFitsIsKeptAsSaved)
{
    const CheckedWindowRect kept = Check(Sized(100, 100, 600, 400));
    EXPECT_EQ(kept.rect, Sized(100, 100, 600, 400));
    EXPECT_FALSE(kept.startMaximized);
}

TEST_F(CheckWindowRectTest, LargerThanTheScreenOpensMaximisedWithTheDefaultAsNormalSize)
{
    const CheckedWindowRect maximised = Check({-4, -4, 1284, 1000});
    EXPECT_TRUE(maximised.startMaximized);
    EXPECT_EQ(maximised.rect, DEFAULT_WINDOW_RECT);
}

TEST_F(CheckWindowRectTest, NegativeAndOverflowingSizesCountAsTooSmallOrTooLarge)
{
    EXPECT_EQ(Check({500, 500, 100, 100}).rect, DEFAULT_WINDOW_RECT);
    EXPECT_FALSE(Check({500, 500, 100, 100}).startMaximized);
    const CheckedWindowRect huge = Check({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
    EXPECT_TRUE(huge.startMaximized);
    EXPECT_EQ(huge.rect, DEFAULT_WINDOW_RECT);
    // right - left wraps to a small positive number in 32 bits.
    EXPECT_TRUE(Check({INT32_MIN, 0, INT32_MAX - 100, 400}).startMaximized);
}

TEST_F(CheckWindowRectTest, AWindowOffEveryScreenKeepsItsSizeAtTheDefaultCorner)
{
    EXPECT_EQ(Check(Sized(5000, 3000, 640, 480)).rect, Sized(10, 10, 640, 480));
    EXPECT_EQ(Check(Sized(-700, 100, 640, 480)).rect, Sized(10, 10, 640, 480));
    // Partly on the screen is on the screen.
    EXPECT_EQ(Check(Sized(-600, 100, 640, 480)).rect, Sized(-600, 100, 640, 480));
}

TEST_F(CheckWindowRectTest, TheDefaultPassesEveryCheck)
{
    const CheckedWindowRect checked = Check(DEFAULT_WINDOW_RECT);
    EXPECT_EQ(checked.rect, DEFAULT_WINDOW_RECT);
    EXPECT_FALSE(checked.startMaximized);
}

} // namespace
