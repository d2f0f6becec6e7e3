// Background music: MIDI files from one folder, in random order, one after
// another, while music is on. A one-second timer polls the player and starts
// the next song once nothing has played for two ticks; with music off the
// timer stops, so the program can sleep.
#pragma once

#include "app/music_backend.h"
#include "engine/state_records.h"

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

    // The saved record: written from and read into music and musicFolder.
    void SerializeTo(MusicRecord& record) const;
    void SerializeFrom(const MusicRecord& record);

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

    // songList = the "*.mid" files of musicFolder, full paths, in the order
    // the directory lists them; recentSongs emptied.
    void ScanFolder();

    // One tick of the one-second timer.
    void OnTick();
    // An index into songList, avoiding recentSongs; -1 when there are no
    // songs.
    int32_t PickSong();

    bool music = true;
    // The folder's bytes as the platform names files; relative to the
    // current directory unless absolute.
    std::string musicFolder = "songs";
    int32_t idleTicks = 0;
    QStringList songList;
    // Oldest at the front.
    std::deque<int32_t> recentSongs;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void StartSong(int32_t index);

    std::unique_ptr<MusicBackend> backend;
    QBasicTimer musicTimer;
    bool created = false;
};
