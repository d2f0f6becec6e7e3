// Quantising, scaling and WAVE encoding of mono PCM sounds.
#include "pcm_sound.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

PcmSound::PcmSound(int sampleRate, int bitsPerSample, std::vector<int> samples)
    : sampleRate(sampleRate), bitsPerSample(bitsPerSample), samples(std::move(samples))
{
}

PcmSound::PcmSound(const std::vector<double>& signal, int sampleRate, int bitsPerSample)
    : sampleRate(sampleRate), bitsPerSample(bitsPerSample)
{
    const int limit = Limit();
    samples.reserve(signal.size());
    for (double v : signal) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * limit);
        samples.push_back(static_cast<int>(std::clamp<long>(q, -limit - 1, limit)));
    }
}

int PcmSound::Limit() const
{
    return bitsPerSample == 8 ? 127 : 32767;
}

PcmSound PcmSound::Scaled(double factor) const
{
    std::vector<int> quieter;
    quieter.reserve(samples.size());
    for (int s : samples)
        quieter.push_back(static_cast<int>(std::lround(s * factor)));
    return PcmSound(sampleRate, bitsPerSample, std::move(quieter));
}

std::vector<std::uint8_t> PcmSound::ToWav() const
{
    const std::uint32_t bytesPerSample = static_cast<std::uint32_t>(bitsPerSample / 8);
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize + 1);
    PutTag(out, "RIFF");
    PutU32(out, 36 + dataSize + (dataSize & 1));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1);   // PCM
    PutU16(out, 1);   // mono
    PutU32(out, static_cast<std::uint32_t>(sampleRate));
    PutU32(out, static_cast<std::uint32_t>(sampleRate) * bytesPerSample);
    PutU16(out, bytesPerSample);
    PutU16(out, static_cast<std::uint32_t>(bitsPerSample));
    PutTag(out, "data");
    PutU32(out, dataSize);
    for (int s : samples) {
        if (bitsPerSample == 8)
            out.push_back(static_cast<std::uint8_t>(s + 128));
        else
            PutU16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(s))));
    }
    if (dataSize & 1)
        out.push_back(0);   // RIFF chunks are padded to an even size
    return out;
}

bool PcmSound::WriteWav(const std::string& path) const
{
    const std::vector<std::uint8_t> bytes = ToWav();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
