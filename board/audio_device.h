// The program's one audio device: the sound effects and the music share it.
#pragma once

#include <QPointer>

class QTimer;

// Open only while something may sound. REST_AFTER_MS after the last effect
// started, with no effect still playing and no song held, the device closes
// and SDL's audio thread ends, so a program at rest wakes nobody; the next
// effect or song opens it again before it plays. At the program's end an
// open device is only silenced, so closing the window never waits for SDL.
class AudioDevice {
public:
    // The one instance; nothing is opened until Open is called.
    static AudioDevice& Instance();

    // Opens the device if it is not open: the first time, or again after a
    // rest. Returns false when there is no usable device: everything that
    // plays then stays silent, and nothing else changes. Once a device has
    // failed to open it is not tried again.
    bool Open();
    bool IsOpen() const { return open; }

    // Tells the device an effect has just started: the rest is counted from
    // now.
    void EffectStarted();
    // A song is loaded: the device must not close under it until Release.
    void Hold();
    void Release();
    bool IsHeld() const { return holds > 0; }

    // Closes the device now if it is open, no effect is playing and nothing
    // holds it. Returns whether it is closed afterwards.
    bool RestIfIdle();
    // Whether a rest is due to be tried (the rest timer runs).
    bool RestPending() const;

    // The channel every sound effect plays on: one voice, so a new effect
    // cuts off the one still playing.
    static constexpr int EFFECT_CHANNEL = 0;
    // Long enough that quick play keeps the device open, short enough that
    // a player who stops to think is at rest within seconds.
    static constexpr int REST_AFTER_MS = 3000;

    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

private:
    AudioDevice() = default;
    ~AudioDevice();

    bool OpenDevice();
    void CloseDevice();
    // (Re)starts the rest timer; nothing without a running application.
    void ScheduleRest();

    bool tried = false;
    bool failed = false;
    bool open = false;
    int holds = 0;
    // Belongs to the application, so it goes before the application does.
    QPointer<QTimer> restTimer;
};
