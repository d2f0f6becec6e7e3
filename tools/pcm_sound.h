// A mono PCM sound: its sample rate, its sample size and its samples, with the
// WAVE file encoding the game's sound effects are shipped in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class PcmSound {
public:
    // Quantises a signal in [-1, 1] (values outside are clipped) to 8 or 16 bits.
    PcmSound(const std::vector<double>& signal, int sampleRate, int bitsPerSample);

    // The same sound at factor times the amplitude, computed on the quantised
    // samples so that the quieter file is exactly the louder one scaled.
    PcmSound Scaled(double factor) const;

    int SampleRate() const { return sampleRate; }
    int BitsPerSample() const { return bitsPerSample; }
    // Signed sample values: -128..127 for 8 bits, -32768..32767 for 16 bits.
    const std::vector<int>& Samples() const { return samples; }

    // A complete RIFF/WAVE file: "fmt " chunk (PCM, mono) and "data" chunk;
    // 8-bit samples are stored unsigned around 128, as WAVE requires.
    std::vector<std::uint8_t> ToWav() const;
    bool WriteWav(const std::string& path) const;

private:
    PcmSound(int sampleRate, int bitsPerSample, std::vector<int> samples);
    int Limit() const;

    int sampleRate;
    int bitsPerSample;
    std::vector<int> samples;
};
