// A MIDI player for tests: it plays nothing, remembers what it was asked and
// says it is playing for as long as the test wants.
#pragma once

#include "app/music_backend.h"

#include <QSet>
#include <QStringList>

struct FakeMusicState {
    QStringList opened;
    int plays = 0;
    int stops = 0;
    bool playing = false;
    // Paths that fail to open, like a broken or unreadable file.
    QSet<QString> broken;
};

class FakeMusicBackend : public MusicBackend {
public:
    explicit FakeMusicBackend(FakeMusicState& state) : state(state) {}

    bool Open(const QString& path) override
    {
        state.opened.append(path);
        open = !state.broken.contains(path);
        return open;
    }
    bool Play() override
    {
        if (!open)
            return false;
        ++state.plays;
        state.playing = true;
        return true;
    }
    void Stop() override
    {
        ++state.stops;
        state.playing = false;
        open = false;
    }
    bool IsPlaying() const override { return state.playing; }

private:
    FakeMusicState& state;
    bool open = false;
};
