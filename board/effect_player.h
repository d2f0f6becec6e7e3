// Plays the board's sound effects on the one effect channel of the shared audio device.
#pragma once

#include "board/sound_effects.h"

#include <map>

struct Mix_Chunk;

class EffectPlayer : public SoundEffects {
public:
    EffectPlayer() = default;
    ~EffectPlayer() override;
    EffectPlayer(const EffectPlayer&) = delete;
    EffectPlayer& operator=(const EffectPlayer&) = delete;

    // Plays the WAVE resource ":/sounds/<id>.wav" at once, cutting off the
    // effect still playing; a device at rest opens again first. No audio
    // device or no such sound: silence.
    void Play(int id) override;

private:
    Mix_Chunk* Load(int id);

    // Loaded on first use and kept; a null entry marks a sound that failed.
    std::map<int, Mix_Chunk*> chunks;
};
