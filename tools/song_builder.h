// Turns a written SongPlan into a full arrangement in a MIDI file: lead
// voices, chords, bass and drums.
#pragma once

#include "midi_writer.h"
#include "score_notation.h"
#include "seeded_random.h"
#include "song_plan.h"

#include <cstdint>
#include <vector>

class SongBuilder {
public:
    explicit SongBuilder(const SongPlan& plan);

    // The complete file. Throws ScoreError when the score has a mistake.
    std::vector<std::uint8_t> Build();

private:
    void SetUpChannels();
    void AddSection(const FormStep& step, std::uint32_t start, bool lastStep);
    void AddMelody(const std::vector<ScoreNotation::MelodyNote>& notes, int channel, int track, int transpose,
                   int loudness, std::uint32_t start);
    void AddChord(const ScoreNotation::Chord& chord, std::uint32_t start);
    void AddBass(const ScoreNotation::Chord& chord, std::uint32_t start);
    void AddDrumBar(int bar, bool lastBarOfSection, bool firstBarOfSection, bool finalBar, std::uint32_t start);
    void Drum(std::uint32_t at, int key, int velocity);
    int Human(int velocity);
    std::uint32_t Sixteenths(int n) const;

    const SongPlan& plan;
    MidiWriter writer;
    SeededRandom random;
    int barLength;   // in sixteenths
    int firstLeadTrack;
    int secondLeadTrack;
    int chordTrack;
    int bassTrack;
    int drumTrack;
};
