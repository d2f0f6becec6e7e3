// Builds a puzzle backwards from the empty board: every step adds a group of
// same-coloured blocks at row ends, which is a legal move played in reverse.
#include "engine/generator.h"

#include <algorithm>
#include <array>

#include "engine/random.h"

namespace {

constexpr int MAX_ATTEMPTS = 10;

enum SlotState : int {
    SLOT_FREE = 0,
    SLOT_CHOSEN = 1,
    SLOT_BLOCKED = 999,
};

struct Slots {
    std::array<int, MAX_ROWS> left{};
    std::array<int, MAX_ROWS> right{};
};

// A row one short of full takes its last block at the right end only, so the
// left slot closes one block earlier than the right.
int MarkSlots(const RowSet& rows, const PuzzleSettings& settings, Slots& slots)
{
    int freeSlots = 0;
    for (int r = 0; r < settings.rowCount; ++r) {
        const auto length = static_cast<int32_t>(rows[r].size());
        slots.left[r] = length >= settings.rowWidth - 1 ? SLOT_BLOCKED : SLOT_FREE;
        slots.right[r] = length >= settings.rowWidth ? SLOT_BLOCKED : SLOT_FREE;
        freeSlots += (slots.left[r] == SLOT_FREE) + (slots.right[r] == SLOT_FREE);
    }
    return freeSlots;
}

int32_t DrawBlockCount(const PuzzleSettings& settings, int freeSlots)
{
    const int32_t most = std::min<int32_t>(freeSlots, settings.maxRemove);
    if (most > settings.minRemove) {
        return settings.minRemove + Random() % (most - settings.minRemove + 1);
    }
    return settings.minRemove;
}

void ChooseSlots(const PuzzleSettings& settings, int32_t count, Slots& slots)
{
    for (int32_t chosen = 0; chosen < count;) {
        const int32_t row = Random() % settings.rowCount;
        const int32_t side = Random() & 1;
        int& slot = side == 0 ? slots.left[row] : slots.right[row];
        if (slot == SLOT_FREE) {
            slot = SLOT_CHOSEN;
            ++chosen;
        }
    }
}

// The move's blocks in the order its solution entry lists them: from the
// highest row to the lowest, and within a row the right end before the left.
MoveList PlaceBlocks(RowSet& rows, const PuzzleSettings& settings, const Slots& slots,
                     int32_t colour)
{
    MoveList blocks;
    for (int32_t r = 0; r < settings.rowCount; ++r) {
        BlockRow& row = rows[r];
        if (slots.left[r] == SLOT_CHOSEN) {
            row.insert(row.begin(), colour);
            blocks.push_front({0, r});
        }
        if (slots.right[r] == SLOT_CHOSEN) {
            row.push_back(colour);
            blocks.push_front({static_cast<int32_t>(row.size()) - 1, r});
        }
    }
    return blocks;
}

// One move played in reverse; false when too few free slots remain for it.
bool AddReverseStep(RowSet& rows, const PuzzleSettings& settings, MoveList& solution)
{
    Slots slots;
    const int freeSlots = MarkSlots(rows, settings, slots);
    if (freeSlots < settings.minRemove) {
        return false;
    }
    const int32_t count = DrawBlockCount(settings, freeSlots);
    ChooseSlots(settings, count, slots);
    const int32_t colour = Random() % settings.colourCount;
    PrependSolutionEntry(solution, {colour, PlaceBlocks(rows, settings, slots, colour)});
    return true;
}

int CountColoursShown(const RowSet& rows, int32_t rowCount)
{
    ColourCounters counters;
    CountBlocks(rows, rowCount, counters);
    return static_cast<int>(std::count_if(counters.begin(), counters.end(),
                                          [](int32_t n) { return n > 0; }));
}

}  // namespace

void Generate(RowSet& rows, const PuzzleSettings& settings, MoveList& solution)
{
    for (int attempt = 1; attempt <= MAX_ATTEMPTS; ++attempt) {
        solution.clear();
        ClearRows(rows);
        while (AddReverseStep(rows, settings, solution)) {
        }
        if (CountColoursShown(rows, settings.rowCount) == settings.colourCount) {
            return;
        }
    }
}
