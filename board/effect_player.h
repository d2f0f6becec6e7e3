// Plays the board's sound effects on the one effect channel of the shared
// audio device; records what was asked so it can be checked without sound.
#pragma once

#include <map>
#include <vector>

struct Mix_Chunk;

class EffectPlayer {
public:
    EffectPlayer() = default;
    ~EffectPlayer();
    EffectPlayer(const EffectPlayer&) = delete;
    EffectPlayer& operator=(const EffectPlayer&) = delete;

    // Plays the WAVE resource ":/sounds/<id>.wav" at once, cutting off the
    // effect still playing; a device at rest opens again first. No audio
    // device or no such sound: silence.
    void Play(int id);

    // Every id Play was given, oldest first, whether or not it could sound.
    const std::vector<int>& Requested() const { return requested; }
    int LastRequested() const { return requested.empty() ? 0 : requested.back(); }
    void ClearRequested() { requested.clear(); }

private:
    Mix_Chunk* Load(int id);

    std::vector<int> requested;
    // Loaded on first use and kept; a null entry marks a sound that failed.
    std::map<int, Mix_Chunk*> chunks;
};
