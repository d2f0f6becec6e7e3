// Helpers of the saved state file tests: records with recognisable values,
// files built from hand-made puzzles, and the check that a puzzle is whole.
#pragma once

#include "engine/puzzle.h"
#include "engine/random.h"
#include "engine/state_file.h"

#include "engine_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace engine_test {

inline MainWindowRecord SampleMainRecord()
{
    MainWindowRecord main;
    main.windowRect = {100, 50, 900, 700};
    main.soundEffects = false;
    for (uint32_t i = 0; i < main.blockColours.size(); ++i) {
        main.blockColours[i] = 0x00102030u + i;
    }
    main.ironman = true;
    main.antiAliasing = false;
    return main;
}

inline MusicRecord SampleMusicRecord()
{
    return MusicRecord{false, "my/midi"};
}

// A puzzle generated for settings from a fixed seed.
inline Puzzle GeneratedPuzzle(const PuzzleSettings& settings, uint32_t seed)
{
    Puzzle puzzle;
    SeedRandom(seed);
    puzzle.NewGame(settings);
    return puzzle;
}

// A file holding the given settings and solution, trusted or not.
inline std::vector<uint8_t> FileWithSolution(const PuzzleSettings& settings,
                                             const MoveList& solution)
{
    Puzzle puzzle;
    puzzle.Start(settings, RowSet{}, solution);
    return SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), puzzle);
}

inline void PutWord(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
    }
}

inline uint32_t WordAt(const std::vector<uint8_t>& bytes, std::size_t offset)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | bytes.at(offset + i);
    }
    return value;
}

// What must hold of the puzzle after any read, however damaged the file:
// settings the engine can handle, a board at the start of its puzzle, and a
// solution that plays legally to the empty board.
inline ::testing::AssertionResult IsWholePlayablePuzzle(const Puzzle& puzzle)
{
    const PuzzleSettings& settings = puzzle.Settings();
    if (!settings.WithinEngineLimits()) {
        return ::testing::AssertionFailure() << "settings outside the engine's limits";
    }
    if (puzzle.Rows() != puzzle.InitialRows() || !puzzle.History().empty()) {
        return ::testing::AssertionFailure() << "not at the start of its puzzle";
    }
    for (int r = 0; r < MAX_ROWS; ++r) {
        const BlockRow& row = puzzle.Rows()[r];
        if (static_cast<int32_t>(row.size()) > (r < settings.rowCount ? settings.rowWidth : 0)) {
            return ::testing::AssertionFailure() << "row " << r << " too long";
        }
        for (int32_t colour : row) {
            if (colour < 0 || colour >= settings.colourCount) {
                return ::testing::AssertionFailure() << "colour " << colour << " not in play";
            }
        }
    }
    RowSet rows = puzzle.Rows();
    for (const Group& group : GroupsOf(puzzle.Solution())) {
        auto legal = ObeysRule(rows, settings, group);
        if (!legal) {
            return legal;
        }
        for (const BlockRef& block : group.blocks) {
            rows[block.row][block.index] = REMOVED_BLOCK;
        }
        for (BlockRow& row : rows) {
            std::erase(row, REMOVED_BLOCK);
        }
    }
    if (TotalBlocks(rows) != 0) {
        return ::testing::AssertionFailure() << "solution leaves blocks";
    }
    return ::testing::AssertionSuccess();
}

inline std::vector<uint8_t> Bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

// Every name under folder with what it is: a file's bytes, a link's target.
inline std::map<std::string, std::string> Listing(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> listing;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string relative = entry.path().lexically_relative(folder);
        if (entry.is_symlink()) {
            listing[relative] = "link to " + std::filesystem::read_symlink(entry.path()).string();
        } else if (entry.is_regular_file()) {
            const auto bytes = Bytes(entry.path());
            listing[relative] = std::string(bytes.begin(), bytes.end());
        } else {
            listing[relative] = entry.is_directory() ? "folder" : "other";
        }
    }
    return listing;
}

}  // namespace engine_test
