// The written-out score of one song: tempo, instruments, sections and form.
#pragma once

#include <string>
#include <vector>

// How the chord part plays each chord.
enum class ChordStyle {
    Sustained,   // held for the whole chord, a pad
    Arpeggio,    // broken into running eighths
    Offbeat,     // short stabs on the off-beats
    Waltz,       // stabs on beats two and three
};

// How the bass plays each chord.
enum class BassStyle {
    Whole,       // the root, held
    RootFifth,   // quarter notes: root, fifth, octave, fifth
    Bounce,      // eighth notes rocking between root and octave
    Waltz,       // root on the downbeat, fifth on beat three
};

// Which drum pattern the percussion part plays.
enum class DrumStyle {
    Pop,         // kick, back-beat snare, eighth hats
    Ballad,      // kick, side stick, quarter hats and a soft shaker
    Woodblock,   // wood blocks and claves over kick and hat
    Waltz,       // kick on one, brushed cymbal on two and three
};

struct SectionPlan {
    std::string name;
    // Chord symbols bar by bar, bars separated by '|', e.g. "C | Am | F G | C".
    std::string chords;
    // Melody as pitch:length tokens, lengths in eighth notes, bars by '|',
    // e.g. "e5:2 g5:2 c6:4 | r:8"; "r" is a rest, "#" and "b" alter.
    std::string melody;
};

// One pass through a section, and which lead voices carry its melody.
struct FormStep {
    int section;
    bool firstLead;
    bool secondLead;
    bool drums = true;
};

struct SongPlan {
    std::string title;
    std::string fileName;
    double beatsPerMinute = 120;
    int beatsPerBar = 4;
    int firstLeadProgram = 0;    // General MIDI programs, counted from 0
    int secondLeadProgram = 0;
    int chordProgram = 0;
    int bassProgram = 32;
    ChordStyle chordStyle = ChordStyle::Sustained;
    BassStyle bassStyle = BassStyle::RootFifth;
    DrumStyle drumStyle = DrumStyle::Pop;
    std::vector<SectionPlan> sections;
    std::vector<FormStep> form;
    unsigned seed = 1;           // for the small touches of a human player
};
