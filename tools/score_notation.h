// Reads the compact melody and chord notation the songs are written in.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A score mistake (a bar of the wrong length, an unknown chord) stops the
// generator with a message, so a broken song never reaches the songs folder.
class ScoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScoreNotation {
public:
    struct MelodyNote {
        int key;      // MIDI key, or -1 for a rest
        int start;    // in sixteenth notes from the section's start
        int length;   // in sixteenth notes
    };
    struct Chord {
        int root;                 // pitch class 0..11, C = 0
        std::vector<int> tones;   // intervals above the root, root first
        int start;                // in sixteenth notes from the section's start
        int length;
    };

    // "c5" is middle C's octave up (MIDI 72), "f#4", "bb3"; "r" is a rest.
    static int Key(const std::string& name);
    // Lengths are in eighths and may be halves ("e5:.5" is a sixteenth).
    static std::vector<MelodyNote> Melody(const std::string& text, int beatsPerBar);
    // Each bar is shared evenly by the chords written in it.
    static std::vector<Chord> Chords(const std::string& text, int beatsPerBar);
    static int BarCount(const std::string& text);
};
