// Writes a "PREFS.SAV" with music off into the current folder, so the
// whole-process measurement can watch the game at rest with nothing playing.
#include "board/colour.h"
#include "engine/puzzle.h"
#include "engine/state_file.h"

#include <cstdio>

int main()
{
    MainWindowRecord main;
    SetDefaultColours(main.blockColours.data(), static_cast<int>(main.blockColours.size()));
    MusicRecord music;
    music.music = false;
    Puzzle puzzle;
    if (!SaveStateFile("PREFS.SAV", main, music, puzzle)) {
        std::perror("PREFS.SAV");
        return 1;
    }
    return 0;
}
