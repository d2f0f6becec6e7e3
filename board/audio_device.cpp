// Opens SDL's audio once; a machine without sound just stays silent.
#include "audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

AudioDevice& AudioDevice::Instance()
{
    static AudioDevice device;
    return device;
}

bool AudioDevice::Open()
{
    if (tried)
        return open;
    tried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    open = true;
    return true;
}

AudioDevice::~AudioDevice()
{
    if (open) {
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        Mix_Quit();
    }
    if (tried)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
