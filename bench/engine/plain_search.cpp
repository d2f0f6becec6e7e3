// The plain search the solver is measured against.
#include "plain_search.h"

#include <functional>
#include <unordered_set>
#include <vector>

#include "engine/move_rule.h"

namespace {

class Plain {
public:
    Plain(const PuzzleSettings& settings, std::chrono::milliseconds timeLimit, std::size_t maxDead)
        : settings(settings), deadline(std::chrono::steady_clock::now() + timeLimit),
          maxDead(maxDead)
    {
    }

    PlainAnswer Visit(const RowSet& rows)
    {
        ColourCounters counters;
        if (CountBlocks(rows, settings.rowCount, counters) == 0) {
            return PlainAnswer::Clears;
        }
        if (++nodes % 256 == 0 && std::chrono::steady_clock::now() > deadline) {
            return PlainAnswer::Unknown;
        }
        for (int32_t n : counters) {
            // n must be a sum of whole moves of minRemove .. maxRemove blocks.
            const int32_t fewest = (n + settings.maxRemove - 1) / settings.maxRemove;
            if (n > 0 && fewest * settings.minRemove > n) {
                return PlainAnswer::Dead;
            }
        }
        const uint64_t key = Hash(rows);
        if (dead.count(key) != 0) {
            return PlainAnswer::Dead;
        }
        std::vector<BlockRef> ends;
        for (int32_t r = 0; r < settings.rowCount; ++r) {
            const auto length = static_cast<int32_t>(rows[r].size());
            if (length > 0) {
                ends.push_back({0, r});
            }
            if (length > 1) {
                ends.push_back({length - 1, r});
            }
        }
        MoveList chosen;
        const PlainAnswer answer = Choose(rows, ends, 0, chosen);
        if (answer == PlainAnswer::Dead && dead.size() < maxDead) {
            dead.insert(key);
        }
        return answer;
    }

private:
    PlainAnswer Choose(const RowSet& rows, const std::vector<BlockRef>& ends, std::size_t next,
                       MoveList& chosen)
    {
        if (IsLegalMove(rows, settings, chosen)) {
            RowSet after = rows;
            RemoveBlocks(after, settings, chosen);
            const PlainAnswer answer = Visit(after);
            if (answer != PlainAnswer::Dead) {
                return answer;
            }
        }
        for (std::size_t e = next; e < ends.size(); ++e) {
            if (!CanJoinSelection(rows, settings, chosen, ends[e])) {
                continue;
            }
            chosen.push_back(ends[e]);
            const PlainAnswer answer = Choose(rows, ends, e + 1, chosen);
            chosen.pop_back();
            if (answer != PlainAnswer::Dead) {
                return answer;
            }
        }
        return PlainAnswer::Dead;
    }

    uint64_t Hash(const RowSet& rows) const
    {
        uint64_t hash = 1469598103934665603ull;
        for (int32_t r = 0; r < settings.rowCount; ++r) {
            for (int32_t cell : rows[r]) {
                hash = (hash ^ static_cast<uint64_t>(cell + 1)) * 1099511628211ull;
            }
            hash = (hash ^ 0xFFu) * 1099511628211ull;
        }
        return hash;
    }

    const PuzzleSettings& settings;
    std::chrono::steady_clock::time_point deadline;
    std::size_t maxDead;
    std::unordered_set<uint64_t> dead;
    uint64_t nodes = 0;
};

}  // namespace

PlainAnswer PlainSearch(const RowSet& rows, const PuzzleSettings& settings,
                        std::chrono::milliseconds timeLimit, std::size_t maxDead)
{
    return Plain(settings, timeLimit, maxDead).Visit(rows);
}
