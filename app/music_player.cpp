// Background music: folder search, the once-a-second poll and the song draw.
#include "music_player.h"

#include "app/sdl_music_backend.h"
#include "engine/random.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTimerEvent>

#include <algorithm>

namespace {

// Past this many idle ticks the player has given up until music is switched
// on again; counting further would change nothing.
constexpr int32_t GIVEN_UP_TICKS = 5;

} // namespace

MusicPlayer::MusicPlayer(std::unique_ptr<MusicBackend> backend)
    : backend(backend ? std::move(backend) : std::make_unique<SdlMusicBackend>())
{
}

MusicPlayer::~MusicPlayer()
{
    musicTimer.stop();
    this->backend->Stop();
}

void MusicPlayer::ApplyPreferences(const PlayerPreferences& chosen)
{
    if (!created) {
        music = chosen.music;
        musicFolder = chosen.musicFolder;
        return;
    }
    if (chosen.musicFolder != musicFolder)
        ChangeFolder(chosen.musicFolder);
    SetMusic(chosen.music);
}

void MusicPlayer::CreatePlayerWindow(const std::string& folder)
{
    if (!folder.empty())
        musicFolder = folder;
    ScanFolder();
    idleTicks = 0;
    created = true;
    if (music)
        musicTimer.start(MUSIC_TIMER_PERIOD_MS, Qt::CoarseTimer, this);
}

void MusicPlayer::SetMusic(bool on)
{
    music = on;
    if (on) {
        idleTicks = 0;
        // Ticks with music off change nothing, so none are missed.
        if (created && !musicTimer.isActive())
            musicTimer.start(MUSIC_TIMER_PERIOD_MS, Qt::CoarseTimer, this);
    } else {
        musicTimer.stop();
        backend->Stop();
    }
}

std::string MusicPlayer::ChooseFolder(QWidget* dialogParent)
{
    const QString chosen = QFileDialog::getOpenFileName(
        dialogParent, tr("Set Music Folder (by selecting any MIDI file in it)"),
        QFile::decodeName(QByteArray::fromStdString(musicFolder)),
        //: A filter of the file chooser; keep "(*.mid)" as it is.
        tr("Midi Files (*.mid)"));
    if (!chosen.isEmpty())
        TakeFolderOf(chosen);
    return musicFolder;
}

bool MusicPlayer::TakeFolderOf(const QString& chosenFile)
{
    const qsizetype slash = chosenFile.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return false;
    // A file in the root folder: the folder is "/", not "".
    const QString folder = slash == 0 ? QStringLiteral("/") : chosenFile.left(slash);
    const QByteArray bytes = QFile::encodeName(folder);
    // Such a name could not be stored and found again.
    if (bytes.contains('\0'))
        return false;
    const std::string candidate = bytes.toStdString();
    if (candidate == musicFolder)
        return false;
    ChangeFolder(candidate);
    return true;
}

void MusicPlayer::ChangeFolder(const std::string& folder)
{
    musicFolder = folder;
    ScanFolder();
    backend->Stop();
}

void MusicPlayer::ScanFolder()
{
    songList.clear();
    recentSongs.clear();
    const QDir folder(QFile::decodeName(QByteArray::fromStdString(musicFolder)));
    const QStringList names = folder.entryList({QStringLiteral("*.mid")},
                                               QDir::Files | QDir::Readable, QDir::Unsorted);
    for (const QString& name : names)
        songList.append(folder.absoluteFilePath(name));
}

void MusicPlayer::OnTick()
{
    const bool playing = backend->IsPlaying();
    if (!music || playing) {
        idleTicks = 0;
        return;
    }
    backend->Stop();
    if (idleTicks < GIVEN_UP_TICKS)
        ++idleTicks;
    if (songList.isEmpty() || idleTicks < 2 || idleTicks > 4)
        return;
    const int32_t index = PickSong();
    if (index >= 0)
        StartSong(index);
}

int32_t MusicPlayer::DrawSong(int32_t count, std::deque<int32_t>& recent)
{
    if (count == 0)
        return -1;
    int32_t attempts = PICK_ATTEMPTS;
    int32_t index = -1;
    while (index < 0) {
        index = Random() % count;
        if (std::find(recent.begin(), recent.end(), index) != recent.end())
            index = -1;
        --attempts;
        if (attempts < 0) {
            recent.clear();
            index = 0;
        }
    }
    return index;
}

void MusicPlayer::StartSong(int32_t index)
{
    recentSongs.push_back(index);
    const auto limit = static_cast<size_t>(
        std::min<qsizetype>(songList.size() / 2, RECENT_LIMIT));
    while (recentSongs.size() > limit)
        recentSongs.pop_front();
    if (backend->Open(songList[index]))
        backend->Play();
}

void MusicPlayer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == musicTimer.timerId())
        OnTick();
    else
        QObject::timerEvent(event);
}
