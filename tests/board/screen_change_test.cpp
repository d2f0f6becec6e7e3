// A board window dragged between a plain and a twice-dense screen lays itself
// out again for the new device pixels, and back.
#include "board/board_view.h"
#include "engine/puzzle.h"
#include "engine/random.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Qt's offscreen platform reads its screens from a file named on the
// platform's command line.
const char SCREENS[] = R"({
  "screens": [
    { "name": "plain", "x": 0, "y": 0, "width": 1000, "height": 800, "logicalDpi": 96, "dpr": 1 },
    { "name": "dense", "x": 1000, "y": 0, "width": 1000, "height": 800, "logicalDpi": 96, "dpr": 2 }
  ]
})";

class TwoScreens : public ::testing::Environment {
public:
    void SetUp() override
    {
        const QString path = QDir::current().absoluteFilePath(QStringLiteral("board_two_screens.json"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(SCREENS);
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
        static int argc = 1;
        static char name[] = "board_screen_change_tests";
        static char* argv[] = {name, nullptr};
        application = new QApplication(argc, argv);
    }

    void TearDown() override
    {
        delete application;
        application = nullptr;
    }

private:
    QApplication* application = nullptr;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new TwoScreens);

class ScreenChange : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        SeedRandom(12345);
        puzzle = std::make_unique<Puzzle>();
        view = std::make_unique<BoardView>();
        view->puzzle = puzzle.get();
        puzzle->boardView = view.get();
        view->soundEffects = false;
        view->resize(350, 200);
        MoveTo(QPoint(100, 100), QStringLiteral("plain"));
        view->show();
        view->Tick();
    }

    void TearDown() override
    {
        puzzle->boardView = nullptr;
        view.reset();
    }

    void MoveTo(QPoint topLeft, const QString& screen)
    {
        view->move(topLeft);
        QTest::qWait(20);
        ASSERT_EQ(view->screen()->name(), screen);
    }

    std::unique_ptr<Puzzle> puzzle;
    std::unique_ptr<BoardView> view;
};

TEST_F(ScreenChange, TheBoardFollowsTheScreensDensityBothWays)
{
    EXPECT_EQ(view->clientWidth, 350);
    EXPECT_EQ(view->blockSize, 24);
    view->HandleKey(Qt::Key_Down);  // the cursor goes along
    MoveTo(QPoint(1100, 100), QStringLiteral("dense"));
    EXPECT_EQ(view->size(), QSize(350, 200));
    EXPECT_EQ(view->clientWidth, 700);
    EXPECT_EQ(view->clientHeight, 400);
    EXPECT_EQ(view->blockSize, 50);
    EXPECT_TRUE(view->keyCursor.shown);
    const QImage dense = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(dense, view->composeSurface.Image());
    MoveTo(QPoint(100, 100), QStringLiteral("plain"));
    EXPECT_EQ(view->clientWidth, 350);
    EXPECT_EQ(view->blockSize, 24);
}

}  // namespace
