// The program's one random source: a 32-bit linear congruential generator.
#include "engine/random.h"

namespace {

uint32_t state = 0;

}  // namespace

int32_t Random()
{
    state = state * 214013u + 2531011u;
    return static_cast<int32_t>((state >> 16) & 0x7FFFu);
}

void SeedRandom(uint32_t seed)
{
    state = seed;
}

uint32_t RandomState()
{
    return state;
}
