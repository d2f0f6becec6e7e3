// Writing and reading the solution and history layouts of a move record.
#include "engine/move_list.h"

void AppendSolutionEntry(MoveList& solution, const Move& move)
{
    solution.push_back(ColourEntry(move.colour));
    solution.insert(solution.end(), move.blocks.begin(), move.blocks.end());
    solution.push_back(MoveMarker());
}

void PrependSolutionEntry(MoveList& solution, const Move& move)
{
    MoveList entry;
    AppendSolutionEntry(entry, move);
    solution.splice(solution.begin(), entry);
}

bool ReadSolutionEntries(const MoveList& solution, std::vector<Move>& moves)
{
    moves.clear();
    auto entry = solution.begin();
    while (entry != solution.end()) {
        if (!entry->IsColourEntry()) {
            return false;
        }
        Move move{entry->row, {}};
        for (++entry; entry != solution.end() && entry->IsBlock(); ++entry) {
            move.blocks.push_back(*entry);
        }
        if (entry == solution.end() || *entry != MoveMarker() || move.blocks.empty()) {
            return false;
        }
        ++entry;
        moves.push_back(std::move(move));
    }
    return true;
}

void AppendHistoryEntry(MoveList& history, const Move& move)
{
    history.push_back(MoveMarker());
    history.insert(history.end(), move.blocks.begin(), move.blocks.end());
    history.push_back(ColourEntry(move.colour));
}

// Only ApplyMove writes history, so its tail is always a whole entry.
bool TakeLastHistoryEntry(MoveList& history, Move& move)
{
    if (history.empty()) {
        return false;
    }
    move.colour = history.back().row;
    history.pop_back();
    move.blocks.clear();
    while (!history.empty()) {
        const BlockRef entry = history.back();
        history.pop_back();
        if (entry.IsMoveMarker()) {
            break;
        }
        move.blocks.push_front(entry);
    }
    return true;
}
