// The games read so far, one per id, the last record of each in the place
// of its first: the reader's index of 100,000 games.
#pragma once

#include "game_journal.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class SlotsById {
public:
    // Fills games, with room made for about expected games.
    SlotsById(std::vector<GameRecord>& games, std::size_t expected);

    // Adds the record's game, or replaces the record of a game already there.
    void Record(const GameRecord& record);

private:
    uint32_t* Probe(uint64_t id);
    void Grow();

    std::vector<GameRecord>& games;
    // Open addressing, four bytes a place so that the table stays in the
    // cache: the place of a game among games, or FREE.
    std::vector<uint32_t> places;
};
