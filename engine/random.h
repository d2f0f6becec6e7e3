// The program's one random source: the generator, the symbol shuffle and the
// music player all draw from it, so a seed fixes a whole game.
#pragma once

#include <cstdint>

// s = s * 214013 + 2531011 (mod 2^32); returns bits 16..30 of s: 0 .. 32767.
int32_t Random();

// Sets the state; called once per run with the time in seconds.
void SeedRandom(uint32_t seed);

// The current state, for tests that need to replay a sequence.
uint32_t RandomState();
