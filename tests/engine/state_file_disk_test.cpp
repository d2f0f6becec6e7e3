// "PREFS.SAV" on disk: loading whatever stands at that name without ever
// waiting on it, writing through links, and replacing the old file without
// ever leaving it half-written, whatever fails.
#include "engine/state_file.h"
#include "engine/whole_file.h"

#include "state_file_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace engine_test;
namespace fs = std::filesystem;

namespace {

// A read that waits on a FIFO would hang the run; this turns it into a
// failure instead.
constexpr unsigned HANG_ALARM_SECONDS = 60;

mode_t ModeOf(const fs::path& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 0777;
}

class StateFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("kolumo-engine-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / "PREFS.SAV").string();
        ::alarm(HANG_ALARM_SECONDS);
    }
    void TearDown() override
    {
        ::alarm(0);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }

    std::vector<uint8_t> Contents() const
    {
        std::vector<uint8_t> bytes;
        EXPECT_EQ(ReadWholeFile(path, 1 << 20, bytes), WholeFileRead::Read);
        return bytes;
    }

    void WriteRaw(const std::vector<uint8_t>& bytes) const { WriteBytes(path, bytes); }

    std::string Absolute(const fs::path& name) const { return (folder / name).string(); }

    fs::path folder;
    std::string path;
};

}  // namespace

TEST_F(StateFileOnDisk, SavedFileLoadsBackWhole)
{
    const Puzzle saved = GeneratedPuzzle({16, 5, 7, 3, 6}, 12);
    ASSERT_TRUE(SaveStateFile(path, SampleMainRecord(), SampleMusicRecord(), saved));
    EXPECT_EQ(Listing(folder).size(), 1u) << "a temporary file was left behind";
    SeedRandom(1);
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle;
    FileReport said{"stale", {}};
    EXPECT_EQ(LoadStateFile(path, main, music, puzzle, &said), StateReadResult::Read);
    EXPECT_EQ(EnglishLine(said), "");
    EXPECT_EQ(puzzle.Solution(), saved.Solution());
    EXPECT_EQ(puzzle.Rows(), saved.InitialRows());
    EXPECT_EQ(music, SampleMusicRecord());
    EXPECT_EQ(main.windowRect, SampleMainRecord().windowRect);
}

TEST_F(StateFileOnDisk, SavingReplacesAnOlderLongerFile)
{
    WriteRaw(std::vector<uint8_t>(5000, 0xAB));
    const Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 12);
    ASSERT_TRUE(SaveStateFile(path, SampleMainRecord(), SampleMusicRecord(), saved));
    EXPECT_EQ(Contents(), SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved));
}

TEST_F(StateFileOnDisk, MissingFileLeavesEveryDefault)
{
    SeedRandom(1);
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle;
    const MoveList generated = puzzle.Solution();
    EXPECT_EQ(LoadStateFile(path, main, music, puzzle), StateReadResult::NotOpened);
    EXPECT_EQ(main, MainWindowRecord{});
    EXPECT_EQ(music, MusicRecord{});
    EXPECT_EQ(puzzle.Solution(), generated);
}

// Whatever stands at the name, start-up neither waits nor changes it, takes
// nothing it cannot trust, and says in one line what it did instead.
TEST_F(StateFileOnDisk, WhatStandsAtTheNameIsReadOrReportedNeverWaitedOn)
{
    const Puzzle puzzle = GeneratedPuzzle({12, 3, 5, 3, 3}, 4);
    const auto valid = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), puzzle);
    auto oversized = valid;
    oversized.resize((1u << 20) + 1);
    auto unknownFormat = valid;
    PutWord(unknownFormat, 0, 7);
    const auto cutPuzzle = std::vector<uint8_t>(valid.begin(), valid.end() - 3);
    const std::string defaults = "; starting with the defaults";
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
        StateReadResult result;
        std::string report;  // after "PATH" is put in for the file's name
    };
    const Case cases[] = {
        {"nothing", [](const fs::path&) {}, StateReadResult::NotOpened, ""},
        {"a link to nothing",
         [](const fs::path& at) { fs::create_symlink("elsewhere/gone", at); },
         StateReadResult::NotOpened, ""},
        {"a folder", [](const fs::path& at) { fs::create_directory(at); },
         StateReadResult::Unreadable, "cannot read PATH: Is a directory" + defaults},
        {"a FIFO", [](const fs::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0644), 0); },
         StateReadResult::Unreadable, "cannot read PATH: not a regular file" + defaults},
        {"a link to a FIFO",
         [](const fs::path& at) {
             ASSERT_EQ(::mkfifo((at.parent_path() / "pipe").c_str(), 0644), 0);
             fs::create_symlink("pipe", at);
         },
         StateReadResult::Unreadable, "cannot read PATH: not a regular file" + defaults},
        {"a loop of links",
         [](const fs::path& at) {
             fs::create_symlink("PREFS.SAV", at.parent_path() / "other");
             fs::create_symlink("other", at);
         },
         StateReadResult::Unreadable,
         "cannot read PATH: Too many levels of symbolic links" + defaults},
        {"an oversized file", [&](const fs::path& at) { WriteBytes(at, oversized); },
         StateReadResult::Unreadable, "cannot read PATH: larger than 1048576 bytes" + defaults},
        {"an empty file", [](const fs::path& at) { WriteBytes(at, {}); },
         StateReadResult::Read, "ignored PATH: empty" + defaults},
        {"an unknown format", [&](const fs::path& at) { WriteBytes(at, unknownFormat); },
         StateReadResult::BadFormat, "ignored PATH: unknown format number 7" + defaults},
        {"a cut puzzle", [&](const fs::path& at) { WriteBytes(at, cutPuzzle); },
         StateReadResult::Read, "ignored the saved puzzle in PATH: cut short; starting a new puzzle"},
        {"a saved game", [&](const fs::path& at) { WriteBytes(at, valid); },
         StateReadResult::Read, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder);
        fs::create_directories(folder);
        c.make(path);
        const auto before = Listing(folder);
        SeedRandom(1);
        MainWindowRecord main;
        MusicRecord music;
        Puzzle start;
        FileReport said{"stale", {}};
        EXPECT_EQ(LoadStateFile(path, main, music, start, &said), c.result);
        std::string expected = c.report;
        if (const auto at = expected.find("PATH"); at != std::string::npos) {
            expected.replace(at, 4, path);
        }
        EXPECT_EQ(EnglishLine(said), expected);
        EXPECT_EQ(Listing(folder), before);
        EXPECT_TRUE(IsWholePlayablePuzzle(start));
        if (c.result != StateReadResult::Read) {
            EXPECT_EQ(main.blockColours, MainWindowRecord{}.blockColours);
            EXPECT_EQ(music, MusicRecord{});
        }
    }
}

// Players keep their settings in a dotfiles folder and link them: the save
// replaces the file at the end of the chain, and every link stays a link.
TEST_F(StateFileOnDisk, LinksAreReadAndWrittenThrough)
{
    const Puzzle first = GeneratedPuzzle({12, 3, 5, 3, 3}, 5);
    const Puzzle second = GeneratedPuzzle({9, 4, 6, 2, 4}, 6);
    const auto firstBytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), first);
    struct Case {
        const char* what;
        const char* target;  // relative to folder; where the bytes end up
        std::function<void(const fs::path&)> link;
    };
    const Case cases[] = {
        {"absolute link", "dots/kolumo.sav",
         [](const fs::path& f) { fs::create_symlink(f / "dots/kolumo.sav", f / "PREFS.SAV"); }},
        {"relative link", "dots/kolumo.sav",
         [](const fs::path& f) { fs::create_symlink("dots/kolumo.sav", f / "PREFS.SAV"); }},
        {"chain of relative links through other folders", "deep/store/real.sav",
         [](const fs::path& f) {
             fs::create_symlink("../deep/hop", f / "dots/PREFS.SAV");
             fs::create_symlink("store/real.sav", f / "deep/hop");
             fs::create_symlink("dots/PREFS.SAV", f / "PREFS.SAV");
         }},
        {"link to a file not made yet", "dots/new.sav",
         [](const fs::path& f) { fs::create_symlink("dots/new.sav", f / "PREFS.SAV"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder);
        fs::create_directories(folder / "dots");
        fs::create_directories(folder / "deep/store");
        if (std::string(c.what) != "link to a file not made yet") {
            WriteBytes(folder / c.target, firstBytes);
        }
        c.link(folder);
        auto expected = Listing(folder);

        SeedRandom(2);
        MainWindowRecord main;
        MusicRecord music;
        Puzzle puzzle;
        const bool targetExists = fs::exists(folder / c.target);
        EXPECT_EQ(LoadStateFile(path, main, music, puzzle),
                  targetExists ? StateReadResult::Read : StateReadResult::NotOpened);
        EXPECT_EQ(puzzle.Solution() == first.Solution(), targetExists);

        ASSERT_TRUE(SaveStateFile(path, SampleMainRecord(), SampleMusicRecord(), second));
        const auto secondBytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), second);
        expected[c.target] = std::string(secondBytes.begin(), secondBytes.end());
        EXPECT_EQ(Listing(folder), expected);
        EXPECT_TRUE(fs::is_symlink(path));
    }
}

TEST_F(StateFileOnDisk, ANewFileGetsTheUsualPermissionsAndAReplacedOneKeepsItsOwn)
{
    const Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 12);
    struct Case {
        mode_t umask;
        int oldMode;  // -1: no file before
        mode_t expected;
    };
    const Case cases[] = {
        {022, -1, 0644}, {077, -1, 0600}, {002, -1, 0664}, {022, 0600, 0600}, {077, 0664, 0664},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "umask " << std::oct << c.umask << " old " << c.oldMode);
        fs::remove(path);
        if (c.oldMode >= 0) {
            WriteRaw({1, 2, 3});
            ASSERT_EQ(::chmod(path.c_str(), static_cast<mode_t>(c.oldMode)), 0);
        }
        const mode_t before = ::umask(c.umask);
        EXPECT_TRUE(SaveStateFile(path, SampleMainRecord(), SampleMusicRecord(), saved));
        ::umask(before);
        EXPECT_EQ(ModeOf(path), c.expected);
    }
}

// Neither a temporary file a crash left behind nor a link planted where a
// temporary file might go is ever read, written through or in the way.
TEST_F(StateFileOnDisk, LeftOverOrPlantedTemporaryFilesAreNeverUsed)
{
    const Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 12);
    WriteBytes(folder / "victim", {9, 9, 9});
    fs::create_directory(path + ".tmp");
    fs::create_symlink("victim", path + ".0123456789ab.tmp");
    WriteBytes(path + ".fedcba987654.tmp", {1, 2});
    auto expected = Listing(folder);
    ASSERT_TRUE(SaveStateFile(path, SampleMainRecord(), SampleMusicRecord(), saved));
    const auto bytes = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), saved);
    expected["PREFS.SAV"] = std::string(bytes.begin(), bytes.end());
    EXPECT_EQ(Listing(folder), expected);
}

// Every failure leaves the folder exactly as it was, and the report names the
// file and the system's reason. Permissions do not stop root, so as root the
// unwritable folder gives way to a folder standing where the file goes.
TEST_F(StateFileOnDisk, AFailedSaveLeavesEverythingAsItWasAndSaysWhy)
{
    const Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 12);
    const bool root = ::geteuid() == 0;
    rlimit sizeLimit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &sizeLimit), 0);
    const auto noLimit = [&] {
        ::setrlimit(RLIMIT_FSIZE, &sizeLimit);
        std::signal(SIGXFSZ, SIG_DFL);
    };
    struct Case {
        const char* what;
        std::string name;  // relative to folder
        std::function<void()> make;
        std::string report;  // after the absolute name
        std::function<void()> undo = [] {};
    };
    const Case cases[] = {
        {"a folder that does not exist", "gone/PREFS.SAV", [] {},
         ": No such file or directory"},
        {"a file where the folder should be", "file/PREFS.SAV",
         [&] { WriteBytes(folder / "file", {1}); }, ": Not a directory"},
        {"a full disk", "PREFS.SAV",
         [&] {
             WriteRaw({1, 2, 3, 4, 5});
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit small{64, sizeLimit.rlim_max};
             ::setrlimit(RLIMIT_FSIZE, &small);
         },
         ": File too large", noLimit},
        root ? Case{"a folder where the file should be", "PREFS.SAV",
                    [&] {
                        fs::create_directory(path);
                        WriteBytes(folder / "PREFS.SAV/inside", {7});
                    },
                    ": Is a directory"}
             : Case{"a folder that cannot be written", "PREFS.SAV",
                    [&] {
                        WriteRaw({1, 2, 3, 4, 5});
                        fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
                    },
                    ": Permission denied",
                    [&] { fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add); }},
        {"a link into a folder that does not exist", "PREFS.SAV",
         [&] { fs::create_symlink("gone/kolumo.sav", path); },
         " (a link to " + Absolute("gone/kolumo.sav") + "): No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder);
        fs::create_directories(folder);
        c.make();
        const auto before = Listing(folder);
        FileReport said;
        const bool savedOk = SaveStateFile(Absolute(c.name), SampleMainRecord(),
                                           SampleMusicRecord(), saved, &said);
        c.undo();
        EXPECT_FALSE(savedOk);
        EXPECT_EQ(EnglishLine(said), "could not save " + Absolute(c.name) + c.report);
        EXPECT_EQ(Listing(folder), before);
    }
}

TEST_F(StateFileOnDisk, ARelativeNameIsWrittenInTheCurrentFolder)
{
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    const Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 12);
    EXPECT_TRUE(SaveStateFile("PREFS.SAV", SampleMainRecord(), SampleMusicRecord(), saved));
    FileReport said;
    fs::create_directory("PREFS.SAV.d");
    EXPECT_FALSE(SaveStateFile("PREFS.SAV.d", SampleMainRecord(), SampleMusicRecord(), saved,
                               &said));
    EXPECT_EQ(EnglishLine(said), "could not save " + (folder / "PREFS.SAV.d").string() + ": Is a directory");
    fs::current_path(before);
    EXPECT_TRUE(fs::exists(folder / "PREFS.SAV"));
}
