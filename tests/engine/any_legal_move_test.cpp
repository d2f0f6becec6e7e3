// Whether any move is left, checked against a search over every small board.
#include "engine/move_rule.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int32_t COLOURS = 3;
constexpr int32_t LONGEST_ROW = 4;
constexpr int32_t MOST_ROWS = 3;

// Every row of up to LONGEST_ROW blocks, as far as the rule can tell them
// apart: only a row's ends can ever be taken, so its inner blocks get a colour
// neither end has (when there is one). Code that reads an inner block as an
// end then finds the wrong colour there.
std::vector<BlockRow> EveryRow()
{
    std::vector<BlockRow> rows{{}};
    for (int32_t colour = 0; colour < COLOURS; ++colour) {
        rows.push_back({colour});
    }
    for (int32_t length = 2; length <= LONGEST_ROW; ++length) {
        for (int32_t left = 0; left < COLOURS; ++left) {
            for (int32_t right = 0; right < COLOURS; ++right) {
                const int32_t inner = left != right ? 3 - left - right : (left + 1) % COLOURS;
                BlockRow row(static_cast<std::size_t>(length), inner);
                row.front() = left;
                row.back() = right;
                rows.push_back(row);
            }
        }
    }
    return rows;
}

// The rule does not care about the order of the rows or the names of the
// colours, so one board of each kind is enough: rows in the order of
// EveryRow, and the colours at row ends first met in the order 0, 1, 2.
bool FirstOfItsKind(const RowSet& rows, int32_t rowCount, const std::vector<std::size_t>& kinds)
{
    for (std::size_t r = 1; r < kinds.size(); ++r) {
        if (kinds[r] < kinds[r - 1])
            return false;
    }
    int32_t nextNew = 0;
    for (int32_t r = 0; r < rowCount; ++r) {
        if (rows[r].empty())
            continue;
        for (const int32_t colour : {rows[r].front(), rows[r].back()}) {
            if (colour > nextNew)
                return false;
            if (colour == nextNew)
                ++nextNew;
        }
    }
    return true;
}

std::vector<BlockRef> RowEnds(const RowSet& rows, int32_t rowCount)
{
    std::vector<BlockRef> ends;
    for (int32_t r = 0; r < rowCount; ++r) {
        const auto length = static_cast<int32_t>(rows[r].size());
        if (length >= 1)
            ends.push_back({0, r});
        if (length >= 2)
            ends.push_back({length - 1, r});
    }
    return ends;
}

// Bit k is set when some k row ends make a legal move of k blocks.
uint32_t SizesOfLegalMoves(const RowSet& rows, int32_t rowCount, const std::vector<BlockRef>& ends)
{
    uint32_t sizes = 0;
    for (uint32_t subset = 1; subset < (1u << ends.size()); ++subset) {
        MoveList move;
        for (std::size_t e = 0; e < ends.size(); ++e) {
            if ((subset >> e & 1u) != 0)
                move.push_back(ends[e]);
        }
        const auto size = static_cast<int32_t>(std::popcount(subset));
        const PuzzleSettings exactly{LONGEST_ROW, rowCount, COLOURS, size, size};
        if (IsLegalMove(rows, exactly, move))
            sizes |= 1u << size;
    }
    return sizes;
}

std::string Describe(const RowSet& rows, int32_t rowCount, int32_t lo, int32_t hi)
{
    std::ostringstream text;
    for (int32_t r = 0; r < rowCount; ++r) {
        text << '[';
        for (const int32_t colour : rows[r]) {
            text << colour;
        }
        text << ']';
    }
    text << " taking " << lo << ".." << hi;
    return text.str();
}

}  // namespace

// Up to three rows of up to four blocks in up to three colours, each taking
// every minimum and maximum up to one past the row ends on the board; the row
// after the last one in play holds a move that must not count.
TEST(AnyLegalMove, AgreesWithASearchOverEverySetOfRowEndsOnEverySmallBoard)
{
    const std::vector<BlockRow> everyRow = EveryRow();
    int boards = 0;
    for (int32_t rowCount = 1; rowCount <= MOST_ROWS; ++rowCount) {
        std::vector<std::size_t> kinds(static_cast<std::size_t>(rowCount), 0);
        for (;;) {
            RowSet rows;
            ClearRows(rows);
            for (int32_t r = 0; r < rowCount; ++r) {
                rows[r] = everyRow[kinds[static_cast<std::size_t>(r)]];
            }
            rows[rowCount] = {0, 0, 0};
            if (FirstOfItsKind(rows, rowCount, kinds)) {
                ++boards;
                const std::vector<BlockRef> ends = RowEnds(rows, rowCount);
                const uint32_t sizes = SizesOfLegalMoves(rows, rowCount, ends);
                const auto most = static_cast<int32_t>(ends.size()) + 1;
                for (int32_t lo = 1; lo <= most; ++lo) {
                    for (int32_t hi = lo; hi <= most; ++hi) {
                        const PuzzleSettings settings{LONGEST_ROW, rowCount, COLOURS, lo, hi};
                        const uint32_t window = ((1u << (hi - lo + 1)) - 1) << lo;
                        ASSERT_EQ(AnyLegalMove(rows, settings), (sizes & window) != 0)
                            << Describe(rows, rowCount, lo, hi);
                    }
                }
            }
            int32_t r = rowCount - 1;
            while (r >= 0 && ++kinds[static_cast<std::size_t>(r)] == everyRow.size()) {
                kinds[static_cast<std::size_t>(r)] = 0;
                --r;
            }
            if (r < 0)
                break;
        }
    }
    EXPECT_EQ(boards, 1345);
}
