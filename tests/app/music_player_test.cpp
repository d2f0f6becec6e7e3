// The music player driven tick by tick through a fake MIDI player: the song
// draw, the pauses between songs, the folder choice and the switch.
#include "app/music_player.h"
#include "engine/random.h"
#include "fake_music_backend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A folder holding count empty "songNN.mid" files.
void MakeSongs(const QString& folder, int count)
{
    QDir().mkpath(folder);
    for (int k = 0; k < count; ++k) {
        QFile file(QStringLiteral("%1/song%2.mid").arg(folder).arg(k, 2, 10, QLatin1Char('0')));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
}

class MusicPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SeedRandom(20240611);
        ASSERT_TRUE(scratch.isValid());
    }

    std::unique_ptr<MusicPlayer> MakePlayer(int songCount, const QString& name = "songs")
    {
        const QString folder = scratch.filePath(name);
        MakeSongs(folder, songCount);
        auto player = std::make_unique<MusicPlayer>(std::make_unique<FakeMusicBackend>(state));
        player->CreatePlayerWindow(QFile::encodeName(folder).toStdString());
        return player;
    }

    // The song that plays after the current one ends: two silent ticks.
    int NextSong(MusicPlayer& player)
    {
        // A song lasts longer than a tick: the player sees it playing.
        if (state.playing)
            player.OnTick();
        state.playing = false;
        const auto opened = state.opened.size();
        player.OnTick();
        EXPECT_EQ(state.opened.size(), opened) << "a song started after one silent tick";
        player.OnTick();
        EXPECT_EQ(state.opened.size(), opened + 1) << "no song on the second silent tick";
        return static_cast<int>(player.Songs().indexOf(state.opened.last()));
    }

    QTemporaryDir scratch;
    FakeMusicState state;
};

TEST_F(MusicPlayerTest, OneSongIsPlayedAgainAndAgain)
{
    auto player = MakePlayer(1);
    for (int k = 0; k < 20; ++k) {
        EXPECT_EQ(NextSong(*player), 0);
        EXPECT_TRUE(player->RecentSongs().empty());
    }
}

TEST_F(MusicPlayerTest, TwoOrThreeSongsNeverRepeatTheLast)
{
    for (const int count : {2, 3}) {
        auto player = MakePlayer(count, QStringLiteral("songs%1").arg(count));
        int previous = NextSong(*player);
        for (int k = 0; k < 200; ++k) {
            const int song = NextSong(*player);
            ASSERT_NE(song, previous) << count << " songs, start " << k;
            EXPECT_EQ(player->RecentSongs().size(), 1u);
            previous = song;
        }
    }
}

TEST_F(MusicPlayerTest, RecentSongsAreKeptOutOfTheDraw)
{
    // Four or five songs: the last two; twelve or more: the last six.
    for (const auto& [count, kept] : {std::pair{4, 2}, {5, 2}, {12, 6}, {20, 6}}) {
        auto player = MakePlayer(count, QStringLiteral("many%1").arg(count));
        std::vector<int> played;
        for (int k = 0; k < 300; ++k) {
            const int song = NextSong(*player);
            ASSERT_GE(song, 0);
            for (int back = 1; back <= kept && back <= static_cast<int>(played.size()); ++back)
                ASSERT_NE(song, played[played.size() - back]) << count << " songs, start " << k;
            played.push_back(song);
            ASSERT_LE(player->RecentSongs().size(), static_cast<size_t>(kept));
        }
        EXPECT_EQ(player->RecentSongs().size(), static_cast<size_t>(kept));
    }
}

TEST_F(MusicPlayerTest, FirstSongStartsOnTheSecondTickAndNothingStartsWhilePlaying)
{
    auto player = MakePlayer(3);
    player->OnTick();
    EXPECT_TRUE(state.opened.isEmpty());
    player->OnTick();
    ASSERT_EQ(state.opened.size(), 1);
    EXPECT_EQ(state.plays, 1);
    for (int k = 0; k < 10; ++k)
        player->OnTick();
    EXPECT_EQ(state.opened.size(), 1);
    EXPECT_EQ(player->IdleTicks(), 0);
}

TEST_F(MusicPlayerTest, ANewFolderStopsTheSongAndStartsAnewTwoTicksLater)
{
    auto player = MakePlayer(5);
    NextSong(*player);
    NextSong(*player);
    player->OnTick();
    ASSERT_TRUE(state.playing);
    ASSERT_FALSE(player->RecentSongs().empty());

    const QString other = scratch.filePath(QStringLiteral("other"));
    MakeSongs(other, 3);
    EXPECT_TRUE(player->TakeFolderOf(other + QStringLiteral("/song01.mid")));
    EXPECT_FALSE(state.playing) << "the song goes on";
    EXPECT_TRUE(player->RecentSongs().empty());
    EXPECT_EQ(player->MusicFolder(), QFile::encodeName(other).toStdString());
    ASSERT_EQ(player->Songs().size(), 3);

    const auto opened = state.opened.size();
    player->OnTick();
    EXPECT_EQ(state.opened.size(), opened);
    player->OnTick();
    ASSERT_EQ(state.opened.size(), opened + 1);
    EXPECT_TRUE(state.opened.last().startsWith(other + QLatin1Char('/')));
}

TEST_F(MusicPlayerTest, ChoosingAFileInTheFolderInUseChangesNothing)
{
    auto player = MakePlayer(4);
    NextSong(*player);
    const int stops = state.stops;
    const auto recent = player->RecentSongs();
    EXPECT_FALSE(player->TakeFolderOf(player->Songs().first()));
    EXPECT_TRUE(state.playing);
    EXPECT_EQ(state.stops, stops);
    EXPECT_EQ(player->RecentSongs(), recent);
}

TEST_F(MusicPlayerTest, AfterFiveIdleTicksSilenceLastsUntilMusicIsSwitchedOn)
{
    auto player = MakePlayer(0, QStringLiteral("empty"));
    for (int k = 0; k < 5; ++k)
        player->OnTick();
    const QString other = scratch.filePath(QStringLiteral("full"));
    MakeSongs(other, 2);
    player->TakeFolderOf(other + QStringLiteral("/song00.mid"));
    for (int k = 0; k < 20; ++k)
        player->OnTick();
    EXPECT_TRUE(state.opened.isEmpty());

    player->SetMusic(true);
    player->OnTick();
    EXPECT_TRUE(state.opened.isEmpty());
    player->OnTick();
    EXPECT_EQ(state.opened.size(), 1);
}

TEST_F(MusicPlayerTest, ASongThatWillNotPlayIsFollowedByTwoMoreTriesThenSilence)
{
    auto player = MakePlayer(6);
    for (const QString& song : player->Songs())
        state.broken.insert(song);
    for (int k = 0; k < 30; ++k)
        player->OnTick();
    EXPECT_EQ(state.opened.size(), 3) << "ticks 2, 3 and 4 each try one song";
    EXPECT_EQ(state.plays, 0);
}

TEST_F(MusicPlayerTest, MusicOffStopsAtOnceAndKeepsSilent)
{
    auto player = MakePlayer(3);
    EXPECT_TRUE(player->IsTicking());
    NextSong(*player);
    player->SetMusic(false);
    EXPECT_FALSE(state.playing);
    EXPECT_FALSE(player->IsTicking()) << "with music off nothing is left to poll";
    const auto opened = state.opened.size();
    for (int k = 0; k < 10; ++k) {
        player->OnTick();
        EXPECT_EQ(player->IdleTicks(), 0);
    }
    EXPECT_EQ(state.opened.size(), opened);
    player->SetMusic(true);
    EXPECT_TRUE(player->IsTicking());
    player->OnTick();
    player->OnTick();
    EXPECT_EQ(state.opened.size(), opened + 1);
}

TEST_F(MusicPlayerTest, TheTimerStartsOnlyOnceCreatedAndWithMusicOn)
{
    MusicPlayer player(std::make_unique<FakeMusicBackend>(state));
    PlayerPreferences off;
    off.music = false;
    player.ApplyPreferences(off);
    player.SetMusic(true);
    EXPECT_FALSE(player.IsTicking()) << "switched on before the player exists";
    player.SetMusic(false);
    player.CreatePlayerWindow(QFile::encodeName(scratch.filePath("none")).toStdString());
    EXPECT_TRUE(player.IsCreated());
    EXPECT_FALSE(player.IsTicking());
    player.SetMusic(true);
    EXPECT_TRUE(player.IsTicking());
}

TEST_F(MusicPlayerTest, PickSongOnNoSongsChoosesNothing)
{
    auto player = MakePlayer(0, QStringLiteral("nothing"));
    EXPECT_EQ(player->PickSong(), -1);
    for (int k = 0; k < 10; ++k)
        player->OnTick();
    EXPECT_TRUE(state.opened.isEmpty());
}

TEST_F(MusicPlayerTest, PickSongFallsBackToTheFirstSongWhenEveryDrawIsRecent)
{
    SeedRandom(777);
    std::deque<int32_t> recent = {0, 1, 2};
    EXPECT_EQ(MusicPlayer::DrawSong(3, recent), 0);
    EXPECT_TRUE(recent.empty());
    // Fifty draws tried, and a fifty-first made and dropped.
    const uint32_t after = RandomState();
    SeedRandom(777);
    for (int k = 0; k < MusicPlayer::PICK_ATTEMPTS + 1; ++k)
        Random();
    EXPECT_EQ(RandomState(), after);
}

TEST_F(MusicPlayerTest, ScanFolderFindsMidiFilesWithFullPaths)
{
    const QString folder = scratch.filePath(QStringLiteral("mixed"));
    MakeSongs(folder, 2);
    QFile(folder + QStringLiteral("/notes.txt")).open(QIODevice::WriteOnly);
    QDir().mkpath(folder + QStringLiteral("/folder.mid"));
    MusicPlayer player(std::make_unique<FakeMusicBackend>(state));
    player.CreatePlayerWindow(QFile::encodeName(folder).toStdString());
    player.OnTick();
    player.OnTick();
    ASSERT_EQ(player.RecentSongs().size(), 1u);
    player.ScanFolder();
    ASSERT_EQ(player.Songs().size(), 2);
    EXPECT_TRUE(player.RecentSongs().empty());
    for (const QString& song : player.Songs()) {
        EXPECT_TRUE(QDir::isAbsolutePath(song));
        EXPECT_TRUE(song.endsWith(QStringLiteral(".mid")));
        EXPECT_TRUE(QFile::exists(song));
    }
}

TEST_F(MusicPlayerTest, RelativeFolderIsTakenFromTheCurrentDirectory)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(scratch.path()));
    MakeSongs(QStringLiteral("songs"), 2);
    MusicPlayer player(std::make_unique<FakeMusicBackend>(state));
    player.ScanFolder();
    ASSERT_EQ(player.Songs().size(), 2);
    EXPECT_TRUE(player.Songs().first().startsWith(QDir(scratch.path()).absolutePath()));
    QDir::setCurrent(previous);
}

TEST_F(MusicPlayerTest, MissingFolderIsSilent)
{
    MusicPlayer player(std::make_unique<FakeMusicBackend>(state));
    player.CreatePlayerWindow(QFile::encodeName(scratch.filePath("no/such/folder")).toStdString());
    EXPECT_TRUE(player.Songs().isEmpty());
    for (int k = 0; k < 6; ++k)
        player.OnTick();
    EXPECT_TRUE(state.opened.isEmpty());
}

TEST_F(MusicPlayerTest, FolderIsTheChosenFilesPathUpToItsLastSlash)
{
    MusicPlayer player(std::make_unique<FakeMusicBackend>(state));
    EXPECT_TRUE(player.TakeFolderOf(QStringLiteral("/tune.mid")));
    EXPECT_EQ(player.MusicFolder(), "/");
    EXPECT_TRUE(player.TakeFolderOf(QStringLiteral("/a/b c/tune.mid")));
    EXPECT_EQ(player.MusicFolder(), "/a/b c");
    EXPECT_FALSE(player.TakeFolderOf(QStringLiteral("tune.mid")));
    EXPECT_EQ(player.MusicFolder(), "/a/b c");
    // Case matters: another folder.
    EXPECT_TRUE(player.TakeFolderOf(QStringLiteral("/a/B c/tune.mid")));
    EXPECT_EQ(player.MusicFolder(), "/a/B c");
    // Not a name a file system could hold.
    EXPECT_FALSE(player.TakeFolderOf(QStringLiteral("/a") + QChar(0) + QStringLiteral("b/t.mid")));
    EXPECT_EQ(player.MusicFolder(), "/a/B c");
}

TEST_F(MusicPlayerTest, NonAsciiFolderKeepsThePlatformsBytes)
{
    const QString folder = scratch.filePath(QStringLiteral("Musik für Ströme"));
    MakeSongs(folder, 1);
    MusicPlayer player(std::make_unique<FakeMusicBackend>(state));
    ASSERT_TRUE(player.TakeFolderOf(folder + QStringLiteral("/song00.mid")));
    EXPECT_EQ(player.MusicFolder(), QFile::encodeName(folder).toStdString());
    EXPECT_EQ(player.Songs().size(), 1);
}

TEST_F(MusicPlayerTest, PreferencesCarryTheSwitchAndTheFolder)
{
    MusicPlayer player(std::make_unique<FakeMusicBackend>(state));
    EXPECT_TRUE(player.Music());
    EXPECT_EQ(player.MusicFolder(), "songs");
    PlayerPreferences chosen;
    chosen.music = false;
    chosen.musicFolder = "/home/player/midi";
    player.ApplyPreferences(chosen);
    EXPECT_FALSE(player.Music());
    EXPECT_EQ(player.MusicFolder(), "/home/player/midi");
    EXPECT_TRUE(player.Songs().isEmpty()) << "taking the preferences at start must not search the folder";
}

} // namespace
