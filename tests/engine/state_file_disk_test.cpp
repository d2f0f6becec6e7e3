// "PREFS.SAV" on disk: loading, and replacing the old file without ever
// leaving it half-written.
#include "engine/state_file.h"
#include "engine/whole_file.h"

#include "state_file_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace engine_test;
namespace fs = std::filesystem;

namespace {

class StateFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("kolumo-engine-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / "PREFS.SAV").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    std::vector<uint8_t> Contents() const
    {
        std::vector<uint8_t> bytes;
        EXPECT_EQ(ReadWholeFile(path, 1 << 20, bytes), WholeFileRead::Read);
        return bytes;
    }

    void WriteRaw(const std::vector<uint8_t>& bytes) const
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    }

    fs::path folder;
    std::string path;
};

}  // namespace

TEST_F(StateFileOnDisk, SavedFileLoadsBackWhole)
{
    const Puzzle saved = GeneratedPuzzle({16, 5, 7, 3, 6}, 12);
    ASSERT_TRUE(SaveStateFile(path, SampleMainRecord(), SampleMusicRecord(), saved));
    EXPECT_FALSE(fs::exists(path + ".tmp"));
    SeedRandom(1);
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle;
    EXPECT_EQ(LoadStateFile(path, main, music, puzzle), StateReadResult::Read);
    EXPECT_EQ(puzzle.solution, saved.solution);
    EXPECT_EQ(puzzle.rows, saved.initialRows);
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
    const MoveList generated = puzzle.solution;
    EXPECT_EQ(LoadStateFile(path, main, music, puzzle), StateReadResult::NotOpened);
    EXPECT_EQ(main, MainWindowRecord{});
    EXPECT_EQ(music, MusicRecord{});
    EXPECT_EQ(puzzle.solution, generated);
}

TEST_F(StateFileOnDisk, AFolderOrAnOversizedFileIsNotRead)
{
    SeedRandom(1);
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle;
    fs::create_directory(path);
    EXPECT_EQ(LoadStateFile(path, main, music, puzzle), StateReadResult::NotOpened);
    fs::remove(path);
    auto huge = SerializeStateFile(SampleMainRecord(), SampleMusicRecord(), puzzle);
    huge.resize(4u << 20);
    WriteRaw(huge);
    EXPECT_EQ(LoadStateFile(path, main, music, puzzle), StateReadResult::NotOpened);
    EXPECT_EQ(main, MainWindowRecord{});
}

TEST_F(StateFileOnDisk, AFailedSaveLeavesTheOldFileWhole)
{
    const std::vector<uint8_t> old{1, 2, 3, 4, 5};
    WriteRaw(old);
    fs::create_directory(path + ".tmp");  // the temporary file cannot be made
    const Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 12);
    EXPECT_FALSE(SaveStateFile(path, SampleMainRecord(), SampleMusicRecord(), saved));
    EXPECT_EQ(Contents(), old);
}

TEST_F(StateFileOnDisk, SavingIntoAMissingFolderFailsQuietly)
{
    const Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 12);
    EXPECT_FALSE(SaveStateFile((folder / "gone" / "PREFS.SAV").string(), SampleMainRecord(),
                               SampleMusicRecord(), saved));
}

TEST_F(StateFileOnDisk, ARelativeNameIsWrittenInTheCurrentFolder)
{
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    const Puzzle saved = GeneratedPuzzle({12, 3, 5, 3, 3}, 12);
    EXPECT_TRUE(SaveStateFile("PREFS.SAV", SampleMainRecord(), SampleMusicRecord(), saved));
    fs::current_path(before);
    EXPECT_TRUE(fs::exists(folder / "PREFS.SAV"));
}
