// "PREFS.SAV": three records back to back, each parsed into temporaries and
// taken only when complete and valid, so a damaged file never leaves the game
// half-loaded.
#include "engine/state_file.h"

#include "engine/archive_reader.h"
#include "engine/archive_writer.h"
#include "engine/puzzle.h"
#include "engine/solution_check.h"
#include "engine/whole_file.h"

namespace {

// Far larger than any file the game writes (a long music folder and the
// longest solution fit in a few tens of kilobytes).
constexpr std::size_t MAX_STATE_FILE_BYTES = 1u << 20;
constexpr std::size_t SOLUTION_ENTRY_BYTES = 8;

// Why a record was refused, in the player's words.
constexpr const char* CUT_SHORT = PLAYER_TEXT("FileReport", "cut short");
//: A file the game cannot make sense of.
constexpr const char* DAMAGED = PLAYER_TEXT("FileReport", "damaged");
//: A file with nothing in it.
constexpr const char* EMPTY = PLAYER_TEXT("FileReport", "empty");

bool ReadFlag(ArchiveReader& in, bool& flag)
{
    uint8_t byte = 0;
    if (!in.ReadByte(byte)) {
        return false;
    }
    flag = byte != 0;
    return true;
}

bool ReadSettings(ArchiveReader& in, PuzzleSettings& settings)
{
    return in.ReadInt(settings.rowWidth) && in.ReadInt(settings.rowCount)
        && in.ReadInt(settings.colourCount) && in.ReadInt(settings.minRemove)
        && in.ReadInt(settings.maxRemove);
}

bool ReadWindowRect(ArchiveReader& in, DesktopRect& rect)
{
    return in.ReadInt(rect.left) && in.ReadInt(rect.top) && in.ReadInt(rect.right)
        && in.ReadInt(rect.bottom);
}

// A colour word keeps red, green and blue in its three low bytes; the top
// byte is always 0 in a file the game writes, so whatever another writer left
// there is dropped rather than carried into the next save.
constexpr uint32_t COLOUR_WORD_MASK = 0x00FFFFFFu;

bool ReadBlockColours(ArchiveReader& in, std::array<uint32_t, 10>& colours)
{
    for (uint32_t& colour : colours) {
        if (!in.ReadWord(colour)) {
            return false;
        }
        colour &= COLOUR_WORD_MASK;
    }
    return true;
}

// Everything after the format number; files older than anti-aliasing lack
// its byte and mean it on.
bool ReadMainRecord(ArchiveReader& in, uint32_t format, MainWindowRecord& record)
{
    if (!ReadWindowRect(in, record.windowRect) || !ReadFlag(in, record.soundEffects)
        || !ReadBlockColours(in, record.blockColours) || !ReadFlag(in, record.ironman)) {
        return false;
    }
    record.antiAliasing = true;
    if (format >= PREFS_FORMAT && !ReadFlag(in, record.antiAliasing)) {
        return false;
    }
    return ReadSettings(in, record.settings);
}

enum class MusicRead { Taken, WrongMagic, CutShort };

MusicRead ReadMusicRecord(ArchiveReader& in, MusicRecord& record)
{
    uint32_t magic = 0;
    if (!in.ReadWord(magic)) {
        return MusicRead::CutShort;
    }
    if (magic != MUSIC_RECORD_MAGIC) {
        return MusicRead::WrongMagic;
    }
    uint32_t music = 0;
    uint32_t length = 0;
    std::string folder;
    if (!in.ReadWord(music) || !in.ReadWord(length) || !in.ReadBytes(length, folder)) {
        return MusicRead::CutShort;
    }
    record.music = music != 0;
    // No path on this system can hold a NUL; such a folder is not ours.
    if (folder.find('\0') == std::string::npos) {
        record.musicFolder = std::move(folder);
    }
    return MusicRead::Taken;
}

bool ReadSolution(ArchiveReader& in, MoveList& solution)
{
    uint32_t count = 0;
    if (!in.ReadWord(count) || count > in.Remaining() / SOLUTION_ENTRY_BYTES) {
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        BlockRef entry;
        in.ReadInt(entry.index);
        in.ReadInt(entry.row);
        solution.push_back(entry);
    }
    return true;
}

// The stored puzzle is put in play at its start, its board rebuilt from the
// solution; the moves played before saving are not here but in the game
// file. Null when taken, else why not.
const char* ReadPuzzleRecord(ArchiveReader& in, Puzzle& puzzle)
{
    uint32_t magic = 0;
    if (!in.ReadWord(magic)) {
        return CUT_SHORT;
    }
    PuzzleSettings settings;
    MoveList solution;
    if (magic != PUZZLE_RECORD_MAGIC) {
        return DAMAGED;
    }
    if (!ReadSettings(in, settings) || !ReadSolution(in, solution)) {
        return CUT_SHORT;
    }
    RowSet rows;
    if (!RebuildCheckedBoard(solution, settings, rows)) {
        return DAMAGED;
    }
    puzzle.Start(settings, rows, std::move(solution));
    return nullptr;
}

// Music and puzzle records; null when the puzzle record was taken, else why
// it was not.
const char* ReadLaterRecords(ArchiveReader& in, MusicRecord& music, Puzzle& puzzle)
{
    MusicRecord readMusic = music;
    switch (ReadMusicRecord(in, readMusic)) {
    case MusicRead::CutShort:
        return CUT_SHORT;
    case MusicRead::Taken:
        music = std::move(readMusic);
        break;
    case MusicRead::WrongMagic:
        break;
    }
    return ReadPuzzleRecord(in, puzzle);
}

void WriteSettings(ArchiveWriter& out, const PuzzleSettings& settings)
{
    out.WriteInt(settings.rowWidth);
    out.WriteInt(settings.rowCount);
    out.WriteInt(settings.colourCount);
    out.WriteInt(settings.minRemove);
    out.WriteInt(settings.maxRemove);
}

void WriteMainRecord(ArchiveWriter& out, const MainWindowRecord& main,
                     const PuzzleSettings& settings)
{
    out.WriteWord(PREFS_FORMAT);
    out.WriteInt(main.windowRect.left);
    out.WriteInt(main.windowRect.top);
    out.WriteInt(main.windowRect.right);
    out.WriteInt(main.windowRect.bottom);
    out.WriteByte(main.soundEffects ? 1 : 0);
    for (uint32_t colour : main.blockColours) {
        out.WriteWord(colour);
    }
    out.WriteByte(main.ironman ? 1 : 0);
    out.WriteByte(main.antiAliasing ? 1 : 0);
    WriteSettings(out, settings);
}

void WriteMusicRecord(ArchiveWriter& out, const MusicRecord& music)
{
    out.WriteWord(MUSIC_RECORD_MAGIC);
    out.WriteWord(music.music ? 1 : 0);
    out.WriteWord(static_cast<uint32_t>(music.musicFolder.size()));
    out.WriteBytes(music.musicFolder);
}

void WritePuzzleRecord(ArchiveWriter& out, const Puzzle& puzzle)
{
    out.WriteWord(PUZZLE_RECORD_MAGIC);
    WriteSettings(out, puzzle.Settings());
    out.WriteWord(static_cast<uint32_t>(puzzle.Solution().size()));
    for (const BlockRef& entry : puzzle.Solution()) {
        out.WriteInt(entry.index);
        out.WriteInt(entry.row);
    }
}

}  // namespace

StateReadResult ParseStateFile(const std::vector<uint8_t>& bytes,
                               MainWindowRecord& main, MusicRecord& music,
                               Puzzle& puzzle, StateFileProblem* problem)
{
    StateFileProblem ignored;
    StateFileProblem& refused = problem != nullptr ? *problem : ignored;
    refused = StateFileProblem{};
    // The board in play was made for these; if the file leaves other
    // settings in force without a puzzle of its own, the board must follow.
    const PuzzleSettings boardSettings = puzzle.Settings();
    ArchiveReader in(bytes);
    uint32_t format = 0;
    if (!in.ReadWord(format)) {
        refused = {StateRejected::WholeFile, OwnWords(bytes.empty() ? EMPTY : CUT_SHORT)};
        return StateReadResult::Read;
    }
    if (format < PREFS_FORMAT_OLDEST || format > PREFS_FORMAT_NEWEST) {
        main.windowRect = DEFAULT_WINDOW_RECT;
        refused = {StateRejected::WholeFile,
                   OwnWords(PLAYER_TEXT("FileReport", "unknown format number %1"), {std::to_string(format)})};
        return StateReadResult::BadFormat;
    }
    MainWindowRecord readMain = main;
    if (!ReadMainRecord(in, format, readMain)) {
        refused = {StateRejected::WholeFile, OwnWords(CUT_SHORT)};
        return StateReadResult::Read;
    }
    main = readMain;
    const PuzzleSettings settings =
        readMain.settings.WithinEngineLimits() ? readMain.settings : boardSettings;
    if (const char* why = ReadLaterRecords(in, music, puzzle)) {
        refused = {StateRejected::Puzzle, OwnWords(why)};
        if (settings != boardSettings) {
            puzzle.NewGame(settings);
        }
    }
    main.settings = puzzle.Settings();
    return StateReadResult::Read;
}

std::vector<uint8_t> SerializeStateFile(const MainWindowRecord& main,
                                        const MusicRecord& music,
                                        const Puzzle& puzzle)
{
    ArchiveWriter out;
    WriteMainRecord(out, main, puzzle.Settings());
    WriteMusicRecord(out, music);
    WritePuzzleRecord(out, puzzle);
    return out.Bytes();
}

StateReadResult LoadStateFile(const std::string& path, MainWindowRecord& main,
                              MusicRecord& music, Puzzle& puzzle, FileReport* report)
{
    FileReport ignored;
    FileReport& line = report != nullptr ? *report : ignored;
    std::vector<uint8_t> bytes;
    const ReportWords defaults = OwnWords(PLAYER_TEXT("FileReport", "starting with the defaults"));
    switch (ReadWholeFileOrReport(path, MAX_STATE_FILE_BYTES, bytes, defaults, &line)) {
    case WholeFileRead::Read:
        break;
    case WholeFileRead::Missing:
        return StateReadResult::NotOpened;
    case WholeFileRead::Unreadable:
    case WholeFileRead::TooLarge:
        return StateReadResult::Unreadable;
    }
    StateFileProblem problem;
    const StateReadResult result = ParseStateFile(bytes, main, music, puzzle, &problem);
    switch (problem.rejected) {
    case StateRejected::Nothing:
        break;
    case StateRejected::WholeFile:
        //: The file's path, then why it was ignored.
        line = {PLAYER_TEXT("FileReport", "ignored %1: %2; starting with the defaults"),
                {WordsAsTheyAre(DisplayPath(path)), problem.reason}};
        break;
    case StateRejected::Puzzle:
        //: The file's path, then why its puzzle was ignored.
        line = {PLAYER_TEXT("FileReport", "ignored the saved puzzle in %1: %2; starting a new puzzle"),
                {WordsAsTheyAre(DisplayPath(path)), problem.reason}};
        break;
    }
    return result;
}

bool SaveStateFile(const std::string& path, const MainWindowRecord& main,
                   const MusicRecord& music, const Puzzle& puzzle, FileReport* report)
{
    return ReplaceFileOrReport(path, SerializeStateFile(main, music, puzzle), report);
}

FileReport UnreadFileKeptReport(const std::string& path)
{
    //: At closing: the settings file that could not be read at start was left alone.
    return {PLAYER_TEXT("FileReport", "nothing saved: %1 could not be read at start, so it is left as it was"),
            {WordsAsTheyAre(DisplayPath(path))}};
}
