// Real sound on SDL's dummy audio driver: a song starts on the second tick,
// broken or missing files end in silence rather than a crash, and the device
// rests when nothing sounds and comes back for the next effect.
#include "app/music_player.h"
#include "app/sdl_music_backend.h"
#include "board/audio_device.h"
#include "board/effect_player.h"
#include "engine/random.h"

#include <QFile>
#include <QTemporaryDir>

#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A one-track MIDI file: a few notes of a piano, about two seconds.
QByteArray TinyMidiFile()
{
    QByteArray track;
    const auto event = [&track](std::initializer_list<int> bytes) {
        for (const int b : bytes)
            track.append(static_cast<char>(b));
    };
    event({0x00, 0xC0, 0x00});  // piano
    for (const int note : {60, 64, 67, 72}) {
        event({0x00, 0x90, note, 100});
        event({0x60, 0x80, note, 0});  // a quarter note at 96 ticks
    }
    event({0x00, 0xFF, 0x2F, 0x00});  // end of track
    QByteArray file("MThd");
    file.append(QByteArray::fromHex("00000006000000010060"));
    file.append("MTrk");
    const auto length = static_cast<uint32_t>(track.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        file.append(static_cast<char>((length >> shift) & 0xFF));
    file.append(track);
    return file;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(MusicPlaybackSmoke, ASongReallyPlaysOnTheDummyDriver)
{
    // CI has no sound card but always SDL's dummy driver and a soundfont.
    ASSERT_TRUE(AudioDevice::Instance().Open()) << "no audio device, not even the dummy one";
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("tune.mid")), TinyMidiFile());
    {
        Mix_Music* probe = Mix_LoadMUS(QFile::encodeName(folder.filePath("tune.mid")).constData());
        ASSERT_NE(probe, nullptr) << "SDL_mixer cannot play MIDI here: " << Mix_GetError();
        Mix_FreeMusic(probe);
    }
    SeedRandom(1);
    MusicPlayer player;
    player.CreatePlayerWindow(QFile::encodeName(folder.path()).toStdString());
    player.OnTick();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    player.OnTick();
    EXPECT_NE(Mix_PlayingMusic(), 0);
    player.OnTick();
    EXPECT_EQ(player.IdleTicks(), 0) << "the player does not see its own song playing";
    EXPECT_FALSE(AudioDevice::Instance().RestIfIdle()) << "the device closed under a song";
    player.SetMusic(false);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_FALSE(AudioDevice::Instance().IsHeld());
    EXPECT_TRUE(AudioDevice::Instance().RestIfIdle());
}

TEST(AudioRestTest, AnEffectAfterARestOpensTheDeviceAgainAndPlays)
{
    // The tests run on SDL's dummy driver, which is always there.
    AudioDevice& device = AudioDevice::Instance();
    ASSERT_TRUE(device.Open());
    EffectPlayer effects;
    for (int round = 0; round < 3; ++round) {
        effects.Play(131);
        EXPECT_TRUE(device.IsOpen()) << round;
        EXPECT_NE(Mix_Playing(AudioDevice::EFFECT_CHANNEL), 0) << "the effect was lost, round " << round;
        EXPECT_TRUE(device.RestPending()) << round;
        Mix_HaltChannel(AudioDevice::EFFECT_CHANNEL);
        EXPECT_TRUE(device.RestIfIdle()) << round;
        EXPECT_FALSE(device.IsOpen()) << round;
    }
}

TEST(AudioRestTest, ThePlayingEffectOrAHeldSongKeepsTheDeviceOpen)
{
    // The tests run on SDL's dummy driver, which is always there.
    AudioDevice& device = AudioDevice::Instance();
    ASSERT_TRUE(device.Open());
    // A silent sound played for ever, so it is surely still playing.
    static Uint8 silence[4096] = {};
    Mix_Chunk* endless = Mix_QuickLoad_RAW(silence, sizeof silence);
    ASSERT_NE(endless, nullptr);
    Mix_PlayChannel(AudioDevice::EFFECT_CHANNEL, endless, -1);
    EXPECT_FALSE(device.RestIfIdle());
    EXPECT_TRUE(device.RestPending()) << "no second look once the effect ends";
    Mix_HaltChannel(AudioDevice::EFFECT_CHANNEL);
    Mix_FreeChunk(endless);

    device.Hold();
    EXPECT_FALSE(device.RestIfIdle());
    device.Release();
    EXPECT_TRUE(device.RestPending());
    EXPECT_TRUE(device.RestIfIdle());
    EXPECT_FALSE(device.IsOpen());
    EXPECT_TRUE(device.RestIfIdle()) << "resting twice is harmless";
}

TEST(MusicPlaybackSmoke, BrokenAndVanishedFilesAreSilent)
{
    ASSERT_TRUE(AudioDevice::Instance().Open());
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("broken.mid")), QByteArray("MThd this is no song"));
    WriteFile(folder.filePath(QStringLiteral("empty.mid")), QByteArray());
    WriteFile(folder.filePath(QStringLiteral("gone.mid")), TinyMidiFile());
    MusicPlayer player;
    player.CreatePlayerWindow(QFile::encodeName(folder.path()).toStdString());
    QFile::remove(folder.filePath(QStringLiteral("gone.mid")));
    for (int k = 0; k < 8; ++k)
        player.OnTick();
    // The player tried the files, and its timer runs on to try again.
    EXPECT_EQ(player.RecentSongs().size(), 1u);
    EXPECT_TRUE(player.IsCreated());
}

TEST(MusicPlaybackSmoke, WithoutAnAudioDeviceNothingOpens)
{
    // The backend opens the device itself, and refuses quietly when there
    // is none: either way, no crash, an answer.
    SdlMusicBackend backend;
    EXPECT_FALSE(backend.Open(QStringLiteral("/no/such/file.mid")));
    EXPECT_FALSE(backend.Play());
    EXPECT_FALSE(backend.IsPlaying());
    backend.Stop();
}

} // namespace
