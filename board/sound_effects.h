// What the board asks of whatever makes its sound effects: one effect by id.
#pragma once

// The board's one way out to the speakers: the audio device's player in the
// game, a double that writes the ids down in the tests.
class SoundEffects {
public:
    virtual ~SoundEffects() = default;
    // Effect `id` (see board_sounds.h) at once, cutting off the one playing;
    // silence when it cannot sound.
    virtual void Play(int id) = 0;
};
