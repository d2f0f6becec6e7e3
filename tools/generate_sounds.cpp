// Synthesises the board's sound effects (131-135) and their quieter copies
// (165-167) as mono PCM WAVE files.
#include "pcm_sound.h"
#include "resonant_filter.h"
#include "seeded_random.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double TWO_PI = 2.0 * std::numbers::pi;

using Signal = std::vector<double>;

// Sample counts are the lengths rounded to the nearest sample.
Signal Silence(int rate, double seconds)
{
    return Signal(static_cast<std::size_t>(std::lround(rate * seconds)), 0.0);
}

double Seconds(std::size_t i, int rate)
{
    return static_cast<double>(i) / rate;
}

// A decaying sine: the ring of a struck object.
void AddPing(Signal& s, int rate, double start, double hertz, double amplitude, double decaySeconds)
{
    const std::size_t first = static_cast<std::size_t>(std::lround(start * rate));
    for (std::size_t i = first; i < s.size(); ++i) {
        const double t = Seconds(i - first, rate);
        s[i] += amplitude * std::exp(-t / decaySeconds) * std::sin(TWO_PI * hertz * t);
    }
}

// Scales the loudest sample to peak and fades the last few milliseconds to
// silence, so no effect ends with a click.
void Finish(Signal& s, int rate, double peak)
{
    double loudest = 0.0;
    for (double v : s)
        loudest = std::max(loudest, std::abs(v));
    if (loudest > 0.0)
        for (double& v : s)
            v *= peak / loudest;
    const std::size_t fade = std::min(s.size(), static_cast<std::size_t>(rate / 200));
    for (std::size_t k = 0; k < fade; ++k)
        s[s.size() - 1 - k] *= static_cast<double>(k) / fade;
}

// 131: a dry wooden tick, short enough to follow fast clicking.
Signal Click()
{
    const int rate = 5500;
    Signal s = Silence(rate, 0.057);
    SeededRandom random(131);
    ResonantFilter knock(rate, 0.3);
    knock.SetCutoff(1500.0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Seconds(i, rate);
        knock.Process(random.Signed() * std::exp(-t / 0.0025));
        s[i] = 0.7 * knock.BandPass();
    }
    AddPing(s, rate, 0.0, 1240.0, 0.5, 0.010);
    AddPing(s, rate, 0.0, 2010.0, 0.22, 0.006);
    Finish(s, rate, 0.8);
    return s;
}

// A mellow tone with a few soft harmonics, for the refusal.
double Mellow(double phase)
{
    return std::sin(phase) + 0.35 * std::sin(2.0 * phase) + 0.08 * std::sin(3.0 * phase);
}

// 133: a soft, low "uh-uh", two muted notes falling a minor third. It says no
// without scolding; it plays often when a player is learning the rule.
Signal Refusal()
{
    const int rate = 11025;
    Signal s = Silence(rate, 0.916);
    struct Note {
        double start, hertz, length, droop;
    };
    const Note notes[] = {{0.0, 233.08, 0.26, 0.0}, {0.30, 196.0, 0.60, 0.035}};
    for (const Note& note : notes) {
        double phase = 0.0;
        const std::size_t first = static_cast<std::size_t>(std::lround(note.start * rate));
        for (std::size_t i = first; i < s.size(); ++i) {
            const double t = Seconds(i - first, rate);
            const double attack = std::min(1.0, t / 0.012);
            const double release = t < note.length ? 1.0 : std::exp(-(t - note.length) / 0.03);
            const double body = std::exp(-t / (note.length * 0.9));
            const double hertz = note.hertz * (1.0 - note.droop * std::min(1.0, t / note.length));
            phase += TWO_PI * hertz / rate;
            s[i] += attack * release * body * Mellow(phase);
        }
    }
    Finish(s, rate, 0.55);
    return s;
}

// 135: the removed blocks vanish in a rush of air: noise through a resonant
// band that sweeps up while the blocks shrink, then settles and fades.
Signal Whoosh()
{
    const int rate = 11025;
    Signal s = Silence(rate, 1.006);
    SeededRandom random(135);
    ResonantFilter air(rate, 0.55);
    ResonantFilter body(rate, 1.2);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Seconds(i, rate);
        const double rise = std::min(1.0, t / 0.24);
        const double sweep = t < 0.24 ? 350.0 * std::pow(2800.0 / 350.0, rise)
                                      : 2800.0 * std::pow(900.0 / 2800.0, std::min(1.0, (t - 0.24) / 0.7));
        air.SetCutoff(sweep);
        body.SetCutoff(sweep * 0.5);
        const double noise = random.Signed();
        air.Process(noise);
        body.Process(noise);
        const double swell = std::sin(0.5 * std::numbers::pi * std::min(1.0, t / 0.22));
        const double fade = t < 0.24 ? 1.0 : std::exp(-(t - 0.24) / 0.2);
        s[i] = swell * fade * (air.BandPass() + 0.5 * body.LowPass());
    }
    Finish(s, rate, 0.7);
    return s;
}

// 132: the rows close up: a short wooden rub while they slide, then a soft
// knock as the blocks meet, ringing away.
Signal Slide()
{
    const int rate = 11025;
    Signal s = Silence(rate, 0.897);
    SeededRandom random(132);
    ResonantFilter rub(rate, 0.8);
    ResonantFilter grain(rate, 2.0);
    grain.SetCutoff(35.0);
    const double slideEnd = 0.28;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Seconds(i, rate);
        rub.SetCutoff(520.0 + 380.0 * std::min(1.0, t / slideEnd));
        rub.Process(random.Signed());
        grain.Process(random.Signed());
        const double texture = 0.6 + 6.0 * std::abs(grain.LowPass());
        const double envelope = t < slideEnd ? std::sin(std::numbers::pi * 0.5 * std::min(1.0, t / 0.05))
                                             : std::exp(-(t - slideEnd) / 0.03);
        s[i] = 0.9 * envelope * texture * rub.BandPass();
    }
    // The knock: a thump with a little wooden ring above it, plus a puff of noise.
    AddPing(s, rate, slideEnd, 140.0, 0.9, 0.09);
    AddPing(s, rate, slideEnd, 415.0, 0.45, 0.06);
    AddPing(s, rate, slideEnd, 690.0, 0.2, 0.035);
    ResonantFilter puff(rate, 0.9);
    puff.SetCutoff(900.0);
    const std::size_t first = static_cast<std::size_t>(slideEnd * rate);
    for (std::size_t i = first; i < s.size(); ++i) {
        puff.Process(random.Signed() * std::exp(-Seconds(i - first, rate) / 0.012));
        s[i] += 0.8 * puff.BandPass();
    }
    Finish(s, rate, 0.72);
    return s;
}

// One brassy note: the upper harmonics open up after the attack, as a horn
// brightens when the player blows harder, with a little vibrato on long notes.
void AddHorn(Signal& s, int rate, double start, double length, double hertz, double amplitude)
{
    const std::size_t first = static_cast<std::size_t>(std::lround(start * rate));
    double phase = 0.0;
    for (std::size_t i = first; i < s.size(); ++i) {
        const double t = Seconds(i - first, rate);
        const double attack = std::min(1.0, t / 0.02);
        const double release = t < length ? 1.0 : std::exp(-(t - length) / 0.05);
        if (release < 1e-4)
            break;
        const double brightness = 0.35 + 0.65 * std::min(1.0, t / 0.06);
        const double vibrato = 1.0 + 0.004 * std::sin(TWO_PI * 5.5 * t) * std::min(1.0, t / 0.3);
        phase += TWO_PI * hertz * vibrato / rate;
        double v = 0.0;
        for (int k = 1; k <= 8 && k * hertz < rate * 0.45; ++k)
            v += std::sin(k * phase) * std::pow(brightness, k - 1) / k;
        s[i] += amplitude * attack * release * v;
    }
}

// 134: the board is clear: three quick rising notes and a held major chord.
Signal Fanfare()
{
    const int rate = 22050;
    Signal s = Silence(rate, 1.259);
    const double c5 = 523.25, e5 = 659.26, g5 = 783.99, c6 = 1046.5;
    AddHorn(s, rate, 0.00, 0.08, c5, 0.8);
    AddHorn(s, rate, 0.11, 0.08, e5, 0.8);
    AddHorn(s, rate, 0.22, 0.08, g5, 0.8);
    const double hold = 1.259 - 0.33 - 0.18;
    AddHorn(s, rate, 0.33, hold, c6, 0.7);
    AddHorn(s, rate, 0.33, hold, g5, 0.45);
    AddHorn(s, rate, 0.33, hold, e5, 0.45);
    AddHorn(s, rate, 0.33, hold, c5, 0.5);
    // The held chord dies away gently instead of stopping dead.
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = Seconds(i, rate);
        if (t > 0.55)
            s[i] *= std::exp(-(t - 0.55) / 0.35);
    }
    Finish(s, rate, 0.9);
    return s;
}

bool Write(const PcmSound& sound, const std::filesystem::path& folder, int id)
{
    const std::filesystem::path path = folder / (std::to_string(id) + ".wav");
    if (sound.WriteWav(path.string()))
        return true;
    std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "sounds";
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    const PcmSound click(Click(), 5500, 16);
    const PcmSound slide(Slide(), 11025, 16);
    const PcmSound refusal(Refusal(), 11025, 16);
    const PcmSound fanfare(Fanfare(), 22050, 8);
    const PcmSound whoosh(Whoosh(), 11025, 16);
    // While music plays the effects step back: the same samples, quieter.
    const bool ok = Write(click, folder, 131) && Write(slide, folder, 132) && Write(refusal, folder, 133)
                    && Write(fanfare, folder, 134) && Write(whoosh, folder, 135)
                    && Write(slide.Scaled(0.25), folder, 165) && Write(whoosh.Scaled(0.75), folder, 166)
                    && Write(fanfare.Scaled(0.5), folder, 167);
    return ok ? 0 : 1;
}
