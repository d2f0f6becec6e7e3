// Open addressing over game ids: the standard map's nodes cost more than
// reading the records themselves, and a table of indices a quarter of it.
#include "engine/slots_by_id.h"

#include <limits>

namespace {

constexpr uint32_t FREE = std::numeric_limits<uint32_t>::max();

std::size_t TableSize(std::size_t games)
{
    std::size_t size = 64;
    while (size < 2 * games) {
        size *= 2;
    }
    return size;
}

}  // namespace

SlotsById::SlotsById(std::vector<GameRecord>& games, std::size_t expected)
    : games(games), places(TableSize(expected), FREE)
{
    games.reserve(expected);
}

void SlotsById::Record(const GameRecord& record)
{
    if (2 * (games.size() + 1) > places.size()) {
        Grow();
    }
    uint32_t* place = Probe(record.id);
    if (*place == FREE) {
        *place = static_cast<uint32_t>(games.size());
        games.push_back(record);
    } else {
        games[*place] = record;
    }
}

uint32_t* SlotsById::Probe(uint64_t id)
{
    const std::size_t mask = places.size() - 1;
    // Fibonacci hashing spreads ids that differ only in their low bits.
    std::size_t at = static_cast<std::size_t>((id * 0x9E3779B97F4A7C15u) >> 32) & mask;
    while (places[at] != FREE && games[places[at]].id != id) {
        at = (at + 1) & mask;
    }
    return &places[at];
}

void SlotsById::Grow()
{
    places.assign(places.size() * 2, FREE);
    for (std::size_t g = 0; g < games.size(); ++g) {
        *Probe(games[g].id) = static_cast<uint32_t>(g);
    }
}
