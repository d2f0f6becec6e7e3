// A board view on a hand-made puzzle, laid out at 700 x 400 off screen.
#pragma once

#include "board/board_view.h"
#include "engine/puzzle.h"
#include "engine/random.h"
#include "tests/support/recorded_effects.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

// The test program's environment makes the application before the first test.
inline void EnsureApplication()
{
    ASSERT_NE(QApplication::instance(), nullptr);
}

class BoardFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        SeedRandom(12345);
        puzzle = std::make_unique<Puzzle>();
        NewView();
    }

    // A board view as it comes, on the fixture's puzzle, its symbols drawn
    // from the fixture's seed, its effects written into `sounds`.
    void NewView()
    {
        puzzle->SetBoardView(nullptr);
        view.reset();
        SeedRandom(12345);
        view = std::make_unique<BoardView>(nullptr, std::make_unique<RecordedEffects>(sounds));
        view->SetPuzzle(puzzle.get());
        puzzle->SetBoardView(view.get());
    }

    void SetPreferences(bool antiAliasing, bool soundEffects = true)
    {
        PlayerPreferences preferences = view->Preferences();
        preferences.antiAliasing = antiAliasing;
        preferences.soundEffects = soundEffects;
        view->ApplyPreferences(preferences);
    }

    void TearDown() override
    {
        puzzle->SetBoardView(nullptr);
        view.reset();
        puzzle.reset();
    }

    // These rows (the rest empty), with the settings to match, then a full
    // layout at width x height and one Refresh tick.
    void UseBoard(std::initializer_list<std::vector<int32_t>> rows, int rowWidth, int colours, int minRemove,
                  int maxRemove, bool antiAliasing = false, int width = 700, int height = 400)
    {
        RowSet board;
        size_t r = 0;
        for (const auto& row : rows)
            board[r++] = row;
        puzzle->Start({rowWidth, static_cast<int32_t>(rows.size()), colours, minRemove, maxRemove}, board, {});
        SetPreferences(antiAliasing, view->Preferences().soundEffects);
        view->SizeChanged(width, height);
        view->ResetBoard();
        view->Tick();
        sounds.clear();
    }

    // Three full rows of 12 in the default settings' shape.
    void UseFullBoard(bool antiAliasing = false)
    {
        std::vector<int32_t> row(12);
        for (int i = 0; i < 12; ++i)
            row[static_cast<size_t>(i)] = i % 5;
        UseBoard({row, row, row}, 12, 5, 3, 3, antiAliasing);
    }

    void Click(int32_t index, int32_t row)
    {
        const auto length = static_cast<int32_t>(puzzle->Rows()[static_cast<size_t>(row)].size());
        const Rect cell = view->Geometry().BlockRect(index, row, length);
        view->LeftButtonUp((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    }

    // A painter of the test's own, laid out as the view's is now and with the
    // symbols the view drew from the fixture's seed: a block it draws looks
    // as the view draws it.
    BoardPainter& PainterLikeTheView()
    {
        SeedRandom(12345);
        painter.ShuffleSymbols();
        EXPECT_EQ(painter.Symbols(), view->Painter().Symbols());
        painter.SetBlockColours(view->Painter().BlockColours());
        painter.SetAntiAliasing(view->Painter().AntiAliasing());
        painter.MakeSurfaces(view->Geometry().clientWidth, view->Geometry().clientHeight);
        painter.Layout(view->Geometry(), view->BoardRect());
        return painter;
    }

    // The effects asked for since the board was set up or last cleared.
    std::vector<int> Sounds() const { return sounds; }
    int LastSound() const { return LastOf(sounds); }

    // Ticks until the board is back in Idle; the number of ticks taken.
    int TicksToIdle()
    {
        int ticks = 0;
        while (view->Phase() != PHASE_IDLE && ticks < 100) {
            view->Tick();
            ++ticks;
        }
        return ticks;
    }

    std::vector<int> sounds;
    BoardPainter painter;
    std::unique_ptr<Puzzle> puzzle;
    std::unique_ptr<BoardView> view;
};
