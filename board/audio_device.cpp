// Opens SDL's audio when something plays and closes it at rest; a machine
// without sound just stays silent.
#include "audio_device.h"

#include <QCoreApplication>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>

AudioDevice& AudioDevice::Instance()
{
    static AudioDevice device;
    return device;
}

bool AudioDevice::Open()
{
    if (open)
        return true;
    if (failed)
        return false;
    if (!tried) {
        tried = true;
        Mix_Init(MIX_INIT_MID);
    }
    if (!OpenDevice()) {
        failed = true;
        return false;
    }
    open = true;
    // Opened for whatever comes next; if nothing does, it rests again.
    ScheduleRest();
    return true;
}

bool AudioDevice::OpenDevice()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    return true;
}

void AudioDevice::CloseDevice()
{
    // Chunks stay loaded: they are kept in the device's format, which the
    // next opening asks for again.
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open = false;
}

void AudioDevice::EffectStarted()
{
    ScheduleRest();
}

void AudioDevice::Hold()
{
    ++holds;
}

void AudioDevice::Release()
{
    if (holds > 0 && --holds == 0)
        ScheduleRest();
}

bool AudioDevice::RestIfIdle()
{
    if (!open)
        return true;
    if (holds > 0)
        return false;
    // An effect longer than the wait: look again when it may have ended.
    if (Mix_Playing(EFFECT_CHANNEL) != 0) {
        ScheduleRest();
        return false;
    }
    if (restTimer)
        restTimer->stop();
    CloseDevice();
    return true;
}

bool AudioDevice::RestPending() const
{
    return restTimer && restTimer->isActive();
}

void AudioDevice::ScheduleRest()
{
    if (!restTimer) {
        QCoreApplication* application = QCoreApplication::instance();
        if (application == nullptr)
            return;
        restTimer = new QTimer(application);
        restTimer->setSingleShot(true);
        restTimer->setInterval(REST_AFTER_MS);
        QObject::connect(restTimer, &QTimer::timeout, application, [] { Instance().RestIfIdle(); });
    }
    restTimer->start();
}

AudioDevice::~AudioDevice()
{
    // The program is ending. At rest there is no audio thread left. A device
    // still open (music, or an effect moments ago) is silenced but not
    // closed: closing waits some 60 ms for SDL's audio thread to notice,
    // and the end of the process stops that thread anyway. Its decoders
    // stay loaded for as long as it may still call them.
    if (open) {
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
        return;
    }
    if (tried)
        Mix_Quit();
}
