// Chamberlin state-variable filter.
#include "resonant_filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

ResonantFilter::ResonantFilter(double sampleRate, double damping)
    : sampleRate(sampleRate), damping(damping)
{
    SetCutoff(sampleRate / 8.0);
}

void ResonantFilter::SetCutoff(double hertz)
{
    // The filter is only stable well below a sixth of the sample rate.
    const double safe = std::clamp(hertz, 10.0, sampleRate / 6.0);
    coefficient = 2.0 * std::sin(std::numbers::pi * safe / sampleRate);
}

void ResonantFilter::Process(double input)
{
    low += coefficient * band;
    high = input - low - damping * band;
    band += coefficient * high;
}
