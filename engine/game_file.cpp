// "GAME.SAV": the moves made so far, checked one by one on the board as
// replayed before any of them reaches the puzzle in play.
#include "engine/game_file.h"

#include "engine/archive_reader.h"
#include "engine/archive_writer.h"
#include "engine/move_rule.h"
#include "engine/puzzle.h"
#include "engine/whole_file.h"

namespace {

// The longest game on the largest board is a few kilobytes.
constexpr std::size_t MAX_GAME_FILE_BYTES = 1u << 20;
constexpr std::size_t BLOCK_ENTRY_BYTES = 8;

constexpr const char* CUT_SHORT = PLAYER_TEXT("FileReport", "cut short");

bool ReadSettings(ArchiveReader& in, PuzzleSettings& settings)
{
    return in.ReadInt(settings.rowWidth) && in.ReadInt(settings.rowCount)
        && in.ReadInt(settings.colourCount) && in.ReadInt(settings.minRemove)
        && in.ReadInt(settings.maxRemove);
}

enum class Header { Same, Other, CutShort, Foreign };

// Whether the file names the puzzle in play: its settings and, cell by cell,
// the rows it started from.
Header ReadHeader(ArchiveReader& in, const Puzzle& puzzle)
{
    uint32_t magic = 0;
    if (!in.ReadWord(magic)) {
        return Header::CutShort;
    }
    if (magic != GAME_FILE_MAGIC) {
        return Header::Foreign;
    }
    PuzzleSettings settings;
    if (!ReadSettings(in, settings)) {
        return Header::CutShort;
    }
    if (settings != puzzle.Settings()) {
        return Header::Other;
    }
    for (int32_t r = 0; r < settings.rowCount; ++r) {
        const BlockRow& row = puzzle.InitialRows()[static_cast<std::size_t>(r)];
        uint32_t length = 0;
        if (!in.ReadWord(length)) {
            return Header::CutShort;
        }
        if (length != row.size()) {
            return Header::Other;
        }
        for (const int32_t expected : row) {
            int32_t code = 0;
            if (!in.ReadInt(code)) {
                return Header::CutShort;
            }
            if (code != expected) {
                return Header::Other;
            }
        }
    }
    return Header::Same;
}

bool BoardEmpty(const Puzzle& puzzle)
{
    ColourCounters counters{};
    return CountBlocks(puzzle.Rows(), puzzle.Settings().rowCount, counters) == 0;
}

// The moves of the history in the order made, as ApplyMove takes them.
std::vector<MoveList> MovesOf(const Puzzle& puzzle)
{
    std::vector<MoveList> moves;
    for (const BlockRef& entry : puzzle.History()) {
        if (entry.IsMoveMarker()) {
            moves.emplace_back();
        } else if (entry.IsBlock() && !moves.empty()) {
            moves.back().push_back(entry);
        }
    }
    return moves;
}

}  // namespace

std::vector<uint8_t> SerializeGameFile(const Puzzle& puzzle, bool withMoves)
{
    ArchiveWriter out;
    const PuzzleSettings& settings = puzzle.Settings();
    out.WriteWord(GAME_FILE_MAGIC);
    out.WriteInt(settings.rowWidth);
    out.WriteInt(settings.rowCount);
    out.WriteInt(settings.colourCount);
    out.WriteInt(settings.minRemove);
    out.WriteInt(settings.maxRemove);
    for (int32_t r = 0; r < settings.rowCount; ++r) {
        const BlockRow& row = puzzle.InitialRows()[static_cast<std::size_t>(r)];
        out.WriteWord(static_cast<uint32_t>(row.size()));
        for (const int32_t code : row) {
            out.WriteInt(code);
        }
    }
    out.WriteWord(puzzle.Seed().has_value() ? 1 : 0);
    out.WriteWord(puzzle.Seed().value_or(0));
    // A cleared board resumed would greet the player with nothing to play.
    const std::vector<MoveList> moves =
        withMoves && !BoardEmpty(puzzle) ? MovesOf(puzzle) : std::vector<MoveList>();
    out.WriteWord(static_cast<uint32_t>(moves.size()));
    for (const MoveList& move : moves) {
        out.WriteWord(static_cast<uint32_t>(move.size()));
        for (const BlockRef& block : move) {
            out.WriteInt(block.index);
            out.WriteInt(block.row);
        }
    }
    return out.Bytes();
}

GameFileRead ParseGameFile(const std::vector<uint8_t>& bytes, Puzzle& puzzle,
                           std::string* reason)
{
    std::string ignored;
    std::string& why = reason != nullptr ? *reason : ignored;
    why.clear();
    const auto damaged = [&why](const char* words) {
        why = words;
        return GameFileRead::Damaged;
    };
    ArchiveReader in(bytes);
    switch (ReadHeader(in, puzzle)) {
    case Header::Same:
        break;
    case Header::Other:
        return GameFileRead::OtherPuzzle;
    case Header::CutShort:
        return damaged(bytes.empty() ? PLAYER_TEXT("FileReport", "empty") : CUT_SHORT);
    case Header::Foreign:
        return damaged(PLAYER_TEXT("FileReport", "not a saved game"));
    }
    uint32_t seedKnown = 0;
    uint32_t seed = 0;
    uint32_t moveCount = 0;
    if (!in.ReadWord(seedKnown) || !in.ReadWord(seed) || !in.ReadWord(moveCount)) {
        return damaged(CUT_SHORT);
    }
    if (seedKnown > 1) {
        return damaged(PLAYER_TEXT("FileReport", "a seed neither known nor unknown"));
    }
    // Replayed on a copy first: the puzzle in play sees only a whole, legal game.
    Puzzle trial = puzzle;
    trial.SetBoardView(nullptr);
    trial.Retry();
    std::vector<MoveList> moves;
    for (uint32_t m = 0; m < moveCount; ++m) {
        uint32_t blockCount = 0;
        if (!in.ReadWord(blockCount) || blockCount > in.Remaining() / BLOCK_ENTRY_BYTES) {
            return damaged(CUT_SHORT);
        }
        MoveList move;
        for (uint32_t b = 0; b < blockCount; ++b) {
            BlockRef block;
            in.ReadInt(block.index);
            in.ReadInt(block.row);
            move.push_back(block);
        }
        if (!IsLegalMove(trial.Rows(), trial.Settings(), move)) {
            return damaged(PLAYER_TEXT("FileReport", "a move that cannot be made"));
        }
        trial.ApplyMove(move);
        moves.push_back(std::move(move));
    }
    if (in.Remaining() != 0) {
        return damaged(PLAYER_TEXT("FileReport", "bytes after the last move"));
    }
    if (!moves.empty() && BoardEmpty(trial)) {
        return damaged(PLAYER_TEXT("FileReport", "a finished game"));
    }
    if (seedKnown == 1) {
        puzzle.AdoptSeed(seed);
    }
    if (moves.empty()) {
        return GameFileRead::NoMoves;
    }
    puzzle.Retry();
    for (const MoveList& move : moves) {
        puzzle.ApplyMove(move);
    }
    return GameFileRead::Resumed;
}

GameFileRead LoadGameFile(const std::string& path, Puzzle& puzzle, FileReport* report)
{
    FileReport ignored;
    FileReport& line = report != nullptr ? *report : ignored;
    std::vector<uint8_t> bytes;
    switch (ReadWholeFileOrReport(path, MAX_GAME_FILE_BYTES, bytes,
                                  OwnWords(PLAYER_TEXT("FileReport", "starting at the start of the puzzle")),
                                  &line)) {
    case WholeFileRead::Read:
        break;
    case WholeFileRead::Missing:
        return GameFileRead::Missing;
    case WholeFileRead::Unreadable:
    case WholeFileRead::TooLarge:
        return GameFileRead::Unreadable;
    }
    std::string reason;
    const GameFileRead result = ParseGameFile(bytes, puzzle, &reason);
    if (result == GameFileRead::Damaged) {
        //: The file's path, then why its moves were ignored.
        line = {PLAYER_TEXT("FileReport",
                            "ignored the saved moves in %1: %2; starting at the start of the puzzle"),
                {WordsAsTheyAre(DisplayPath(path)), OwnWords(reason.c_str())}};
    }
    return result;
}

bool SaveGameFile(const std::string& path, const Puzzle& puzzle, bool withMoves,
                  FileReport* report)
{
    return ReplaceFileOrReport(path, SerializeGameFile(puzzle, withMoves), report);
}

FileReport UnreadGameFileKeptReport(const std::string& path)
{
    //: At closing: the file of moves that could not be read at start was left alone.
    return {PLAYER_TEXT("FileReport", "moves not saved: %1 could not be read at start, so it is left as it was"),
            {WordsAsTheyAre(DisplayPath(path))}};
}
