// Arranges a song: melody on the lead voices, chords, bass and drums.
#include "song_builder.h"

#include <algorithm>

namespace {

constexpr int TICKS_PER_QUARTER = 480;
constexpr int FIRST_LEAD_CHANNEL = 0;
constexpr int SECOND_LEAD_CHANNEL = 1;
constexpr int CHORD_CHANNEL = 2;
constexpr int BASS_CHANNEL = 3;
constexpr int DRUM_CHANNEL = 9;   // channel 10 counted from one

// General MIDI drum keys.
constexpr int KICK = 36;
constexpr int SIDE_STICK = 37;
constexpr int SNARE = 38;
constexpr int CLOSED_HAT = 42;
constexpr int LOW_TOM = 45;
constexpr int MID_TOM = 47;
constexpr int PEDAL_HAT = 44;
constexpr int OPEN_HAT = 46;
constexpr int CRASH = 49;
constexpr int RIDE = 51;
constexpr int MARACAS = 70;
constexpr int CLAVES = 75;
constexpr int HIGH_WOOD_BLOCK = 76;
constexpr int LOW_WOOD_BLOCK = 77;

// Places a pitch class in the octave starting at floor.
int InOctaveFrom(int pitchClass, int floor)
{
    return floor + ((pitchClass - floor) % 12 + 12) % 12;
}

std::vector<int> Voicing(const ScoreNotation::Chord& chord)
{
    std::vector<int> keys;
    for (int interval : chord.tones)
        keys.push_back(InOctaveFrom(chord.root + interval, 54));
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace

SongBuilder::SongBuilder(const SongPlan& plan)
    : plan(plan), writer(TICKS_PER_QUARTER), random(plan.seed), barLength(plan.beatsPerBar * 4)
{
    writer.SetTitle(plan.title);
    firstLeadTrack = writer.AddTrack("Lead");
    secondLeadTrack = writer.AddTrack("Second lead");
    chordTrack = writer.AddTrack("Chords");
    bassTrack = writer.AddTrack("Bass");
    drumTrack = writer.AddTrack("Drums");
}

std::uint32_t SongBuilder::Sixteenths(int n) const
{
    return static_cast<std::uint32_t>(n * TICKS_PER_QUARTER / 4);
}

int SongBuilder::Human(int velocity)
{
    // A player never strikes two notes exactly alike.
    return velocity + random.Below(9) - 4;
}

std::vector<std::uint8_t> SongBuilder::Build()
{
    writer.SetTempo(0, plan.beatsPerMinute);
    writer.SetTimeSignature(0, plan.beatsPerBar);
    SetUpChannels();
    std::uint32_t at = Sixteenths(4);   // a breath before the first note
    for (std::size_t i = 0; i < plan.form.size(); ++i) {
        const FormStep& step = plan.form[i];
        const SectionPlan& section = plan.sections.at(static_cast<std::size_t>(step.section));
        const int bars = ScoreNotation::BarCount(section.chords);
        if (ScoreNotation::BarCount(section.melody) != bars)
            throw ScoreError("melody and chords differ in length in " + section.name);
        AddSection(step, at, i + 1 == plan.form.size());
        at += Sixteenths(bars * barLength);
    }
    writer.SetEnd(at + Sixteenths(2 * barLength));
    return writer.Encode();
}

void SongBuilder::SetUpChannels()
{
    struct Setup {
        int track, channel, program, volume, pan, reverb;
    };
    const Setup setups[] = {
        {firstLeadTrack, FIRST_LEAD_CHANNEL, plan.firstLeadProgram, 104, 64, 50},
        {secondLeadTrack, SECOND_LEAD_CHANNEL, plan.secondLeadProgram, 98, 50, 55},
        {chordTrack, CHORD_CHANNEL, plan.chordProgram, 70, 84, 60},
        {bassTrack, BASS_CHANNEL, plan.bassProgram, 100, 60, 25},
        {drumTrack, DRUM_CHANNEL, 0, 88, 64, 35},
    };
    for (const Setup& s : setups) {
        writer.ProgramChange(s.track, 0, s.channel, s.program);
        writer.ControlChange(s.track, 0, s.channel, 7, s.volume);
        writer.ControlChange(s.track, 0, s.channel, 10, s.pan);
        writer.ControlChange(s.track, 0, s.channel, 91, s.reverb);
    }
}

void SongBuilder::AddSection(const FormStep& step, std::uint32_t start, bool lastStep)
{
    const SectionPlan& section = plan.sections.at(static_cast<std::size_t>(step.section));
    const auto melody = ScoreNotation::Melody(section.melody, plan.beatsPerBar);
    if (step.firstLead)
        AddMelody(melody, FIRST_LEAD_CHANNEL, firstLeadTrack, 0, 100, start);
    if (step.secondLead)
        AddMelody(melody, SECOND_LEAD_CHANNEL, secondLeadTrack, step.firstLead ? -12 : 0, step.firstLead ? 82 : 98,
                  start);
    for (const ScoreNotation::Chord& chord : ScoreNotation::Chords(section.chords, plan.beatsPerBar)) {
        AddChord(chord, start);
        AddBass(chord, start);
    }
    if (!step.drums)
        return;
    const int bars = ScoreNotation::BarCount(section.chords);
    for (int bar = 0; bar < bars; ++bar)
        AddDrumBar(bar, bar + 1 == bars, bar == 0, lastStep && bar + 1 == bars,
                   start + Sixteenths(bar * barLength));
}

void SongBuilder::AddMelody(const std::vector<ScoreNotation::MelodyNote>& notes, int channel, int track,
                            int transpose, int loudness, std::uint32_t start)
{
    for (const ScoreNotation::MelodyNote& note : notes) {
        if (note.key < 0)
            continue;
        // Downbeats lean a little, notes between the beats are lighter.
        int velocity = loudness;
        if (note.start % barLength == 0)
            velocity += 8;
        else if (note.start % 4 != 0)
            velocity -= 6;
        const std::uint32_t length = Sixteenths(note.length) - TICKS_PER_QUARTER / 16;
        writer.Note(track, start + Sixteenths(note.start), length, channel, note.key + transpose, Human(velocity));
    }
}

void SongBuilder::AddChord(const ScoreNotation::Chord& chord, std::uint32_t start)
{
    const std::vector<int> keys = Voicing(chord);
    const std::uint32_t at = start + Sixteenths(chord.start);
    switch (plan.chordStyle) {
    case ChordStyle::Sustained:
        for (int key : keys)
            writer.Note(chordTrack, at, Sixteenths(chord.length) - 10, CHORD_CHANNEL, key, Human(58));
        break;
    case ChordStyle::Arpeggio: {
        // Up through the chord to the octave and back down, in eighths.
        std::vector<int> path = keys;
        path.push_back(keys.front() + 12);
        for (int i = static_cast<int>(keys.size()) - 1; i > 0; --i)
            path.push_back(keys[static_cast<std::size_t>(i)]);
        for (int step = 0; step * 2 < chord.length; ++step) {
            const int key = path[static_cast<std::size_t>(step) % path.size()];
            writer.Note(chordTrack, at + Sixteenths(step * 2), Sixteenths(3), CHORD_CHANNEL, key,
                        Human(step == 0 ? 66 : 56));
        }
        break;
    }
    case ChordStyle::Offbeat:
        for (int p = 2; p < chord.length; p += 4)
            for (int key : keys)
                writer.Note(chordTrack, at + Sixteenths(p), Sixteenths(1), CHORD_CHANNEL, key, Human(62));
        break;
    case ChordStyle::Waltz:
        for (int p = 0; p < chord.length; p += 4) {
            if ((chord.start + p) % barLength == 0)
                continue;   // the bass has the downbeat
            for (int key : keys)
                writer.Note(chordTrack, at + Sixteenths(p), Sixteenths(3), CHORD_CHANNEL, key + 12, Human(54));
        }
        break;
    }
}

void SongBuilder::AddBass(const ScoreNotation::Chord& chord, std::uint32_t start)
{
    const int root = InOctaveFrom(chord.root, 40);
    const std::uint32_t at = start + Sixteenths(chord.start);
    switch (plan.bassStyle) {
    case BassStyle::Whole:
        writer.Note(bassTrack, at, Sixteenths(chord.length) - 20, BASS_CHANNEL, root, Human(92));
        break;
    case BassStyle::RootFifth: {
        const int cycle[] = {root, root + 7, root + 12, root + 7};
        for (int beat = 0; beat * 4 < chord.length; ++beat)
            writer.Note(bassTrack, at + Sixteenths(beat * 4), Sixteenths(4) - 40, BASS_CHANNEL, cycle[beat % 4],
                        Human(beat == 0 ? 98 : 86));
        break;
    }
    case BassStyle::Bounce:
        for (int step = 0; step * 2 < chord.length; ++step)
            writer.Note(bassTrack, at + Sixteenths(step * 2), Sixteenths(2) - 30, BASS_CHANNEL,
                        step % 2 == 0 ? root : root + 12, Human(step % 2 == 0 ? 96 : 78));
        break;
    case BassStyle::Waltz:
        for (int p = 0; p < chord.length; p += 4) {
            const int inBar = (chord.start + p) % barLength;
            if (p == 0)
                writer.Note(bassTrack, at, Sixteenths(std::min(chord.length, 8)) - 20, BASS_CHANNEL, root, Human(96));
            else if (inBar == 8)
                writer.Note(bassTrack, at + Sixteenths(p), Sixteenths(4) - 20, BASS_CHANNEL, root + 7, Human(80));
        }
        break;
    }
}

void SongBuilder::Drum(std::uint32_t at, int key, int velocity)
{
    writer.Note(drumTrack, at, Sixteenths(1), DRUM_CHANNEL, key, Human(velocity));
}

void SongBuilder::AddDrumBar(int bar, bool lastBarOfSection, bool firstBarOfSection, bool finalBar,
                             std::uint32_t start)
{
    auto at = [&](int sixteenth) { return start + Sixteenths(sixteenth); };
    if (firstBarOfSection || finalBar)
        Drum(at(0), CRASH, finalBar ? 96 : 78);
    if (finalBar) {
        Drum(at(0), KICK, 100);
        return;   // the last chord rings out on its own
    }
    const bool fill = lastBarOfSection;
    switch (plan.drumStyle) {
    case DrumStyle::Pop:
        Drum(at(0), KICK, 100);
        Drum(at(8), KICK, 92);
        if (bar % 2 == 1)
            Drum(at(10), KICK, 80);
        Drum(at(4), SNARE, 88);
        for (int p = 0; p < barLength; p += 2)
            if (!(fill && p >= 12))
                Drum(at(p), bar % 4 == 3 && p == 14 ? OPEN_HAT : CLOSED_HAT, p % 4 == 0 ? 70 : 52);
        if (fill) {
            for (int p = 12; p < 16; ++p)
                Drum(at(p), SNARE, 70 + 8 * (p - 12));
        } else {
            Drum(at(12), SNARE, 88);
        }
        break;
    case DrumStyle::Ballad:
        Drum(at(0), KICK, 88);
        Drum(at(10), KICK, 70);
        Drum(at(4), SIDE_STICK, 72);
        Drum(at(12), SIDE_STICK, 76);
        for (int p = 0; p < barLength; p += 4)
            Drum(at(p), CLOSED_HAT, 54);
        for (int p = 0; p < barLength; p += 2)
            Drum(at(p), MARACAS, p % 4 == 0 ? 44 : 34);
        if (fill) {
            Drum(at(12), MID_TOM, 70);
            Drum(at(14), LOW_TOM, 76);
        }
        break;
    case DrumStyle::Woodblock: {
        Drum(at(0), KICK, 92);
        Drum(at(8), KICK, 84);
        const int clave[] = {0, 3, 6, 10, 12};
        for (int p : clave)
            Drum(at(p), bar % 2 == 0 ? HIGH_WOOD_BLOCK : CLAVES, p == 0 ? 86 : 74);
        Drum(at(4), LOW_WOOD_BLOCK, 70);
        Drum(at(14), LOW_WOOD_BLOCK, 64);
        for (int p = 2; p < barLength; p += 4)
            Drum(at(p), CLOSED_HAT, 46);
        if (fill)
            for (int p = 13; p < 16; ++p)
                Drum(at(p), HIGH_WOOD_BLOCK, 66 + 8 * (p - 13));
        break;
    }
    case DrumStyle::Waltz:
        Drum(at(0), KICK, 84);
        Drum(at(4), RIDE, 58);
        Drum(at(8), RIDE, 54);
        Drum(at(4), PEDAL_HAT, 46);
        Drum(at(8), PEDAL_HAT, 42);
        if (fill)
            Drum(at(10), SIDE_STICK, 60);
        break;
    }
}
