// A state-variable filter for shaping noise into whooshes, rubs and knocks.
#pragma once

// Chamberlin's state-variable filter: one input sample in, low-pass,
// band-pass and high-pass outputs at once. The cutoff can move every sample,
// which is what makes a sweep sound like air moving.
class ResonantFilter {
public:
    ResonantFilter(double sampleRate, double damping);

    void SetCutoff(double hertz);
    // Feeds one sample; read the outputs afterwards.
    void Process(double input);

    double LowPass() const { return low; }
    double BandPass() const { return band; }
    double HighPass() const { return high; }

private:
    double sampleRate;
    double damping;
    double coefficient = 0.0;
    double low = 0.0;
    double band = 0.0;
    double high = 0.0;
};
