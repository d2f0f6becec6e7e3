// MIDI playback through SDL_mixer; every failure ends in silence.
#include "sdl_music_backend.h"

#include "board/audio_device.h"

#include <QFile>

#include <SDL_mixer.h>

#include <array>

namespace {

// SDL_mixer's FluidSynth decoder normally finds Debian's default soundfont by
// itself; where it does not, point it at a General MIDI soundfont from one of
// the packages that ship one.
void MakeSureOfASoundfont()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (Mix_GetSoundFonts() != nullptr)
        return;
    static constexpr std::array candidates{
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3",
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
    };
    for (const char* path : candidates) {
        if (QFile::exists(QString::fromLatin1(path))) {
            Mix_SetSoundFonts(path);
            return;
        }
    }
}

} // namespace

SdlMusicBackend::~SdlMusicBackend()
{
    Close();
}

bool SdlMusicBackend::Open(const QString& path)
{
    Close();
    if (!AudioDevice::Instance().Open())
        return false;
    MakeSureOfASoundfont();
    song = Mix_LoadMUS(QFile::encodeName(path).constData());
    if (song == nullptr)
        return false;
    // The device closes its decoders when it rests: not under a loaded song.
    AudioDevice::Instance().Hold();
    return true;
}

bool SdlMusicBackend::Play()
{
    return song != nullptr && Mix_PlayMusic(song, 0) == 0;
}

void SdlMusicBackend::Stop()
{
    if (AudioDevice::Instance().IsOpen())
        Mix_HaltMusic();
    // A stopped song is never played again without opening a file, and
    // letting it go lets the device rest.
    Close();
}

bool SdlMusicBackend::IsPlaying() const
{
    return song != nullptr && AudioDevice::Instance().IsOpen() && Mix_PlayingMusic() != 0;
}

void SdlMusicBackend::Close()
{
    if (song == nullptr)
        return;
    // Mix_FreeMusic halts the song first if it is the one playing.
    Mix_FreeMusic(song);
    song = nullptr;
    AudioDevice::Instance().Release();
}
