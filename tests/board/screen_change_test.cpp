// A board window dragged between a plain and a twice-dense screen lays itself out again, and back.
#include "board/board_view.h"
#include "engine/puzzle.h"
#include "engine/random.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ScreenChange : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        SeedRandom(12345);
        puzzle = std::make_unique<Puzzle>();
        view = std::make_unique<BoardView>();
        view->SetPuzzle(puzzle.get());
        puzzle->SetBoardView(view.get());
        PlayerPreferences quiet = view->Preferences();
        quiet.soundEffects = false;
        view->ApplyPreferences(quiet);
        view->resize(350, 200);
        MoveTo(QPoint(100, 100), QStringLiteral("plain"));
        view->show();
        view->Tick();
    }

    void TearDown() override
    {
        puzzle->SetBoardView(nullptr);
        view.reset();
    }

    void MoveTo(QPoint topLeft, const QString& screen)
    {
        view->move(topLeft);
        // The window system reports the new screen through the event loop;
        // the board follows as the window is told.
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->screen()->name() == screen; }, 10000))
            << "still on " << view->screen()->name().toStdString();
    }

    std::unique_ptr<Puzzle> puzzle;
    std::unique_ptr<BoardView> view;
};

TEST_F(ScreenChange, TheBoardFollowsTheScreensDensityBothWays)
{
    EXPECT_EQ(view->Geometry().clientWidth, 350);
    EXPECT_EQ(view->Geometry().blockSize, 24);
    view->HandleKey(Qt::Key_Down);  // the cursor goes along
    MoveTo(QPoint(1100, 100), QStringLiteral("dense"));
    EXPECT_EQ(view->size(), QSize(350, 200));
    EXPECT_EQ(view->Geometry().clientWidth, 700);
    EXPECT_EQ(view->Geometry().clientHeight, 400);
    EXPECT_EQ(view->Geometry().blockSize, 50);
    EXPECT_TRUE(view->Cursor().Shown());
    const QImage dense = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(dense, view->ComposeSurface().Image());
    MoveTo(QPoint(100, 100), QStringLiteral("plain"));
    EXPECT_EQ(view->Geometry().clientWidth, 350);
    EXPECT_EQ(view->Geometry().blockSize, 24);
}

}  // namespace
