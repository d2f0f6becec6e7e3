// The program's one audio device: the sound effects and the music share it.
#pragma once

class AudioDevice {
public:
    // The one instance; nothing is opened until Open is called.
    static AudioDevice& Instance();

    // Opens the device on the first call (later calls only report). Returns
    // false when there is no usable device: everything that plays then stays
    // silent, and nothing else changes.
    bool Open();
    bool IsOpen() const { return open; }

    // The channel every sound effect plays on: one voice, so a new effect
    // cuts off the one still playing.
    static constexpr int EFFECT_CHANNEL = 0;

    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

private:
    AudioDevice() = default;
    ~AudioDevice();

    bool tried = false;
    bool open = false;
};
