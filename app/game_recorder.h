// The record of the game in play: appended to the journal as it starts, ends and is left.
#pragma once

#include "engine/game_journal.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

// A game is the play of one puzzle from its first move until its board is
// cleared or it is left (another puzzle, or the close). Retry before the end
// is the same game going on: it takes back every move, as Undo would one by
// one, so it cannot begin another game or a player could never lose a run by
// starting over. After a cleared board, nothing more counts until Retry or a
// new puzzle begins a game afresh.
//
// Every append is one small write on the caller's thread; one that fails is
// a line on stderr, never a word during play.
class GameRecorder {
public:
    // What the window knows of the puzzle in play: its settings, its seed,
    // whether it is today's and whether Ironman rules it. The rest of the
    // record is the recorder's.
    using Describe = std::function<GameRecord()>;

    GameRecorder(std::string journalPath, Describe describe);

    // Moves were replayed from the saved game: the game carries on the record
    // the journal holds for this puzzle (the latest not cleared one with the
    // same settings and seed), its id, start, flags and time played so far.
    // With none there, it is recorded afresh at its next move.
    void Resume();
    // Hint or Back to a Solvable Position helped; Solve played.
    void Helped();
    void SolvePlayed();
    // A move was made, by the player or by Solve: the first one starts the
    // game. cleared tells whether the board is now empty.
    void MoveMade(bool cleared);
    // Retry: the same game goes on, or, after a cleared board, the next one
    // waits for its first move.
    void Retried();
    // The game is left for another puzzle or the close; movesMade tells
    // whether it was begun at all (a move made that has not settled yet).
    void Left(bool movesMade);

    // The game's record as last appended or to be appended; none before its
    // first move.
    const std::optional<GameRecord>& Record() const { return record; }
    // Whether the last append failed (its line went to stderr).
    bool AppendFailed() const { return appendFailed; }

private:
    void Start();
    void Append();
    int32_t SecondsPlayed() const;
    void Forget();

    std::string journalPath;
    Describe describe;
    std::optional<GameRecord> record;
    // Help asked for before the first move still helps the game it begins.
    bool helpedBeforeStart = false;
    bool solveBeforeStart = false;
    bool solvePlayed = false;
    bool ended = false;
    bool appendFailed = false;
    // Time played in earlier runs of a resumed game, and since this run took it up.
    int32_t earlierSeconds = 0;
    std::chrono::steady_clock::time_point takenUpAt;
};
