// Standard MIDI File encoding: header chunk, one chunk per track, delta times.
#include "midi_writer.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    PutU16(out, v >> 16);
    PutU16(out, v & 0xFFFF);
}

// Variable-length quantity: seven bits a byte, high bit set on all but the last.
void PutVarLength(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    std::uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = static_cast<std::uint8_t>(v & 0x7F);
        v >>= 7;
    } while (v != 0);
    while (n > 1)
        out.push_back(static_cast<std::uint8_t>(groups[--n] | 0x80));
    out.push_back(groups[0]);
}

std::vector<std::uint8_t> MetaText(std::uint8_t type, const std::string& text)
{
    std::vector<std::uint8_t> bytes{0xFF, type};
    PutVarLength(bytes, static_cast<std::uint32_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

std::uint8_t Data(int v)
{
    return static_cast<std::uint8_t>(std::clamp(v, 0, 127));
}

std::uint8_t Status(int kind, int channel)
{
    return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}

} // namespace

MidiWriter::MidiWriter(int ticksPerQuarter) : ticksPerQuarter(ticksPerQuarter)
{
    tracks.push_back({"Conductor", {}});
}

int MidiWriter::AddTrack(const std::string& name)
{
    tracks.push_back({name, {}});
    return static_cast<int>(tracks.size()) - 1;
}

void MidiWriter::Add(int track, std::uint32_t tick, int priority, std::vector<std::uint8_t> bytes)
{
    tracks[static_cast<std::size_t>(track)].events.push_back({tick, priority, sequence++, std::move(bytes)});
}

void MidiWriter::SetTempo(std::uint32_t tick, double beatsPerMinute)
{
    const auto micros = static_cast<std::uint32_t>(std::lround(60000000.0 / beatsPerMinute));
    Add(0, tick, 0,
        {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>((micros >> 8) & 0xFF),
         static_cast<std::uint8_t>(micros & 0xFF)});
}

void MidiWriter::SetTimeSignature(std::uint32_t tick, int beatsPerBar)
{
    // Quarter-note beats, 24 clocks a click, eight 32nds a quarter.
    Add(0, tick, 0, {0xFF, 0x58, 0x04, static_cast<std::uint8_t>(beatsPerBar), 0x02, 0x18, 0x08});
}

void MidiWriter::SetTitle(const std::string& title)
{
    tracks[0].name = title;
}

void MidiWriter::SetEnd(std::uint32_t tick)
{
    endTick = tick;
}

void MidiWriter::ProgramChange(int track, std::uint32_t tick, int channel, int program)
{
    Add(track, tick, 1, {Status(0xC0, channel), Data(program)});
}

void MidiWriter::ControlChange(int track, std::uint32_t tick, int channel, int controller, int value)
{
    Add(track, tick, 1, {Status(0xB0, channel), Data(controller), Data(value)});
}

void MidiWriter::Note(int track, std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity)
{
    Add(track, tick, 2, {Status(0x90, channel), Data(key), static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))});
    // A note-off is written as a note-on with velocity 0, which lets running
    // status shorten long runs of notes.
    Add(track, tick + length, 0, {Status(0x90, channel), Data(key), 0});
}

void MidiWriter::PutTrack(std::vector<std::uint8_t>& out, const Track& track) const
{
    std::vector<Event> events = track.events;
    std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        if (a.tick != b.tick)
            return a.tick < b.tick;
        if (a.priority != b.priority)
            return a.priority < b.priority;
        return a.sequence < b.sequence;
    });
    std::vector<std::uint8_t> body;
    const std::vector<std::uint8_t> name = MetaText(0x03, track.name);
    PutVarLength(body, 0);
    body.insert(body.end(), name.begin(), name.end());
    std::uint32_t now = 0;
    std::uint8_t runningStatus = 0;
    for (const Event& e : events) {
        PutVarLength(body, e.tick - now);
        now = e.tick;
        const bool channelMessage = e.bytes[0] < 0xF0;
        if (channelMessage && e.bytes[0] == runningStatus) {
            body.insert(body.end(), e.bytes.begin() + 1, e.bytes.end());
        } else {
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
            runningStatus = channelMessage ? e.bytes[0] : 0;
        }
    }
    PutVarLength(body, endTick > now ? endTick - now : 0);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    PutU32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
}

std::vector<std::uint8_t> MidiWriter::Encode() const
{
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    PutU32(out, 6);
    PutU16(out, 1);   // format 1: simultaneous tracks
    PutU16(out, static_cast<std::uint32_t>(tracks.size()));
    PutU16(out, static_cast<std::uint32_t>(ticksPerQuarter));
    for (const Track& track : tracks)
        PutTrack(out, track);
    return out;
}

bool MidiWriter::Write(const std::string& path) const
{
    const std::vector<std::uint8_t> bytes = Encode();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
