// Sound effects for the tests: nothing sounds, every id asked for is written down.
#pragma once

#include "board/sound_effects.h"

#include <vector>

class RecordedEffects : public SoundEffects {
public:
    // Writes into `played` (the test's own, outliving the board), oldest first.
    explicit RecordedEffects(std::vector<int>& played) : played(played) {}

    void Play(int id) override { played.push_back(id); }

private:
    std::vector<int>& played;
};

// The last effect in `played`; 0 when none was asked for.
inline int LastOf(const std::vector<int>& played)
{
    return played.empty() ? 0 : played.back();
}
