// Composes the game's background music: a handful of short original tunes
// written out as Standard MIDI Files for the "songs" folder.
#include "song_builder.h"
#include "song_plan.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

// General MIDI programs, counted from 0.
constexpr int ELECTRIC_PIANO = 4;
constexpr int VIBRAPHONE = 11;
constexpr int MARIMBA = 12;
constexpr int XYLOPHONE = 13;
constexpr int NYLON_GUITAR = 24;
constexpr int ACOUSTIC_BASS = 32;
constexpr int FRETLESS_BASS = 35;
constexpr int CONTRABASS = 43;
constexpr int PIZZICATO = 45;
constexpr int STRINGS = 48;
constexpr int OBOE = 68;
constexpr int CLARINET = 71;
constexpr int FLUTE = 73;
constexpr int PAN_FLUTE = 75;
constexpr int WARM_PAD = 89;

// A bright, easy-going tune in C for the first puzzles of the day.
SongPlan MorningRows()
{
    SongPlan song;
    song.title = "Morning Rows";
    song.fileName = "morning-rows.mid";
    song.beatsPerMinute = 108;
    song.beatsPerBar = 4;
    song.firstLeadProgram = VIBRAPHONE;
    song.secondLeadProgram = CLARINET;
    song.chordProgram = STRINGS;
    song.bassProgram = ACOUSTIC_BASS;
    song.chordStyle = ChordStyle::Sustained;
    song.bassStyle = BassStyle::RootFifth;
    song.drumStyle = DrumStyle::Pop;
    song.seed = 0x5EED01;
    song.sections = {
        {"intro", "C | Am | F | G", "r:8 | r:8 | r:8 | r:8"},
        {"verse", "C | Am | F | G | C | Am | Dm G | C",
         "e5:2 g5:2 e5:1 d5:1 c5:2 | a4:2 c5:2 e5:3 r:1 | f5:2 e5:1 d5:1 c5:2 a4:2 | b4:2 d5:2 g4:4 |"
         "e5:2 g5:2 c6:2 b5:1 a5:1 | a5:2 e5:2 c5:3 r:1 | d5:2 f5:2 b4:2 d5:2 | c5:6 r:2"},
        {"bridge", "F | G | Em | Am | F | G | Am | G7",
         "a5:3 g5:1 f5:2 a5:2 | g5:3 f5:1 d5:2 b4:2 | e5:2 g5:2 b5:3 a5:1 | a5:6 r:2 |"
         "c6:2 a5:2 f5:2 a5:2 | b5:2 g5:2 d5:2 g5:2 | c6:3 b5:1 a5:2 e5:2 | d5:2 b4:2 d5:2 f5:2"},
        {"ending", "F G | C", "a5:2 g5:2 f5:1 e5:1 d5:2 | c5:8"},
    };
    song.form = {{0, false, false}, {1, true, false}, {1, false, true}, {2, true, false},
                 {1, true, true},   {2, false, true}, {1, true, false}, {3, true, false}};
    return song;
}

// A slow, dreamy tune in A minor, like light moving through marble.
SongPlan PurpleMarble()
{
    SongPlan song;
    song.title = "Purple Marble";
    song.fileName = "purple-marble.mid";
    song.beatsPerMinute = 80;
    song.beatsPerBar = 4;
    song.firstLeadProgram = ELECTRIC_PIANO;
    song.secondLeadProgram = PAN_FLUTE;
    song.chordProgram = WARM_PAD;
    song.bassProgram = FRETLESS_BASS;
    song.chordStyle = ChordStyle::Sustained;
    song.bassStyle = BassStyle::Whole;
    song.drumStyle = DrumStyle::Ballad;
    song.seed = 0x5EED02;
    song.sections = {
        {"intro", "Am | F | C | E", "r:8 | r:8 | r:8 | r:8"},
        {"verse", "Am | F | C | G | Am | F | Dm | E",
         "e5:3 d5:1 c5:2 b4:2 | a4:4 c5:2 f5:2 | e5:3 d5:1 e5:2 g5:2 | d5:6 r:2 |"
         "c5:2 e5:2 a5:3 g5:1 | f5:3 e5:1 c5:2 a4:2 | d5:2 f5:2 a5:2 f5:2 | g#5:4 e5:2 b4:2"},
        {"bridge", "F | G | Em | Am | Dm | G | C | E",
         "c6:4 a5:2 f5:2 | b5:4 g5:2 d5:2 | e5:2 g5:2 b5:2 g5:2 | a5:6 r:2 |"
         "f5:3 e5:1 d5:2 a5:2 | g5:3 f5:1 d5:2 b4:2 | c5:2 e5:2 g5:2 c6:2 | b5:4 g#5:2 e5:2"},
        {"ending", "Am F | Am", "e5:4 c5:4 | a4:8"},
    };
    song.form = {{0, false, false, false}, {1, true, false}, {1, false, true}, {2, true, false},
                 {1, true, true},          {3, true, false}};
    return song;
}

// A quick, bouncy tune in G on mallets and wood blocks.
SongPlan WoodenBlocks()
{
    SongPlan song;
    song.title = "Wooden Blocks";
    song.fileName = "wooden-blocks.mid";
    song.beatsPerMinute = 132;
    song.beatsPerBar = 4;
    song.firstLeadProgram = MARIMBA;
    song.secondLeadProgram = XYLOPHONE;
    song.chordProgram = PIZZICATO;
    song.bassProgram = ACOUSTIC_BASS;
    song.chordStyle = ChordStyle::Offbeat;
    song.bassStyle = BassStyle::Bounce;
    song.drumStyle = DrumStyle::Woodblock;
    song.seed = 0x5EED03;
    song.sections = {
        {"intro", "G | C | D | G", "r:8 | r:8 | r:8 | r:8"},
        {"verse", "G | C | D | G | Em | C | D7 | G",
         "g5:1 b5:1 d6:1 b5:1 g5:2 d5:2 | e5:1 g5:1 c6:1 g5:1 e5:2 c5:2 | f#5:1 a5:1 d6:1 a5:1 f#5:2 d5:2 |"
         "g5:2 b5:2 g5:4 | e5:1 g5:1 b5:1 g5:1 e5:1 g5:1 b5:2 | c6:2 b5:1 a5:1 g5:2 e5:2 |"
         "d5:1 f#5:1 a5:1 c6:1 b5:1 a5:1 f#5:2 | g5:4 r:4"},
        {"bridge", "C | D | Bm | Em | C | D | Am D | G",
         "e6:2 d6:1 c6:1 g5:4 | f#5:2 a5:1 d6:1 a5:4 | b5:2 a5:1 f#5:1 d5:2 f#5:2 | e5:6 r:2 |"
         "g5:1 a5:1 g5:1 e5:1 c5:2 e5:2 | f#5:1 g5:1 a5:1 f#5:1 d5:2 a5:2 | c6:2 a5:2 f#5:2 d5:2 | g5:6 r:2"},
        {"ending", "C D | G", "e5:2 g5:2 f#5:2 a5:2 | g5:8"},
    };
    song.form = {{0, false, false}, {1, true, false}, {1, false, true}, {2, true, false},
                 {2, false, true},  {1, true, true},  {3, true, true}};
    return song;
}

// A gentle waltz in F for the last puzzle of the evening.
SongPlan EveningWaltz()
{
    SongPlan song;
    song.title = "Evening Waltz";
    song.fileName = "evening-waltz.mid";
    song.beatsPerMinute = 138;
    song.beatsPerBar = 3;
    song.firstLeadProgram = FLUTE;
    song.secondLeadProgram = OBOE;
    song.chordProgram = NYLON_GUITAR;
    song.bassProgram = CONTRABASS;
    song.chordStyle = ChordStyle::Waltz;
    song.bassStyle = BassStyle::Waltz;
    song.drumStyle = DrumStyle::Waltz;
    song.seed = 0x5EED04;
    song.sections = {
        {"intro", "F | Dm | Gm | C", "r:6 | r:6 | r:6 | r:6"},
        {"verse", "F | Dm | Gm | C7 | F | Am | Bb C | F",
         "c5:2 f5:2 a5:2 | a5:3 g5:1 f5:2 | g5:2 bb5:2 d6:2 | c6:4 bb5:2 |"
         "a5:2 c6:2 a5:2 | e5:3 f5:1 e5:2 | d5:3 e5:3 | f5:6"},
        {"bridge", "Bb | C | Am | Dm | Gm | C | F Dm | Gm C",
         "d6:3 c6:1 bb5:2 | c6:2 g5:2 e5:2 | a5:3 g5:1 e5:2 | f5:4 d5:2 |"
         "bb5:2 a5:2 g5:2 | e5:2 g5:2 c6:2 | a5:3 f5:3 | g5:3 e5:3"},
        {"ending", "Bb C | F", "d5:3 e5:3 | f5:6"},
    };
    song.form = {{0, false, false}, {1, true, false}, {1, false, true}, {2, true, false}, {1, true, true},
                 {2, false, true},  {1, true, false}, {3, true, false}};
    return song;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::vector<SongPlan> songs = {MorningRows(), PurpleMarble(), WoodenBlocks(), EveningWaltz()};
    for (const SongPlan& song : songs) {
        try {
            SongBuilder builder(song);
            const std::vector<std::uint8_t> bytes = builder.Build();
            const std::filesystem::path path = folder / song.fileName;
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            if (!file) {
                std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
                return 1;
            }
        } catch (const ScoreError& e) {
            std::fprintf(stderr, "%s: %s\n", song.title.c_str(), e.what());
            return 1;
        }
    }
    return 0;
}
