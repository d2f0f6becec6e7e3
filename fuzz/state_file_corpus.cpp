// Writes the fuzzer's seed corpus: valid "PREFS.SAV" files of both formats,
// small and large puzzles, short and empty music folders.
#include "corpus_file.h"
#include "engine/puzzle.h"
#include "engine/random.h"
#include "engine/state_file.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
    const char* name;
    PuzzleSettings settings;
    const char* musicFolder;
    bool oldestFormat;
};

bool WriteSample(const std::string& folder, const Sample& sample, uint32_t seed)
{
    SeedRandom(seed);
    Puzzle puzzle;
    puzzle.NewGame(sample.settings);
    MainWindowRecord main;
    for (uint32_t i = 0; i < main.blockColours.size(); ++i) {
        main.blockColours[i] = 0x00404040u + 0x00101010u * i;
    }
    MusicRecord music{true, sample.musicFolder};
    std::vector<uint8_t> bytes = SerializeStateFile(main, music, puzzle);
    if (sample.oldestFormat) {
        bytes.erase(bytes.begin() + 62);  // no anti-aliasing byte
        bytes[0] = static_cast<uint8_t>(PREFS_FORMAT_OLDEST & 0xFF);
    }
    return WriteCorpusFile(folder, sample.name,
                           std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

int main(int argc, char** argv)
{
    const char* folder = CorpusFolder(argc, argv);
    if (folder == nullptr) {
        return 2;
    }
    const Sample samples[] = {
        {"default.sav", {12, 3, 5, 3, 3}, "songs", false},
        {"oldest-format.sav", {12, 3, 5, 3, 3}, "songs", true},
        {"small.sav", {6, 2, 2, 2, 2}, "", false},
        {"wide.sav", {30, 10, 10, 2, 18}, "/home/player/music/midi", false},
        {"one-colour.sav", {7, 1, 1, 1, 1}, "m", false},
        {"many-rows.sav", {10, 12, 10, 1, 4}, "songs", false},
    };
    uint32_t seed = 1;
    for (const Sample& sample : samples) {
        if (!WriteSample(folder, sample, seed++)) {
            return 1;
        }
    }
    return 0;
}
