// Builds a Standard MIDI File (format 1) in memory and writes it out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Track 0 carries the tempo and metre; every further track holds one part.
// Events may be added in any order: each track is sorted by time when the
// file is encoded, note-offs before note-ons at the same tick so a repeated
// note is re-struck instead of cut short.
class MidiWriter {
public:
    explicit MidiWriter(int ticksPerQuarter);

    int TicksPerQuarter() const { return ticksPerQuarter; }

    // Adds a part track with that name and returns its index (1, 2, ...).
    int AddTrack(const std::string& name);

    void SetTempo(std::uint32_t tick, double beatsPerMinute);
    void SetTimeSignature(std::uint32_t tick, int beatsPerBar);
    void SetTitle(const std::string& title);
    // Every track ends no earlier than this tick, leaving room for the last
    // notes to ring out before a player moves on to the next song.
    void SetEnd(std::uint32_t tick);

    void ProgramChange(int track, std::uint32_t tick, int channel, int program);
    void ControlChange(int track, std::uint32_t tick, int channel, int controller, int value);
    void Note(int track, std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);

    std::vector<std::uint8_t> Encode() const;
    bool Write(const std::string& path) const;

private:
    struct Event {
        std::uint32_t tick;
        int priority;   // lower first among events at one tick
        std::uint32_t sequence;
        std::vector<std::uint8_t> bytes;
    };
    struct Track {
        std::string name;
        std::vector<Event> events;
    };

    void Add(int track, std::uint32_t tick, int priority, std::vector<std::uint8_t> bytes);
    void PutTrack(std::vector<std::uint8_t>& out, const Track& track) const;

    int ticksPerQuarter;
    std::uint32_t sequence = 0;
    std::uint32_t endTick = 0;
    std::vector<Track> tracks;
};
