// The solver's working board: spans of rows, colour counts and position keys.
#include "engine/solver_position.h"

#include <algorithm>

uint64_t MixBits(uint64_t x)
{
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 31;
    return x;
}

namespace {

// Per hash: where a row's hash starts, and what a colour adds.
constexpr uint64_t HASH_START[2] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull};
constexpr uint64_t HASH_STEP[2] = {0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full};

uint64_t Extend(uint64_t hash, int32_t colour, int which)
{
    return MixBits(hash + static_cast<uint64_t>(colour + 1) * HASH_STEP[which]);
}

// Read forwards and backwards, a row gives the two values in either order.
uint64_t Unordered(uint64_t forwards, uint64_t backwards)
{
    return MixBits(std::min(forwards, backwards) * 0xD6E8FEB86659FD93ull
               + std::max(forwards, backwards));
}

}  // namespace

bool SolverPosition::Load(const RowSet& rows, const PuzzleSettings& given)
{
    settings = given;
    rowCount = std::clamp<int32_t>(given.rowCount, 0, MAX_ROWS);
    int32_t longest = 0;
    for (int32_t r = 0; r < rowCount; ++r) {
        const BlockRow& row = rows[r];
        if (row.size() > static_cast<std::size_t>(MAX_ROW_WIDTH)) {
            return false;
        }
        for (std::size_t p = 0; p < row.size(); ++p) {
            if (row[p] < 0 || row[p] >= MAX_COLOURS) {
                return false;
            }
            cells[r][p] = static_cast<int8_t>(row[p]);
        }
        lo[r] = 0;
        hi[r] = static_cast<int32_t>(row.size());
        longest = std::max(longest, hi[r]);
    }
    stride = longest + 1;
    for (int which = 0; which < 2; ++which) {
        std::vector<uint64_t>& spans = spanHashes[which];
        spans.assign(static_cast<std::size_t>(rowCount) * stride * stride, 0);
        std::vector<uint64_t> forwards(spans.size());
        std::vector<uint64_t> backwards(spans.size());
        for (int32_t r = 0; r < rowCount; ++r) {
            const std::size_t base = static_cast<std::size_t>(r) * stride * stride;
            for (int32_t from = 0; from <= hi[r]; ++from) {
                uint64_t hash = HASH_START[which];
                forwards[base + from * stride + from] = hash;
                for (int32_t to = from; to < hi[r]; ++to) {
                    hash = Extend(hash, cells[r][to], which);
                    forwards[base + from * stride + to + 1] = hash;
                }
            }
            for (int32_t to = hi[r]; to >= 0; --to) {
                uint64_t hash = HASH_START[which];
                backwards[base + to * stride + to] = hash;
                for (int32_t from = to; from > 0; --from) {
                    hash = Extend(hash, cells[r][from - 1], which);
                    backwards[base + (from - 1) * stride + to] = hash;
                }
            }
            for (int32_t from = 0; from <= hi[r]; ++from) {
                for (int32_t to = from; to <= hi[r]; ++to) {
                    const std::size_t at = base + from * stride + to;
                    spans[at] = Unordered(forwards[at], backwards[at]);
                }
            }
        }
    }
    inRow = {};
    ofColour = {};
    total = 0;
    key = {};
    for (int32_t r = 0; r < rowCount; ++r) {
        for (int32_t p = lo[r]; p < hi[r]; ++p) {
            Count(r, p, +1);
        }
        key.hash += RowHash(r, lo[r], hi[r], 0);
        key.check += RowHash(r, lo[r], hi[r], 1);
    }
    return true;
}

uint64_t SolverPosition::RowHash(int32_t row, int32_t from, int32_t to, int which) const
{
    return spanHashes[which][static_cast<std::size_t>(row) * stride * stride + from * stride + to];
}

void SolverPosition::Count(int32_t row, int32_t cell, int32_t change)
{
    const int32_t colour = cells[row][cell];
    inRow[colour][row] += change;
    ofColour[colour] += change;
    total += change;
}

PositionKey SolverPosition::KeyAfter(const SolverMove& move) const
{
    PositionKey after = key;
    for (int8_t k = 0; k < move.count;) {
        const int32_t row = move.ends[k].row;
        int32_t from = lo[row];
        int32_t to = hi[row];
        for (; k < move.count && move.ends[k].row == row; ++k) {
            (move.ends[k].side == 0 ? from : to) += move.ends[k].side == 0 ? 1 : -1;
        }
        after.hash += RowHash(row, from, to, 0) - RowHash(row, lo[row], hi[row], 0);
        after.check += RowHash(row, from, to, 1) - RowHash(row, lo[row], hi[row], 1);
    }
    return after;
}

int32_t SolverPosition::EndsOf(int32_t colour, std::array<RowEnd, 2 * MAX_ROWS>& ends) const
{
    int32_t count = 0;
    for (int32_t r = 0; r < rowCount; ++r) {
        if (inRow[colour][r] == 0) {
            continue;
        }
        const auto row = static_cast<int8_t>(r);
        if (cells[r][lo[r]] == colour) {
            ends[count++] = {row, 0};
        }
        if (hi[r] - lo[r] >= 2 && cells[r][hi[r] - 1] == colour) {
            ends[count++] = {row, 1};
        }
    }
    return count;
}

int32_t SolverPosition::ColourAt(RowEnd end) const
{
    return cells[end.row][CellAt(end)];
}

BlockRef SolverPosition::BlockAt(RowEnd end) const
{
    return {end.side == 0 ? 0 : Length(end.row) - 1, end.row};
}

void SolverPosition::Apply(const SolverMove& move)
{
    key = KeyAfter(move);
    for (int8_t k = 0; k < move.count; ++k) {
        const RowEnd end = move.ends[k];
        if (end.side == 0) {
            Count(end.row, lo[end.row]++, -1);
        } else {
            Count(end.row, --hi[end.row], -1);
        }
    }
}

void SolverPosition::Undo(const SolverMove& move, const PositionKey& before)
{
    for (int8_t k = 0; k < move.count; ++k) {
        const RowEnd end = move.ends[k];
        if (end.side == 0) {
            Count(end.row, --lo[end.row], +1);
        } else {
            Count(end.row, hi[end.row]++, +1);
        }
    }
    key = before;
}

// A colour's m moves each take minRemove .. maxRemove blocks, at most two from
// a row (one per end), and never more from a row than it holds now. So
// m >= n / maxRemove, m >= n / (sum over rows of min(held, 2)),
// m >= held / 2 in every row, and m <= n / minRemove.
bool SolverPosition::CountsAllowClearing() const
{
    for (int32_t colour = 0; colour < MAX_COLOURS; ++colour) {
        const int32_t n = ofColour[colour];
        if (n == 0) {
            continue;
        }
        int32_t perMove = 0;
        int32_t fewest = 0;
        for (int32_t r = 0; r < rowCount; ++r) {
            const int32_t held = inRow[colour][r];
            perMove += std::min(held, 2);
            fewest = std::max(fewest, (held + 1) / 2);
        }
        perMove = std::min(perMove, settings.maxRemove);
        if (perMove < settings.minRemove) {
            return false;
        }
        fewest = std::max(fewest, (n + perMove - 1) / perMove);
        if (static_cast<int64_t>(fewest) * settings.minRemove > n) {
            return false;
        }
    }
    return true;
}

int32_t SolverPosition::ColoursWithEnds(int32_t least) const
{
    std::array<int32_t, MAX_COLOURS> endsOf{};
    for (int32_t r = 0; r < rowCount; ++r) {
        if (hi[r] > lo[r]) {
            ++endsOf[cells[r][lo[r]]];
        }
        if (hi[r] - lo[r] >= 2) {
            ++endsOf[cells[r][hi[r] - 1]];
        }
    }
    return static_cast<int32_t>(
        std::count_if(endsOf.begin(), endsOf.end(), [&](int32_t n) { return n >= least; }));
}

bool SolverPosition::LastMovesAllowClearing() const
{
    uint32_t lastMove = 0;
    for (int32_t colour = 0; colour < MAX_COLOURS; ++colour) {
        if (ofColour[colour] > 0 && ofColour[colour] < 2 * settings.minRemove) {
            lastMove |= 1u << colour;
        }
    }
    if (lastMove == 0) {
        return true;
    }
    // first[c]: the colours whose move must come before c's.
    std::array<uint32_t, MAX_COLOURS> first{};
    for (int32_t r = 0; r < rowCount; ++r) {
        for (int32_t colour = 0; colour < MAX_COLOURS; ++colour) {
            if (((lastMove >> colour) & 1u) == 0 || inRow[colour][r] == 0) {
                continue;
            }
            if (inRow[colour][r] > 2) {
                return false;
            }
            int32_t left = lo[r];
            while (cells[r][left] != colour) {
                ++left;
            }
            int32_t right = hi[r] - 1;
            while (cells[r][right] != colour) {
                --right;
            }
            uint32_t onLeft = 0;
            uint32_t between = 0;
            uint32_t onRight = 0;
            for (int32_t p = lo[r]; p < hi[r]; ++p) {
                const uint32_t bit = (1u << cells[r][p]) & lastMove;
                if (p < left) {
                    onLeft |= bit;
                } else if (p > right) {
                    onRight |= bit;
                } else if (p != left && p != right) {
                    between |= bit;
                }
            }
            if (left != right) {
                first[colour] |= onLeft | onRight;
                for (int32_t later = 0; later < MAX_COLOURS; ++later) {
                    if ((between >> later) & 1u) {
                        first[later] |= 1u << colour;
                    }
                }
            } else {
                // One block: one whole side goes first; a colour on both must.
                first[colour] |= onLeft & onRight;
            }
        }
    }
    // An order exists only if following "must come before" never loops.
    for (int32_t via = 0; via < MAX_COLOURS; ++via) {
        for (int32_t colour = 0; colour < MAX_COLOURS; ++colour) {
            if ((first[colour] >> via) & 1u) {
                first[colour] |= first[via];
            }
        }
    }
    for (int32_t colour = 0; colour < MAX_COLOURS; ++colour) {
        if ((first[colour] >> colour) & 1u) {
            return false;
        }
    }
    return true;
}
