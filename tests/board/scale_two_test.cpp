// The board on a screen scaled twice: laid out, painted and hit in device pixels.
#include "board_fixture.h"

#include "board/colour.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

namespace {

class ScaleTwo : public BoardFixture {
protected:
    // A full board (three rows of 12) in a board view of logical
    // 350 x 200, shown, so that its own resize sets the layout.
    void ShowFullBoard(bool antiAliasing)
    {
        // The program runs on one screen scaled by two (tests/board/CMakeLists.txt).
        ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
        UseFullBoard(antiAliasing);
        view->resize(350, 200);
        view->show();
        view->Tick();
    }

    // What the window shows, as the screen's device pixels.
    QImage OnScreen() const { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void Release(QPointF at)
    {
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(view.get(), &release);
    }
};

TEST_F(ScaleTwo, TheClientIsMeasuredInDevicePixels)
{
    ShowFullBoard(false);
    ASSERT_EQ(view->devicePixelRatioF(), 2.0);
    EXPECT_EQ(view->size(), QSize(350, 200));
    EXPECT_EQ(view->DeviceClientSize(), QSize(700, 400));
    EXPECT_EQ(view->Geometry().clientWidth, 700);
    EXPECT_EQ(view->Geometry().clientHeight, 400);
    EXPECT_EQ(view->ComposeSurface().Width(), 700);
    EXPECT_EQ(view->Painter().Background().Height(), 400);
    EXPECT_EQ(view->Painter().Scratch().Width(), 525);
}

TEST_F(ScaleTwo, APaintAfterTheScaleChangedLaysTheBoardOutAgain)
{
    // As if the window had just come from a screen at scale 1: the surfaces
    // still fit the old device size until the next paint notices.
    ShowFullBoard(false);
    view->SizeChanged(350, 200);
    ASSERT_EQ(view->Geometry().blockSize, 24);
    const QImage screen = OnScreen();
    EXPECT_EQ(view->Geometry().clientWidth, 700);
    EXPECT_EQ(view->Geometry().blockSize, 50);
    EXPECT_EQ(screen, view->ComposeSurface().Image());
}

TEST_F(ScaleTwo, A350By200WindowAtScaleTwoLaysOutAsA700By400Client)
{
    ShowFullBoard(false);
    EXPECT_EQ(view->Geometry().blockSize, 50);
    EXPECT_EQ(view->Geometry().baseCell, (Rect{325, 200, 375, 250}));
    EXPECT_EQ(view->Geometry().BlockRect(0, 0, 12), (Rect{50, 200, 100, 250}));
    EXPECT_EQ(view->BoardRect(), (Rect{50, 200, 650, 350}));
    DibSurface counters;
    counters.Create(view->ComposeSurface().Width(), view->ComposeSurface().Height());
    EXPECT_EQ(view->DrawColourCounters(counters), (Rect{70, 50, 630, 133}));
}

TEST_F(ScaleTwo, EverySurfacePixelIsOneDevicePixelOnScreen)
{
    for (bool antiAliasing : {false, true}) {
        ShowFullBoard(antiAliasing);
        const QImage screen = OnScreen();
        ASSERT_EQ(screen.size(), QSize(700, 400));
        EXPECT_EQ(screen.devicePixelRatio(), 2.0);
        EXPECT_EQ(screen, view->ComposeSurface().Image()) << antiAliasing;
    }
}

TEST_F(ScaleTwo, BlockEdgesAreOneDevicePixelSharp)
{
    ShowFullBoard(true);
    const QImage screen = OnScreen();
    const auto at = [&screen](int x, int y) { return FromPixel(screen.pixel(x, y)); };
    const ColourValue red = view->Painter().BlockColours()[0];
    const ColourValue yellow = view->Painter().BlockColours()[1];
    // Block (0, 0) spans device columns 50 .. 99 and rows 200 .. 249: its light
    // bevel starts in column 50 right beside the board texture in column 49,
    // its dark bevel ends in column 99 and the yellow block's light bevel
    // begins in column 100. No column between them holds a blend.
    for (int y = 205; y < 245; y += 13) {
        EXPECT_EQ(at(49, y), view->Painter().Background().Pixel(49, y));
        EXPECT_EQ(at(50, y), ShadeLight(red));
        EXPECT_EQ(at(99, y), ShadeDark(red));
        EXPECT_EQ(at(100, y), ShadeLight(yellow));
    }
    for (int x = 55; x < 95; x += 13) {
        EXPECT_EQ(at(x, 199), view->Painter().Background().Pixel(x, 199));
        EXPECT_EQ(at(x, 200), ShadeLight(red));
        EXPECT_EQ(at(x, 249), ShadeDark(red));
    }
}

TEST_F(ScaleTwo, LogicalMousePointsHitTheBlocksUnderThem)
{
    ShowFullBoard(false);
    Release({30, 105});  // device (60, 210)
    EXPECT_EQ(view->Selection(), (MoveList{{0, 0}}));
    EXPECT_EQ(Sounds(), (std::vector<int>{131}));
    Release({24.5, 105});  // device (49, 210): left of the board's first block
    EXPECT_EQ(Sounds().size(), 1u);
    Release({324.5, 174.5});  // device (649, 349): the last block of row 2, another colour
    EXPECT_EQ(Sounds(), (std::vector<int>{131, 133}));
    EXPECT_EQ(view->Selection(), (MoveList{{0, 0}}));
    EXPECT_EQ(view->DevicePoint({30.75, 105.25}), QPoint(61, 210));
}

TEST_F(ScaleTwo, TheSelectedBlockAndTheCursorReachTheScreen)
{
    ShowFullBoard(false);
    Release({30, 105});
    view->HandleKey(Qt::Key_Down);
    view->HandleKey(Qt::Key_Down);  // (0, 1)
    const QImage screen = OnScreen();
    EXPECT_EQ(screen, view->ComposeSurface().Image());
    // The selected block stands two device pixels in; the cursor's outline
    // is two device pixels of dashes along the edge of block (0, 1).
    EXPECT_EQ(FromPixel(screen.pixel(52, 202)), ShadeLight(SelectedTint(view->Painter().BlockColours()[0])));
    EXPECT_EQ(FromPixel(screen.pixel(50, 250)), 0u);
    EXPECT_EQ(FromPixel(screen.pixel(51, 251)), 0u);
    EXPECT_EQ(FromPixel(screen.pixel(57, 250)), 0xFFFFFFu);
}

}  // namespace
