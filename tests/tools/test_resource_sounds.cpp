// The generated sound effects: WAVE files in the formats and lengths the board
// plays them in, and quiet variants that are exactly their originals scaled.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

struct Wave {
    bool valid = false;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::vector<int> samples;   // signed, 8-bit ones re-centred on 0
};

std::uint32_t U32(const QByteArray& b, int at)
{
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8
           | static_cast<std::uint8_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

int U16(const QByteArray& b, int at)
{
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}

// Walks the RIFF chunks rather than assuming a 44-byte header.
Wave ReadWave(int id)
{
    Wave w;
    QFile file(QString(":/sounds/%1.wav").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return w;
    const QByteArray b = file.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" || U32(b, 4) + 8 != static_cast<std::uint32_t>(b.size()))
        return w;
    bool haveFormat = false;
    for (int at = 12; at + 8 <= b.size();) {
        const QByteArray tag = b.mid(at, 4);
        const int size = static_cast<int>(U32(b, at + 4));
        const int body = at + 8;
        if (size < 0 || body + size > b.size())
            return w;
        if (tag == "fmt " && size >= 16) {
            w.format = U16(b, body);
            w.channels = U16(b, body + 2);
            w.sampleRate = static_cast<int>(U32(b, body + 4));
            w.byteRate = static_cast<int>(U32(b, body + 8));
            w.blockAlign = U16(b, body + 12);
            w.bitsPerSample = U16(b, body + 14);
            haveFormat = true;
        } else if (tag == "data" && haveFormat) {
            if (w.bitsPerSample == 8) {
                for (int i = 0; i < size; ++i)
                    w.samples.push_back(static_cast<std::uint8_t>(b[body + i]) - 128);
            } else {
                for (int i = 0; i + 1 < size; i += 2)
                    w.samples.push_back(static_cast<std::int16_t>(U16(b, body + i)));
            }
            w.valid = true;
        }
        at = body + size + (size & 1);
    }
    return w;
}

struct Expected {
    int id;
    int bits;
    int rate;
    double seconds;
};

const Expected TABLE[] = {
    {131, 16, 5500, 0.057},  {133, 16, 11025, 0.916}, {135, 16, 11025, 1.006}, {132, 16, 11025, 0.897},
    {134, 8, 22050, 1.259},  {166, 16, 11025, 1.006}, {165, 16, 11025, 0.897}, {167, 8, 22050, 1.259},
};

int Peak(const Wave& w)
{
    int peak = 0;
    for (int s : w.samples)
        peak = std::max(peak, std::abs(s));
    return peak;
}

} // namespace

TEST(SoundEffects, EachIsMonoPcmInItsFormatAndLength)
{
    for (const Expected& e : TABLE) {
        const Wave w = ReadWave(e.id);
        ASSERT_TRUE(w.valid) << e.id;
        EXPECT_EQ(w.format, 1) << e.id << " is PCM";
        EXPECT_EQ(w.channels, 1) << e.id;
        EXPECT_EQ(w.sampleRate, e.rate) << e.id;
        EXPECT_EQ(w.bitsPerSample, e.bits) << e.id;
        EXPECT_EQ(w.blockAlign, e.bits / 8) << e.id;
        EXPECT_EQ(w.byteRate, e.rate * e.bits / 8) << e.id;
        const double seconds = static_cast<double>(w.samples.size()) / e.rate;
        EXPECT_NEAR(seconds, e.seconds, 0.0005) << e.id;
        EXPECT_EQ(static_cast<long>(w.samples.size()), std::lround(e.rate * e.seconds)) << e.id;
    }
}

TEST(SoundEffects, LoudSoundsAreAudibleAndEndInSilence)
{
    for (int id : {131, 132, 133, 134, 135}) {
        const Wave w = ReadWave(id);
        ASSERT_TRUE(w.valid) << id;
        const int full = w.bitsPerSample == 8 ? 127 : 32767;
        EXPECT_GT(Peak(w), full / 2) << id;
        EXPECT_LT(Peak(w), full) << id << " never clips";
        EXPECT_LE(std::abs(w.samples.back()), full / 100) << id << " ends without a click";
        double sum = 0;
        for (int s : w.samples)
            sum += s;
        EXPECT_LT(std::abs(sum / w.samples.size()), full * 0.01) << id << " has no offset";
    }
}

TEST(SoundEffects, QuietVariantsAreTheSameSamplesScaled)
{
    const struct {
        int quiet, loud;
        double factor;
    } variants[] = {{166, 135, 0.75}, {165, 132, 0.25}, {167, 134, 0.5}};
    for (const auto& v : variants) {
        const Wave quiet = ReadWave(v.quiet);
        const Wave loud = ReadWave(v.loud);
        ASSERT_TRUE(quiet.valid && loud.valid) << v.quiet;
        ASSERT_EQ(quiet.samples.size(), loud.samples.size()) << v.quiet;
        for (std::size_t i = 0; i < loud.samples.size(); ++i)
            ASSERT_EQ(quiet.samples[i], std::lround(loud.samples[i] * v.factor)) << v.quiet << " at sample " << i;
    }
}
