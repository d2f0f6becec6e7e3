// SplitMix64 random source used by every generator in tools/.
#include "seeded_random.h"

SeededRandom::SeededRandom(std::uint64_t seed) : state(seed) {}

std::uint64_t SeededRandom::Next()
{
    state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double SeededRandom::Unit()
{
    // 53 random bits give every representable step of a double in [0, 1).
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

double SeededRandom::Signed()
{
    return Unit() * 2.0 - 1.0;
}

int SeededRandom::Below(int bound)
{
    return static_cast<int>(Next() % static_cast<std::uint64_t>(bound));
}
