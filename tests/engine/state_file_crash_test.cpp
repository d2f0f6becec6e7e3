// Crash safety of saving: a game killed at any moment of a save, or two games
// saving at once, leave "PREFS.SAV" whole: the old file or the new one.
#include "engine/state_file.h"

#include "state_file_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

extern char** environ;

namespace {

constexpr int KILLS = 1000;
// Long enough for several saves of the larger file, so that kills land
// before, inside and between saves.
constexpr unsigned LONGEST_KILL_DELAY_US = 3000;

std::vector<uint8_t> Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The saving child, started with its standard output on a pipe.
class SaveLoop {
public:
    SaveLoop(const fs::path& path, const fs::path& first, const fs::path& second, int count)
    {
        int pipeEnds[2];
        EXPECT_EQ(::pipe2(pipeEnds, O_CLOEXEC), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        const std::string args[] = {KOLUMO_SAVE_LOOP_PROGRAM, path.string(), first.string(),
                                    second.string(), std::to_string(count)};
        std::vector<char*> argv;
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        EXPECT_EQ(::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeEnds[1]);
        ready = pipeEnds[0];
    }
    ~SaveLoop() { ::close(ready); }

    // Returns once the child has started saving.
    bool WaitUntilSaving() const
    {
        char byte = 0;
        return ::read(ready, &byte, 1) == 1;
    }
    void Kill() const { ::kill(pid, SIGKILL); }
    // The raw wait status.
    int Wait() const
    {
        int status = 0;
        EXPECT_EQ(::waitpid(pid, &status, 0), pid);
        return status;
    }

private:
    pid_t pid = -1;
    int ready = -1;
};

// A saved game: a wide board gives a long file, a small one a short file, so
// that a torn file shows.
std::vector<uint8_t> SavedGame(const fs::path& path, const PuzzleSettings& settings, uint32_t seed)
{
    const Puzzle puzzle = engine_test::GeneratedPuzzle(settings, seed);
    MainWindowRecord main;
    main.blockColours.fill(seed);
    const auto bytes = SerializeStateFile(main, MusicRecord{true, "seed " + std::to_string(seed)},
                                          puzzle);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return bytes;
}

class StateFileCrash : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("kolumo-crash-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = folder / "PREFS.SAV";
        firstFile = folder.parent_path() / (folder.filename().string() + "-first");
        secondFile = folder.parent_path() / (folder.filename().string() + "-second");
        first = SavedGame(firstFile, {30, 10, 10, 2, 18}, 1);
        second = SavedGame(secondFile, {6, 2, 2, 2, 2}, 2);
    }
    void TearDown() override
    {
        fs::remove_all(folder);
        fs::remove(firstFile);
        fs::remove(secondFile);
    }

    // Only the file itself and temporary files that can never be taken for it.
    void ExpectOnlyTheFileAndTemporaries() const
    {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename();
            if (name != "PREFS.SAV") {
                EXPECT_TRUE(name.starts_with("PREFS.SAV.") && name.ends_with(".tmp")) << name;
            }
        }
        SeedRandom(1);
        MainWindowRecord main;
        MusicRecord music;
        Puzzle puzzle;
        FileReport said;
        EXPECT_EQ(LoadStateFile(path, main, music, puzzle, &said), StateReadResult::Read);
        EXPECT_EQ(EnglishLine(said), "");
    }

    fs::path folder;
    fs::path path;
    fs::path firstFile;
    fs::path secondFile;
    std::vector<uint8_t> first;
    std::vector<uint8_t> second;
};

}  // namespace

TEST_F(StateFileCrash, KilledAtAnyMomentTheFileIsTheOldOrTheNewWhole)
{
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(first.data()), static_cast<long>(first.size()));
    }
    std::mt19937 moments(20261208);
    int foundFirst = 0;
    int foundSecond = 0;
    for (int kill = 0; kill < KILLS; ++kill) {
        SaveLoop loop(path, firstFile, secondFile, 0);
        ASSERT_TRUE(loop.WaitUntilSaving());
        ::usleep(moments() % LONGEST_KILL_DELAY_US);
        loop.Kill();
        const int status = loop.Wait();
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << status;
        const auto bytes = Bytes(path);
        foundFirst += bytes == first ? 1 : 0;
        foundSecond += bytes == second ? 1 : 0;
        ASSERT_TRUE(bytes == first || bytes == second)
            << "kill " << kill << " left " << bytes.size() << " bytes";
    }
    // Saves really were under way when the kills came.
    EXPECT_GT(foundFirst, 0);
    EXPECT_GT(foundSecond, 0);
    ExpectOnlyTheFileAndTemporaries();
}

TEST_F(StateFileCrash, TwoGamesSavingAtOnceBothSucceedAndLeaveOneFileWhole)
{
    for (int round = 0; round < 10; ++round) {
        SaveLoop one(path, firstFile, firstFile, 25);
        SaveLoop other(path, secondFile, secondFile, 25);
        ASSERT_TRUE(one.WaitUntilSaving());
        ASSERT_TRUE(other.WaitUntilSaving());
        EXPECT_EQ(one.Wait(), 0);
        EXPECT_EQ(other.Wait(), 0);
        const auto bytes = Bytes(path);
        ASSERT_TRUE(bytes == first || bytes == second) << "round " << round;
    }
    ExpectOnlyTheFileAndTemporaries();
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}
