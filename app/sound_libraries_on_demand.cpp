// SDL and SDL_mixer, loaded when the sound is first opened rather than when
// the program starts. Together they pull in some seventy shared libraries
// (PulseAudio, Wayland, FluidSynth and all they need); loading those at
// process start held up the first frame. Each entry point the game uses is
// defined here and forwards to the library's own, found by dlsym on first
// use. Without the libraries the calls fail as they would without a sound
// device, and the game stays silent. Linked into the game executable only;
// the tests use the libraries directly.
#include <SDL.h>
#include <SDL_mixer.h>

#include <dlfcn.h>

namespace {

// SDL_mixer brings SDL with it: the same copy serves both.
void* Library(const char* name)
{
    return dlopen(name, RTLD_NOW | RTLD_LOCAL);
}

void* MixerLibrary()
{
    static void* const library = Library("libSDL2_mixer-2.0.so.0");
    return library;
}

void* SdlLibrary()
{
    static void* const library = Library("libSDL2-2.0.so.0");
    return library;
}

template <typename Function>
Function Resolve(void* library, const char* name)
{
    return library != nullptr ? reinterpret_cast<Function>(dlsym(library, name)) : nullptr;
}

// The library's own entry point of the same name, looked up once.
#define KOLUMO_REAL(name) \
    static const auto real = Resolve<decltype(&name)>(MixerLibrary(), #name)
#define KOLUMO_REAL_SDL(name) \
    static const auto real = Resolve<decltype(&name)>(SdlLibrary(), #name)

} // namespace

extern "C" {

int SDL_InitSubSystem(Uint32 flags)
{
    KOLUMO_REAL_SDL(SDL_InitSubSystem);
    return real != nullptr ? real(flags) : -1;
}

void SDL_QuitSubSystem(Uint32 flags)
{
    KOLUMO_REAL_SDL(SDL_QuitSubSystem);
    if (real != nullptr)
        real(flags);
}

SDL_RWops* SDL_RWFromConstMem(const void* mem, int size)
{
    KOLUMO_REAL_SDL(SDL_RWFromConstMem);
    return real != nullptr ? real(mem, size) : nullptr;
}

int SDL_RWclose(SDL_RWops* context)
{
    KOLUMO_REAL_SDL(SDL_RWclose);
    return real != nullptr ? real(context) : -1;
}

int Mix_Init(int flags)
{
    KOLUMO_REAL(Mix_Init);
    return real != nullptr ? real(flags) : 0;
}

void Mix_Quit(void)
{
    KOLUMO_REAL(Mix_Quit);
    if (real != nullptr)
        real();
}

int Mix_OpenAudio(int frequency, Uint16 format, int channels, int chunksize)
{
    KOLUMO_REAL(Mix_OpenAudio);
    return real != nullptr ? real(frequency, format, channels, chunksize) : -1;
}

void Mix_CloseAudio(void)
{
    KOLUMO_REAL(Mix_CloseAudio);
    if (real != nullptr)
        real();
}

int Mix_AllocateChannels(int numchans)
{
    KOLUMO_REAL(Mix_AllocateChannels);
    return real != nullptr ? real(numchans) : 0;
}

Mix_Chunk* Mix_LoadWAV_RW(SDL_RWops* src, int freesrc)
{
    KOLUMO_REAL(Mix_LoadWAV_RW);
    if (real == nullptr) {
        if (freesrc != 0 && src != nullptr)
            SDL_RWclose(src);
        return nullptr;
    }
    return real(src, freesrc);
}

void Mix_FreeChunk(Mix_Chunk* chunk)
{
    KOLUMO_REAL(Mix_FreeChunk);
    if (real != nullptr)
        real(chunk);
}

int Mix_PlayChannel(int channel, Mix_Chunk* chunk, int loops)
{
    KOLUMO_REAL(Mix_PlayChannel);
    return real != nullptr ? real(channel, chunk, loops) : -1;
}

int Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks)
{
    KOLUMO_REAL(Mix_PlayChannelTimed);
    return real != nullptr ? real(channel, chunk, loops, ticks) : -1;
}

int Mix_Playing(int channel)
{
    KOLUMO_REAL(Mix_Playing);
    return real != nullptr ? real(channel) : 0;
}

int Mix_HaltChannel(int channel)
{
    KOLUMO_REAL(Mix_HaltChannel);
    return real != nullptr ? real(channel) : 0;
}

Mix_Music* Mix_LoadMUS(const char* file)
{
    KOLUMO_REAL(Mix_LoadMUS);
    return real != nullptr ? real(file) : nullptr;
}

void Mix_FreeMusic(Mix_Music* music)
{
    KOLUMO_REAL(Mix_FreeMusic);
    if (real != nullptr)
        real(music);
}

int Mix_PlayMusic(Mix_Music* music, int loops)
{
    KOLUMO_REAL(Mix_PlayMusic);
    return real != nullptr ? real(music, loops) : -1;
}

int Mix_HaltMusic(void)
{
    KOLUMO_REAL(Mix_HaltMusic);
    return real != nullptr ? real() : 0;
}

int Mix_PlayingMusic(void)
{
    KOLUMO_REAL(Mix_PlayingMusic);
    return real != nullptr ? real() : 0;
}

const char* Mix_GetSoundFonts(void)
{
    KOLUMO_REAL(Mix_GetSoundFonts);
    return real != nullptr ? real() : nullptr;
}

int Mix_SetSoundFonts(const char* paths)
{
    KOLUMO_REAL(Mix_SetSoundFonts);
    return real != nullptr ? real(paths) : 0;
}

} // extern "C"
