// A board view on a hand-made puzzle, laid out at 700 x 400 off screen.
#pragma once

#include "board/board_view.h"
#include "engine/puzzle.h"
#include "engine/random.h"

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
    // from the fixture's seed.
    void NewView()
    {
        puzzle->SetBoardView(nullptr);
        view.reset();
        SeedRandom(12345);
        view = std::make_unique<BoardView>();
        view->SetPuzzle(puzzle.get());
        puzzle->SetBoardView(view.get());
    }

    void SetPreferences(bool antiAliasing, bool soundEffects = true)
    {
        BoardPreferences preferences = view->Preferences();
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
        view->Effects().ClearRequested();
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
        const Rect cell = view->BlockRect(index, row, static_cast<int32_t>(puzzle->Rows()[static_cast<size_t>(row)].size()));
        view->LeftButtonUp((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    }

    std::vector<int> Sounds() const { return view->Effects().Requested(); }

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

    std::unique_ptr<Puzzle> puzzle;
    std::unique_ptr<BoardView> view;
};
