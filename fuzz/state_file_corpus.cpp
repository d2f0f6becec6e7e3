// Writes the fuzzer's seed corpus: valid "PREFS.SAV" files of both formats,
// small and large puzzles, short and empty music folders.
#include "engine/puzzle.h"
#include "engine/random.h"
#include "engine/state_file.h"

#include <cstdio>
#include <fstream>
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
    std::ofstream out(folder + "/" + sample.name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
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
        if (!WriteSample(argv[1], sample, seed++)) {
            return 1;
        }
    }
    return 0;
}
