// Sound effects through SDL2_mixer: one voice, WAVs from the Qt resources.
#include "effect_player.h"

#include "board/audio_device.h"

#include <QFile>
#include <QString>

#include <SDL.h>
#include <SDL_mixer.h>

EffectPlayer::~EffectPlayer()
{
    if (AudioDevice::Instance().IsOpen())
        Mix_HaltChannel(AudioDevice::EFFECT_CHANNEL);
    for (auto& [id, chunk] : chunks) {
        if (chunk)
            Mix_FreeChunk(chunk);
    }
}

void EffectPlayer::Play(int id)
{
    if (!AudioDevice::Instance().Open())
        return;
    Mix_Chunk* chunk = Load(id);
    if (!chunk)
        return;
    // Playing on a busy channel stops the old sound first: one voice.
    Mix_PlayChannel(AudioDevice::EFFECT_CHANNEL, chunk, 0);
    AudioDevice::Instance().EffectStarted();
}

Mix_Chunk* EffectPlayer::Load(int id)
{
    const auto found = chunks.find(id);
    if (found != chunks.end())
        return found->second;
    Mix_Chunk* chunk = nullptr;
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        // Mix_LoadWAV_RW decodes into its own buffer, so the bytes may go.
        SDL_RWops* stream = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
        if (stream)
            chunk = Mix_LoadWAV_RW(stream, 1);
    }
    chunks[id] = chunk;
    return chunk;
}
