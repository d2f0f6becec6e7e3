// Background music: MIDI files from one folder, in random order, one after
// another, while music is on. A one-second timer polls the player and starts
// the next song once nothing has played for two ticks; with music off the
// timer stops, so the program can sleep.
#pragma once

#include "app/music_backend.h"
#include "engine/player_preferences.h"

#include <QBasicTimer>
#include <QObject>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

class QWidget;

class MusicPlayer : public QObject {
    Q_OBJECT

public:
    // At most this many recent songs are kept out of the draw (and never more
    // than half the songs).
    static constexpr int RECENT_LIMIT = 6;
    static constexpr int MUSIC_TIMER_PERIOD_MS = 1000;
    // Draws tried before PickSong gives up avoiding recent songs.
    static constexpr int PICK_ATTEMPTS = 50;

    // Without a backend, songs play through SDL_mixer.
    explicit MusicPlayer(std::unique_ptr<MusicBackend> backend = nullptr);
    ~MusicPlayer() override;

    // Takes the music switch and the music folder of `chosen`. Before
    // CreatePlayerWindow they are only kept; after it, the switch is set as
    // SetMusic sets it and a new folder is taken as TakeFolderOf takes one.
    void ApplyPreferences(const PlayerPreferences& chosen);
    bool Music() const { return music; }
    const std::string& MusicFolder() const { return musicFolder; }

    // Takes folder when it is not empty, searches the folder and starts the
    // timer if music is on; the first song starts on the second tick.
    void CreatePlayerWindow(const std::string& folder);
    bool IsCreated() const { return created; }
    // Whether the one-second timer runs: only once created, with music on.
    bool IsTicking() const { return musicTimer.isActive(); }

    // On: the timer starts again and a song starts on its second tick.
    // Off: silence at once, and the timer stops.
    void SetMusic(bool on);

    // Lets the player pick a MIDI file; its folder becomes the music folder.
    // Returns the music folder after the choice.
    std::string ChooseFolder(QWidget* dialogParent = nullptr);
    // The choice itself, given the chosen file's full path: a new folder is
    // searched and the song playing stops. False when nothing changed.
    bool TakeFolderOf(const QString& chosenFile);

    // Songs() = the "*.mid" files of the music folder, full paths, in the
    // order the directory lists them; RecentSongs() emptied.
    void ScanFolder();

    // One tick of the one-second timer.
    void OnTick();
    // An index into Songs(), avoiding RecentSongs(); -1 when there are no
    // songs.
    int32_t PickSong() { return DrawSong(static_cast<int32_t>(songList.size()), recentSongs); }
    // An index below songCount drawn from the shared Random, avoiding
    // `recent`; after PICK_ATTEMPTS draws that all hit it, `recent` is
    // emptied and the first song chosen. -1 when songCount is 0.
    static int32_t DrawSong(int32_t songCount, std::deque<int32_t>& recent);

    // Ticks in a row that found nothing playing, up to the point of giving up.
    int32_t IdleTicks() const { return idleTicks; }
    const QStringList& Songs() const { return songList; }
    // The songs kept out of the draw, oldest at the front.
    const std::deque<int32_t>& RecentSongs() const { return recentSongs; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void StartSong(int32_t index);
    // The folder taken as the music folder: a new search, and silence.
    void ChangeFolder(const std::string& folder);

    bool music = PlayerPreferences{}.music;
    // The folder's bytes as the platform names files; relative to the
    // current directory unless absolute.
    std::string musicFolder = PlayerPreferences{}.musicFolder;
    int32_t idleTicks = 0;
    QStringList songList;
    // Oldest at the front.
    std::deque<int32_t> recentSongs;
    std::unique_ptr<MusicBackend> backend;
    QBasicTimer musicTimer;
    bool created = false;
};
