// MIDI playback through SDL_mixer's music channel, on the audio device the
// sound effects share.
#pragma once

#include "app/music_backend.h"

typedef struct _Mix_Music Mix_Music;

class SdlMusicBackend : public MusicBackend {
public:
    SdlMusicBackend() = default;
    ~SdlMusicBackend() override;

    SdlMusicBackend(const SdlMusicBackend&) = delete;
    SdlMusicBackend& operator=(const SdlMusicBackend&) = delete;

    // Opens the audio device if it rests; fails quietly when there is none.
    // A loaded song holds the device open until it is stopped or replaced.
    bool Open(const QString& path) override;
    bool Play() override;
    void Stop() override;
    bool IsPlaying() const override;

private:
    void Close();

    Mix_Music* song = nullptr;
};
