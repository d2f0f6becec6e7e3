// Shared helpers of the engine tests: a view double, move groups, an
// independent check of the rule of a move, and the legal play options.
#pragma once

#include "engine/move_list.h"
#include "engine/puzzle.h"
#include "engine/puzzle_settings.h"
#include "engine/puzzle_view.h"
#include "engine/row_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace engine_test {

// Sanitizer builds check every allocation, which makes each generated puzzle
// many times slower: they run the same properties over a share of the seeds,
// and the plain build covers them all.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr uint32_t SEED_SHARE = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr uint32_t SEED_SHARE = 4;
#else
inline constexpr uint32_t SEED_SHARE = 1;
#endif
#else
inline constexpr uint32_t SEED_SHARE = 1;
#endif

class CountingView : public PuzzleView {
public:
    void ResetBoard() override { calls.push_back('R'); }

    std::vector<char> calls;
};

inline MoveList Blocks(std::initializer_list<BlockRef> blocks)
{
    return MoveList(blocks);
}

struct Group {
    int32_t colour = 0;
    MoveList blocks;
};

// The groups of a solution in order of play; empty when it is not a sequence
// of (colour, blocks, marker) groups.
inline std::vector<Group> GroupsOf(const MoveList& solution)
{
    std::vector<Group> groups;
    Group current;
    bool open = false;
    for (const BlockRef& entry : solution) {
        if (entry.index == COLOUR_TAG && !open) {
            current = Group{entry.row, {}};
            open = true;
        } else if (entry.IsBlock() && open) {
            current.blocks.push_back(entry);
        } else if (entry == MoveMarker() && open && !current.blocks.empty()) {
            groups.push_back(current);
            open = false;
        } else {
            ADD_FAILURE() << "solution is not a sequence of groups";
            return {};
        }
    }
    EXPECT_FALSE(open) << "solution ends inside a group";
    return groups;
}

// The rule of a move, written out plainly as a player would check it.
inline ::testing::AssertionResult ObeysRule(const RowSet& rows, const PuzzleSettings& settings,
                                            const Group& group)
{
    const auto count = static_cast<int32_t>(group.blocks.size());
    if (count < settings.minRemove || count > settings.maxRemove) {
        return ::testing::AssertionFailure() << "takes " << count << " blocks";
    }
    for (auto block = group.blocks.begin(); block != group.blocks.end(); ++block) {
        if (block->row < 0 || block->row >= settings.rowCount) {
            return ::testing::AssertionFailure() << "row " << block->row << " not in play";
        }
        const BlockRow& row = rows[block->row];
        const int32_t last = static_cast<int32_t>(row.size()) - 1;
        if (row.empty() || (block->index != 0 && block->index != last)) {
            return ::testing::AssertionFailure()
                << "block (" << block->index << ", " << block->row << ") not at a row end";
        }
        if (row[block->index] != group.colour) {
            return ::testing::AssertionFailure() << "block of another colour";
        }
        for (auto other = std::next(block); other != group.blocks.end(); ++other) {
            if (*other == *block) {
                return ::testing::AssertionFailure() << "block taken twice";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

inline int32_t TotalBlocks(const RowSet& rows)
{
    ColourCounters counters;
    return CountBlocks(rows, MAX_ROWS, counters);
}

// Every combination the play options' pickers can set, with
// 2 <= min <= max <= min(18, 2 * rows - 2). The callers check the count, so a
// changed choice shows.
inline std::vector<PuzzleSettings> AllPlayOptions()
{
    std::vector<PuzzleSettings> all;
    const SettingChoices colourChoices = COLOUR_COUNT_CHOICES;
    const SettingChoices rowChoices = ROW_COUNT_CHOICES;
    const SettingChoices widthChoices = ROW_WIDTH_CHOICES;
    for (int32_t colours = colourChoices.low; colours <= colourChoices.high;
         colours += colourChoices.step) {
        for (int32_t rowCount = rowChoices.low; rowCount <= rowChoices.high;
             rowCount += rowChoices.step) {
            for (int32_t width = widthChoices.low; width <= widthChoices.high;
                 width += widthChoices.step) {
                const int32_t highest =
                    std::min(MAX_REMOVE_CHOICES.high, MostRemovableChoice(rowCount));
                for (int32_t least = MIN_REMOVE_CHOICES.low; least <= highest; ++least) {
                    for (int32_t most = least; most <= highest; ++most) {
                        all.push_back({width, rowCount, colours, least, most});
                    }
                }
            }
        }
    }
    return all;
}

}  // namespace engine_test
