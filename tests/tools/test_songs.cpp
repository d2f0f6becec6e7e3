// The songs in songs/: exactly what the composer writes, valid MIDI files of
// a minute or more with melody, bass and drums, and playable by the mixer.
#include "tools/midi_writer.h"
#include "tools/score_notation.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> MidiFiles(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".mid")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// What one song holds, read back from its bytes.
struct SongFacts {
    bool valid = false;
    int format = -1;
    double seconds = 0;
    std::set<int> programs;
    std::set<double> tempos;
    int drumNotes = 0;
    int bassNotes = 0;    // below the G of the bass clef's top line
    int melodyNotes = 0;  // above middle C, outside the drum channel
};

class SmfReader {
public:
    explicit SmfReader(const Bytes& b) : b(b) {}

    SongFacts Read()
    {
        SongFacts facts;
        if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || U32(4) != 6)
            return facts;
        facts.format = U16(8);
        const int trackCount = U16(10);
        const int division = U16(12);
        if (division <= 0 || (division & 0x8000))
            return facts;
        std::map<std::uint32_t, std::uint32_t> tempoAt{{0, 500000}};
        std::uint32_t lastTick = 0;
        std::size_t at = 14;
        for (int t = 0; t < trackCount; ++t) {
            if (at + 8 > b.size() || std::string(b.begin() + at, b.begin() + at + 4) != "MTrk")
                return facts;
            const std::size_t end = at + 8 + U32(at + 4);
            if (end > b.size() || !ReadTrack(at + 8, end, facts, tempoAt, lastTick))
                return facts;
            at = end;
        }
        if (at != b.size())
            return facts;
        // Walk the tempo map up to the last event.
        double micros = 0;
        std::uint32_t tick = 0, tempo = 500000;
        for (const auto& [changeTick, newTempo] : tempoAt) {
            if (changeTick > lastTick)
                break;
            micros += static_cast<double>(changeTick - tick) * tempo / division;
            tick = changeTick;
            tempo = newTempo;
        }
        micros += static_cast<double>(lastTick - tick) * tempo / division;
        facts.seconds = micros / 1e6;
        facts.valid = true;
        return facts;
    }

private:
    std::uint32_t U32(std::size_t i) const
    {
        return static_cast<std::uint32_t>(b[i]) << 24 | b[i + 1] << 16 | b[i + 2] << 8 | b[i + 3];
    }
    int U16(std::size_t i) const { return b[i] << 8 | b[i + 1]; }

    bool VarLength(std::size_t& i, std::size_t end, std::uint32_t& v) const
    {
        v = 0;
        for (int n = 0; n < 4; ++n) {
            if (i >= end)
                return false;
            const std::uint8_t byte = b[i++];
            v = v << 7 | (byte & 0x7F);
            if (!(byte & 0x80))
                return true;
        }
        return false;
    }

    bool ReadTrack(std::size_t i, std::size_t end, SongFacts& facts, std::map<std::uint32_t, std::uint32_t>& tempoAt,
                   std::uint32_t& lastTick) const
    {
        std::uint32_t tick = 0;
        std::uint8_t status = 0;
        bool ended = false;
        while (i < end) {
            if (ended)
                return false;   // nothing may follow the end of the track
            std::uint32_t delta;
            if (!VarLength(i, end, delta) || i >= end)
                return false;
            tick += delta;
            lastTick = std::max(lastTick, tick);
            if (b[i] == 0xFF) {
                if (i + 2 > end)
                    return false;
                const std::uint8_t type = b[i + 1];
                i += 2;
                std::uint32_t length;
                if (!VarLength(i, end, length) || i + length > end)
                    return false;
                if (type == 0x51 && length == 3) {
                    const std::uint32_t tempo = b[i] << 16 | b[i + 1] << 8 | b[i + 2];
                    tempoAt[tick] = tempo;
                    facts.tempos.insert(60e6 / tempo);
                }
                ended = type == 0x2F;
                i += length;
                continue;
            }
            if (b[i] & 0x80)
                status = b[i++];
            if (status < 0x80 || status >= 0xF0)
                return false;
            const int kind = status & 0xF0;
            const int channel = status & 0x0F;
            const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            if (i + dataBytes > end)
                return false;
            if (kind == 0xC0 && channel != 9)
                facts.programs.insert(b[i]);
            if (kind == 0x90 && b[i + 1] > 0) {
                if (channel == 9)
                    ++facts.drumNotes;
                else if (b[i] < 55)
                    ++facts.bassNotes;
                else if (b[i] >= 72)
                    ++facts.melodyNotes;
            }
            i += static_cast<std::size_t>(dataBytes);
        }
        return ended;
    }

    const Bytes& b;
};

const fs::path COMMITTED_SONGS = KOLUMO_SONGS_DIR;

} // namespace

TEST(Songs, CommittedFilesAreExactlyWhatTheComposerWrites)
{
    const fs::path scratch = fs::temp_directory_path() / ("kolumo-songs-" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    const std::string command = std::string("\"") + KOLUMO_SONG_GENERATOR + "\" \"" + scratch.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<fs::path> fresh = MidiFiles(scratch);
    const std::vector<fs::path> committed = MidiFiles(COMMITTED_SONGS);
    ASSERT_EQ(fresh.size(), committed.size());
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        EXPECT_EQ(fresh[i].filename(), committed[i].filename());
        EXPECT_TRUE(ReadAll(fresh[i]) == ReadAll(committed[i]))
            << committed[i].filename() << " differs: build kolumo_update_songs and commit songs/";
    }
    fs::remove_all(scratch);
}

TEST(Songs, AtLeastFourValidSongsOfAMinuteOrMore)
{
    const std::vector<fs::path> songs = MidiFiles(COMMITTED_SONGS);
    ASSERT_GE(songs.size(), 4u);
    std::set<double> tempos;
    for (const fs::path& song : songs) {
        const SongFacts facts = SmfReader(ReadAll(song)).Read();
        ASSERT_TRUE(facts.valid) << song.filename();
        EXPECT_EQ(facts.format, 1) << song.filename();
        EXPECT_GE(facts.seconds, 60.0) << song.filename();
        EXPECT_LE(facts.seconds, 240.0) << song.filename() << " is meant to be short";
        EXPECT_GE(facts.programs.size(), 3u) << song.filename() << " needs several instruments";
        EXPECT_GT(facts.drumNotes, 100) << song.filename() << " has percussion on channel 10";
        EXPECT_GT(facts.bassNotes, 30) << song.filename();
        EXPECT_GT(facts.melodyNotes, 50) << song.filename();
        tempos.insert(facts.tempos.begin(), facts.tempos.end());
    }
    EXPECT_GE(tempos.size(), 3u) << "the songs should not all move at one pace";
}

TEST(Songs, TheMixerLoadsEverySong)
{
    // Loading needs an opened mixer but never a sound card.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024), 0) << "no audio device, not even the dummy one: "
                                                              << Mix_GetError();
    for (const fs::path& song : MidiFiles(COMMITTED_SONGS)) {
        Mix_Music* music = Mix_LoadMUS(song.string().c_str());
        EXPECT_NE(music, nullptr) << song.filename() << ": " << Mix_GetError();
        if (music) {
            EXPECT_EQ(Mix_GetMusicType(music), MUS_MID);
            Mix_FreeMusic(music);
        }
    }
    Mix_CloseAudio();
    SDL_Quit();
}

TEST(ScoreNotation, NotesAndTheirOctaves)
{
    EXPECT_EQ(ScoreNotation::Key("c4"), 60);
    EXPECT_EQ(ScoreNotation::Key("c5"), 72);
    EXPECT_EQ(ScoreNotation::Key("f#4"), 66);
    EXPECT_EQ(ScoreNotation::Key("bb3"), 58);
    EXPECT_EQ(ScoreNotation::Key("b3"), 59);
    EXPECT_EQ(ScoreNotation::Key("r"), -1);
    EXPECT_THROW(ScoreNotation::Key("h4"), ScoreError);
}

TEST(ScoreNotation, MelodyBarsMustAddUp)
{
    const auto notes = ScoreNotation::Melody("c5:2 d5:1 e5:.5 r:.5 f5:4 | g5:8", 4);
    ASSERT_EQ(notes.size(), 6u);
    EXPECT_EQ(notes[2].length, 1);   // a sixteenth
    EXPECT_EQ(notes[3].key, -1);
    EXPECT_EQ(notes[5].start, 16);
    EXPECT_THROW(ScoreNotation::Melody("c5:2 d5:1 e5:.5 r:.5 f5:4 | g5:6", 4), ScoreError);
    const auto waltz = ScoreNotation::Melody("c5:2 d5:1 e5:3 | f5:6", 3);
    ASSERT_EQ(waltz.size(), 4u);
    EXPECT_EQ(waltz[2].start, 6);    // sixteenths
    EXPECT_EQ(waltz[2].length, 6);
    EXPECT_EQ(waltz[3].start, 12);
}

TEST(ScoreNotation, ChordsShareTheirBar)
{
    const auto chords = ScoreNotation::Chords("C | Am F | Bb7 | F#m", 4);
    ASSERT_EQ(chords.size(), 5u);
    EXPECT_EQ(chords[1].root, 9);
    EXPECT_EQ(chords[1].tones, (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(chords[2].start, 24);
    EXPECT_EQ(chords[2].length, 8);
    EXPECT_EQ(chords[3].root, 10);
    EXPECT_EQ(chords[3].tones, (std::vector<int>{0, 4, 7, 10}));
    EXPECT_EQ(chords[4].root, 6);
    EXPECT_EQ(ScoreNotation::Chords("C F G", 3).size(), 3u);   // a beat each in three-four
    EXPECT_THROW(ScoreNotation::Chords("C F G", 4), ScoreError);
    EXPECT_THROW(ScoreNotation::Chords("C | Hm", 4), ScoreError);
}

TEST(MidiWriter, HeaderDeltaTimesAndNoteOrder)
{
    MidiWriter writer(480);
    const int track = writer.AddTrack("T");
    writer.Note(track, 0, 200, 0, 60, 100);
    writer.Note(track, 200, 200, 0, 60, 90);   // the same key again at once
    const Bytes bytes = writer.Encode();
    ASSERT_GE(bytes.size(), 14u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "MThd");
    EXPECT_EQ(bytes[9], 1);     // format 1
    EXPECT_EQ(bytes[11], 2);    // conductor track and one part
    EXPECT_EQ(bytes[12] << 8 | bytes[13], 480);
    // In the part: 200 ticks is the two-byte quantity 81 48, and the first
    // note's release comes before the repeated note's strike.
    const std::string body(bytes.begin(), bytes.end());
    const std::size_t off = body.find(std::string("\x81\x48\x3c\x00", 4));
    ASSERT_NE(off, std::string::npos);
    EXPECT_EQ(static_cast<std::uint8_t>(body[off + 4]), 0);     // then no delay
    EXPECT_EQ(static_cast<std::uint8_t>(body[off + 5]), 0x3c);  // running status: key 60
    EXPECT_EQ(static_cast<std::uint8_t>(body[off + 6]), 90);
    const SongFacts facts = SmfReader(bytes).Read();
    EXPECT_TRUE(facts.valid);
    EXPECT_DOUBLE_EQ(facts.seconds, 400.0 / 480 * 0.5);
}
