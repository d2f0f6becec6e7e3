// "GAMES.LOG", the record of games: every record read back as written, a
// damaged one skipped and counted, a file that cannot be read left alone,
// and no finished game lost to two games at once or to a kill.
#include "engine/crc32.h"
#include "engine/game_journal.h"
#include "engine/whole_file.h"

#include "state_file_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace engine_test;
namespace fs = std::filesystem;

namespace {

// A read that waits on a FIFO would hang the run; this turns it into a failure.
constexpr unsigned HANG_ALARM_SECONDS = 60;

// A game with recognisable values, all drawn from its id.
GameRecord SampleGame(uint64_t id, bool cleared = true)
{
    GameRecord game;
    game.id = id;
    game.startedAt = 1'780'000'000 + static_cast<int64_t>(id % 100'000) * 60;
    game.localDay = 20260601 + static_cast<int32_t>(id % 28);
    game.playedSeconds = static_cast<int32_t>(id % 900);
    game.settings = {6 + 2 * static_cast<int32_t>(id % 13), 2 + static_cast<int32_t>(id % 9), 5, 2,
                     3};
    game.daily = id % 5 == 0;
    game.ironman = id % 3 == 0;
    game.cleared = cleared;
    game.helped = id % 7 == 0;
    game.seedKnown = id % 2 == 0;
    game.seed = game.seedKnown ? static_cast<uint32_t>(id * 2654435761u) : 0;
    return game;
}

std::vector<uint8_t> BytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

// What stands in folder, by name: kind, size and time of the last write,
// enough to show nothing was written, without reading a file of megabytes.
std::map<std::string, std::string> Snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> snapshot;
    for (const auto& entry : fs::directory_iterator(folder)) {
        struct stat status {};
        EXPECT_EQ(::lstat(entry.path().c_str(), &status), 0);
        snapshot[entry.path().filename()] =
            std::to_string(status.st_mode) + " " + std::to_string(status.st_size) + " "
            + std::to_string(status.st_mtim.tv_sec) + "." + std::to_string(status.st_mtim.tv_nsec);
    }
    return snapshot;
}

class GameJournal : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("kolumo-journal-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / JOURNAL_FILE_NAME).string();
        ::alarm(HANG_ALARM_SECONDS);
    }
    void TearDown() override
    {
        ::alarm(0);
        fs::remove_all(folder);
    }

    // The ids of the games read back, in order.
    std::vector<uint64_t> Ids() const
    {
        std::vector<uint64_t> ids;
        for (const GameRecord& game : ReadJournal(path).games) {
            ids.push_back(game.id);
        }
        return ids;
    }

    fs::path folder;
    std::string path;
};

}  // namespace

TEST_F(GameJournal, EveryRecordReadsBackAsWrittenAndAnyChangedByteIsCaught)
{
    GameRecord extremes;
    extremes.id = std::numeric_limits<uint64_t>::max();
    extremes.startedAt = std::numeric_limits<int64_t>::min();
    extremes.localDay = 99991231;
    extremes.playedSeconds = std::numeric_limits<int32_t>::max();
    extremes.settings = {64, 12, 10, std::numeric_limits<int32_t>::max(),
                         std::numeric_limits<int32_t>::max()};
    extremes.daily = extremes.ironman = extremes.cleared = extremes.helped = true;
    extremes.seedKnown = true;
    extremes.seed = std::numeric_limits<uint32_t>::max();
    GameRecord plain;
    plain.id = 1;
    plain.localDay = 20240229;
    plain.seedKnown = true;  // seed 0, known
    const std::vector<GameRecord> games = {SampleGame(10), SampleGame(7, false), SampleGame(3),
                                           extremes, plain};
    for (const GameRecord& game : games) {
        SCOPED_TRACE(game.id);
        const std::string line = FormatJournalLine(game);
        GameRecord read;
        ASSERT_TRUE(ParseJournalLine(line, read)) << line;
        EXPECT_EQ(read, game);
        ASSERT_TRUE(AppendToJournal(path, game));
        // Every single changed byte, and every line cut short, is refused.
        for (std::size_t at = 0; at < line.size(); ++at) {
            for (const char other : {'0', '1', 'f', '-', ' ', 'K', '\n', '\0'}) {
                std::string damaged = line;
                damaged[at] = other;
                GameRecord untouched = plain;
                EXPECT_TRUE(damaged == line || !ParseJournalLine(damaged, untouched))
                    << at << " " << damaged;
                EXPECT_EQ(untouched, plain);
            }
            GameRecord untouched;
            EXPECT_FALSE(ParseJournalLine(std::string_view(line).substr(0, at), untouched));
        }
    }
    const std::string plainStart = "K1 1 0 20240229 0 12 3 5 3 3 - 0 ";
    EXPECT_TRUE(FormatJournalLine(plain).starts_with(plainStart)) << FormatJournalLine(plain);
    EXPECT_EQ(FormatJournalLine(plain).size(), plainStart.size() + 9);
    // The checksum is the standard CRC-32, whole words and the bytes after.
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
    const JournalContents contents = ReadJournal(path);
    EXPECT_EQ(contents.state, JournalRead::Read);
    EXPECT_EQ(contents.games, games);
    EXPECT_EQ(contents.skipped, 0);
    EXPECT_EQ(EnglishLine(contents.report), "");

    FileReport report{"stale", {}};
    ASSERT_TRUE(ResetJournal(path, &report));
    EXPECT_EQ(EnglishLine(report), "");
    EXPECT_EQ(Bytes(path), std::vector<uint8_t>());
    EXPECT_EQ(ReadJournal(path).state, JournalRead::Read);
    EXPECT_EQ(ReadJournal(path).games, std::vector<GameRecord>());
}

// Whatever the file holds, the reader neither waits nor changes it, keeps
// every whole record, and counts the rest in one line. A file it cannot read
// is not added to either; to one it read, the next game is added whole, even
// after a record cut off.
TEST_F(GameJournal, DamageIsSkippedAndCountedAndAnUnreadableFileIsLeftAlone)
{
    const std::string one = FormatJournalLine(SampleGame(1));
    const std::string two = FormatJournalLine(SampleGame(2));
    const std::string three = FormatJournalLine(SampleGame(3));
    std::string badChecksum = two;
    badChecksum[5] = badChecksum[5] == '9' ? '8' : '9';
    std::string otherVersion = FormatJournalLine(SampleGame(4));
    otherVersion[1] = '2';
    std::string unfinishedFirst = FormatJournalLine(SampleGame(2, false));
    const std::string nothing = "no statistics shown or recorded";
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
        JournalRead state;
        std::vector<uint64_t> ids;
        int skipped;
        std::string report;  // after "PATH" is put in for the file's name
        // The records after another game is added, when not ids and that game.
        std::optional<std::vector<uint64_t>> idsAfterAppend = std::nullopt;
        bool resetRefused = false;  // only a file too large may be emptied unread
    };
    const auto file = [](const std::string& text) {
        return [text](const fs::path& at) { WriteBytes(at, BytesOf(text)); };
    };
    std::vector<Case> cases = {
        {"nothing", [](const fs::path&) {}, JournalRead::Missing, {}, 0, ""},
        {"an empty file", file(""), JournalRead::Read, {}, 0, ""},
        {"whole records", file(one + two + three), JournalRead::Read, {1, 2, 3}, 0, ""},
        {"blank lines", file("\n" + one + "\n\n" + two), JournalRead::Read, {1, 2}, 0, ""},
        {"a wrong checksum", file(one + badChecksum + three), JournalRead::Read, {1, 3}, 1,
         "ignored 1 damaged record in PATH; counting the rest"},
        {"a last record cut off", file(one + two + three.substr(0, 30)), JournalRead::Read,
         {1, 2}, 1, "ignored 1 damaged record in PATH; counting the rest"},
        // The newline that keeps the next game apart makes this one whole.
        {"a last record without its newline",
         file(one + two + three.substr(0, three.size() - 1)), JournalRead::Read, {1, 2}, 1,
         "ignored 1 damaged record in PATH; counting the rest", std::vector<uint64_t>{1, 2, 3, 99}},
        {"a record cut off and another after it on its line",
         file(one + three.substr(0, 30) + two + three.substr(0, three.size() - 1) + two),
         JournalRead::Read, {1, 2, 3}, 1, "ignored 1 damaged record in PATH; counting the rest"},
        {"a record of an unknown version", file(one + otherVersion + two), JournalRead::Read,
         {1, 2}, 1, "ignored 1 damaged record in PATH; counting the rest"},
        {"garbage among records", file(one + "\x01\xff garbage\n\r\n" + std::string(3, '\0') + "\n" + two),
         JournalRead::Read, {1, 2}, 3, "ignored 3 damaged records in PATH; counting the rest"},
        {"a line far too long", file(one + std::string(100'000, 'K') + "\n" + two),
         JournalRead::Read, {1, 2}, 1, "ignored 1 damaged record in PATH; counting the rest"},
        {"a game recorded again", file(unfinishedFirst + one + two + three),
         JournalRead::Read, {2, 1, 3}, 0, ""},
        {"a folder", [](const fs::path& at) { fs::create_directory(at); }, JournalRead::Unreadable,
         {}, 0, "cannot read PATH: Is a directory; " + nothing, std::nullopt, true},
        {"a FIFO", [](const fs::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0644), 0); },
         JournalRead::Unreadable, {}, 0, "cannot read PATH: not a regular file; " + nothing,
         std::nullopt, true},
        {"a file too large",
         [](const fs::path& at) {
             WriteBytes(at, {});
             fs::resize_file(at, MAX_JOURNAL_BYTES + 1);
         },
         JournalRead::Unreadable, {}, 0,
         "cannot read PATH: larger than " + std::to_string(MAX_JOURNAL_BYTES) + " bytes; " + nothing},
    };
    // Permissions do not stop root; the folder above stands for them there.
    if (::geteuid() != 0) {
        cases.push_back({"a file without read permission",
                         [&](const fs::path& at) {
                             file(one)(at);
                             fs::permissions(at, fs::perms::owner_read, fs::perm_options::remove);
                         },
                         JournalRead::Unreadable, {}, 0,
                         "cannot read PATH: Permission denied; " + nothing, std::nullopt, true});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder);
        fs::create_directories(folder);
        c.make(path);
        const auto before = Snapshot(folder);
        JournalContents contents = ReadJournal(path);
        EXPECT_EQ(contents.state, c.state);
        std::vector<uint64_t> ids;
        for (const GameRecord& game : contents.games) {
            ids.push_back(game.id);
            EXPECT_EQ(game, SampleGame(game.id));
        }
        EXPECT_EQ(ids, c.ids);
        EXPECT_EQ(contents.skipped, c.skipped);
        std::string expected = c.report;
        if (const auto at = expected.find("PATH"); at != std::string::npos) {
            expected.replace(at, 4, path);
        }
        EXPECT_EQ(EnglishLine(contents.report), expected);
        EXPECT_EQ(Snapshot(folder), before);

        FileReport said;
        const bool added = AppendToJournal(path, SampleGame(99), &said);
        std::string report = EnglishLine(said);
        EXPECT_EQ(added, c.state != JournalRead::Unreadable) << report;
        if (!added) {
            EXPECT_TRUE(report.starts_with("could not record the game in " + path + ": "))
                << report;
            EXPECT_TRUE(FoldJournal(path));
            EXPECT_EQ(ResetJournal(path, &said), !c.resetRefused);
            report = EnglishLine(said);
            if (c.resetRefused) {
                EXPECT_TRUE(report.starts_with("could not save " + path + ": ")) << report;
                EXPECT_EQ(Snapshot(folder), before);
            }
            continue;
        }
        contents = ReadJournal(path);
        ids.push_back(99);
        const auto after = c.idsAfterAppend.value_or(ids);
        EXPECT_EQ(Ids(), after);
        EXPECT_EQ(contents.skipped, c.skipped - static_cast<int>(after.size() - ids.size()));
    }
}

// Two games recording at the same moments, each game at its first move and
// at its end, while a third folds the file again and again: every game is
// there once, as it ended, and nothing is damaged.
TEST_F(GameJournal, TwoGamesRecordingAtOnceWhileTheFileIsFoldedKeepEveryGame)
{
    constexpr int PER_GAME = 500;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = ::fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            char go = 0;
            const bool started = ::read(ready[0], &go, 1) == 1;
            for (int i = 0; started && i < PER_GAME; ++i) {
                const auto id = static_cast<uint64_t>(child * PER_GAME + i + 1);
                if (!AppendToJournal(path, SampleGame(id, false))
                    || !AppendToJournal(path, SampleGame(id))) {
                    ::_exit(1);
                }
            }
            ::_exit(started ? 0 : 2);
        }
    }
    // Both start together, so that their appends interleave.
    EXPECT_EQ(::write(ready[1], "gg", 2), 2);
    for (int running = 2; running > 0;) {
        FileReport report;
        EXPECT_TRUE(FoldJournal(path, &report)) << EnglishLine(report);
        int status = -1;
        const pid_t ended = ::waitpid(-1, &status, WNOHANG);
        if (ended > 0) {
            EXPECT_EQ(status, 0);
            --running;
        }
    }
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_TRUE(FoldJournal(path));
    const JournalContents contents = ReadJournal(path);
    EXPECT_EQ(contents.skipped, 0);
    ASSERT_EQ(contents.games.size(), 2u * PER_GAME);
    std::set<uint64_t> ids;
    for (const GameRecord& game : contents.games) {
        EXPECT_EQ(game, SampleGame(game.id));
        ids.insert(game.id);
    }
    EXPECT_EQ(ids.size(), 2u * PER_GAME);
    const auto bytes = Bytes(path);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 2 * PER_GAME);
    EXPECT_EQ(Listing(folder).size(), 1u) << "a temporary file was left behind";
}

// Folded, the file keeps the last record of each game in the order of their
// first records, then every line it cannot read; and a file that grows past
// another megabyte is folded by the record that takes it there.
TEST_F(GameJournal, FoldingKeepsEachGamesLastRecordAndEveryLineItCannotRead)
{
    const std::string damaged = "K1 damaged\n";
    const std::string cutOff = FormatJournalLine(SampleGame(3)).substr(0, 20);
    WriteBytes(path, BytesOf(FormatJournalLine(SampleGame(1, false)) + damaged
                             + FormatJournalLine(SampleGame(2, false)) + FormatJournalLine(SampleGame(1))
                             + "\n" + FormatJournalLine(SampleGame(2)) + cutOff));
    const JournalContents before = ReadJournal(path);
    FileReport report{"stale", {}};
    ASSERT_TRUE(FoldJournal(path, &report));
    EXPECT_EQ(EnglishLine(report), "");
    const std::string folded = FormatJournalLine(SampleGame(1)) + FormatJournalLine(SampleGame(2))
                             + damaged + cutOff + "\n";
    EXPECT_EQ(Bytes(path), BytesOf(folded));
    const JournalContents after = ReadJournal(path);
    EXPECT_EQ(after.games, before.games);
    EXPECT_EQ(after.skipped, before.skipped);
    ASSERT_TRUE(FoldJournal(path));
    EXPECT_EQ(Bytes(path), BytesOf(folded));

    // One game recorded over and over, just short of a megabyte.
    const std::string again = FormatJournalLine(SampleGame(5, false));
    std::string text;
    while (text.size() + again.size() < (1u << 20)) {
        text += again;
    }
    WriteBytes(path, BytesOf(text));
    ASSERT_TRUE(AppendToJournal(path, SampleGame(5)));
    ASSERT_TRUE(AppendToJournal(path, SampleGame(6)));
    EXPECT_EQ(Bytes(path), BytesOf(FormatJournalLine(SampleGame(5)) + FormatJournalLine(SampleGame(6))));
}

// A game is recorded at its first move and again when it ends. Killed at
// any moment, the file loses at most the game in play: every game finished
// (its final record added) is there, cleared, and nothing else is damaged.
TEST_F(GameJournal, KilledAtAnyMomentNoFinishedGameIsLost)
{
    constexpr int KILLS = 1000;
    // Long enough for many games, so that kills land before, inside and
    // between appends.
    constexpr unsigned LONGEST_KILL_DELAY_US = 1000;
    std::mt19937 moments(20261209);
    int killedInPlay = 0;
    for (int kill = 0; kill < KILLS; ++kill) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        int reported[2];
        ASSERT_EQ(::pipe(reported), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(reported[0]);
            for (uint64_t id = 1;; ++id) {
                // Folding now and then: a kill may land in a fold too.
                if (!AppendToJournal(path, SampleGame(id, false))
                    || !AppendToJournal(path, SampleGame(id))
                    || (id % 16 == 0 && !FoldJournal(path))
                    || ::write(reported[1], &id, sizeof id) != sizeof id) {
                    ::_exit(1);
                }
            }
        }
        ::close(reported[1]);
        ::usleep(moments() % LONGEST_KILL_DELAY_US);
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << status;
        std::set<uint64_t> finished;
        uint64_t id = 0;
        while (::read(reported[0], &id, sizeof id) == sizeof id) {
            finished.insert(id);
        }
        ::close(reported[0]);
        const JournalContents contents = ReadJournal(path);
        // The kernel may stop a write cut by SIGKILL at a page's end: only
        // the last record, the one being added, may be cut off.
        const auto bytes = Bytes(path);
        const bool cutOff = !bytes.empty() && bytes.back() != '\n';
        ASSERT_EQ(contents.skipped, cutOff ? 1 : 0) << "kill " << kill;
        const int inPlayBefore = killedInPlay;
        for (const GameRecord& game : contents.games) {
            if (finished.count(game.id) != 0) {
                EXPECT_EQ(game, SampleGame(game.id)) << "kill " << kill;
                finished.erase(game.id);
            } else {
                // The game in play: recorded at its first move, or finished
                // just before the kill came, before it could say so.
                EXPECT_TRUE(game == SampleGame(game.id, false) || game == SampleGame(game.id));
                ++killedInPlay;
            }
        }
        ASSERT_TRUE(finished.empty()) << "kill " << kill << " lost game " << *finished.begin();
        ASSERT_LE(killedInPlay - inPlayBefore, 1) << "kill " << kill;
    }
    // The kills really did land while games were being recorded.
    EXPECT_GT(killedInPlay, 0);
}
