// The plainest exact search, for comparison with the solver: depth first over
// every legal move, a set of dead boards, and a check of colour counts only.
#pragma once

#include <chrono>
#include <cstdint>

#include "engine/puzzle_settings.h"
#include "engine/row_set.h"

enum class PlainAnswer { Clears, Dead, Unknown };

// Gives up (Unknown) after timeLimit; remembers at most maxDead boards.
PlainAnswer PlainSearch(const RowSet& rows, const PuzzleSettings& settings,
                        std::chrono::milliseconds timeLimit, std::size_t maxDead);
