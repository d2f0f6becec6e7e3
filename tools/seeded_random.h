// A small, fully reproducible random source for the resource generators.
#pragma once

#include <cstdint>

// SplitMix64: the same seed gives the same pictures, sounds and songs on every
// machine and every build, which std::mt19937 with std:: distributions does not
// promise (the distributions are implementation-defined).
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed);

    // The next raw 64-bit value.
    std::uint64_t Next();
    // Uniform in [0, 1).
    double Unit();
    // Uniform in [-1, 1).
    double Signed();
    // Uniform integer in [0, bound); bound must be positive.
    int Below(int bound);

private:
    std::uint64_t state;
};
