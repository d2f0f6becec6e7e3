// What the music player needs of a MIDI player: open a file, play it from its
// start, stop, and say whether it is playing.
#pragma once

#include <QString>

class MusicBackend {
public:
    virtual ~MusicBackend() = default;

    // Opens the file at path, closing the one open before. False when it
    // cannot be opened (missing, broken, no soundfont, no audio device).
    virtual bool Open(const QString& path) = 0;
    // Plays the open file once from its start; false when nothing plays.
    virtual bool Play() = 0;
    // Silence at once; the file is closed too, so playing again needs Open.
    virtual void Stop() = 0;
    virtual bool IsPlaying() const = 0;
};
