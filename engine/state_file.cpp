// "PREFS.SAV": three records back to back, each parsed into temporaries and
// taken only when complete and valid, so a damaged file never leaves the game
// half-loaded.
#include "engine/state_file.h"

#include "engine/archive_reader.h"
#include "engine/archive_writer.h"
#include "engine/puzzle.h"
#include "engine/puzzle_view.h"
#include "engine/solution_check.h"
#include "engine/whole_file.h"

namespace {

// Far larger than any file the game writes (a long music folder and the
// longest solution fit in a few tens of kilobytes).
constexpr std::size_t MAX_STATE_FILE_BYTES = 1u << 20;
constexpr std::size_t SOLUTION_ENTRY_BYTES = 8;

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

bool ReadWindowRect(ArchiveReader& in, WindowRect& rect)
{
    return in.ReadInt(rect.left) && in.ReadInt(rect.top) && in.ReadInt(rect.right)
        && in.ReadInt(rect.bottom);
}

bool ReadBlockColours(ArchiveReader& in, std::array<uint32_t, 10>& colours)
{
    for (uint32_t& colour : colours) {
        if (!in.ReadWord(colour)) {
            return false;
        }
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

// The stored puzzle resumes at its start: its board is rebuilt from the
// solution and the moves played before saving are gone.
bool ReadPuzzleRecord(ArchiveReader& in, Puzzle& puzzle)
{
    uint32_t magic = 0;
    if (!in.ReadWord(magic) || magic != PUZZLE_RECORD_MAGIC) {
        return false;
    }
    PuzzleSettings settings;
    MoveList solution;
    RowSet rows;
    if (!ReadSettings(in, settings) || !ReadSolution(in, solution)
        || !RebuildCheckedBoard(solution, settings, rows)) {
        return false;
    }
    puzzle.settings = settings;
    puzzle.solution = std::move(solution);
    CopyRows(puzzle.rows, rows);
    CopyRows(puzzle.previousRows, rows);
    CopyRows(puzzle.initialRows, rows);
    puzzle.history.clear();
    puzzle.redoMoves.clear();
    if (puzzle.boardView != nullptr) {
        puzzle.boardView->ResetBoard();
    }
    return true;
}

// Music and puzzle records; true when the puzzle record was taken.
bool ReadLaterRecords(ArchiveReader& in, MusicRecord& music, Puzzle& puzzle)
{
    MusicRecord readMusic = music;
    switch (ReadMusicRecord(in, readMusic)) {
    case MusicRead::CutShort:
        return false;
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
    WriteSettings(out, puzzle.settings);
    out.WriteWord(static_cast<uint32_t>(puzzle.solution.size()));
    for (const BlockRef& entry : puzzle.solution) {
        out.WriteInt(entry.index);
        out.WriteInt(entry.row);
    }
}

}  // namespace

StateReadResult ParseStateFile(const std::vector<uint8_t>& bytes,
                               MainWindowRecord& main, MusicRecord& music,
                               Puzzle& puzzle)
{
    // The board in play was made for these; if the file leaves other
    // settings in force without a puzzle of its own, the board must follow.
    const PuzzleSettings boardSettings = puzzle.settings;
    ArchiveReader in(bytes);
    uint32_t format = 0;
    if (!in.ReadWord(format)) {
        return StateReadResult::Read;
    }
    if (format < PREFS_FORMAT_OLDEST || format > PREFS_FORMAT_NEWEST) {
        main.windowRect = DEFAULT_WINDOW_RECT;
        return StateReadResult::BadFormat;
    }
    MainWindowRecord readMain = main;
    if (!ReadMainRecord(in, format, readMain)) {
        return StateReadResult::Read;
    }
    main = readMain;
    if (readMain.settings.WithinEngineLimits()) {
        puzzle.settings = readMain.settings;
    }
    const bool puzzleTaken = ReadLaterRecords(in, music, puzzle);
    if (!puzzleTaken && puzzle.settings != boardSettings) {
        puzzle.NewGame();
    }
    main.settings = puzzle.settings;
    return StateReadResult::Read;
}

std::vector<uint8_t> SerializeStateFile(const MainWindowRecord& main,
                                        const MusicRecord& music,
                                        const Puzzle& puzzle)
{
    ArchiveWriter out;
    WriteMainRecord(out, main, puzzle.settings);
    WriteMusicRecord(out, music);
    WritePuzzleRecord(out, puzzle);
    return out.Bytes();
}

StateReadResult LoadStateFile(const std::string& path, MainWindowRecord& main,
                              MusicRecord& music, Puzzle& puzzle)
{
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(path, MAX_STATE_FILE_BYTES, bytes) != WholeFileRead::Read) {
        return StateReadResult::NotOpened;
    }
    return ParseStateFile(bytes, main, music, puzzle);
}

bool SaveStateFile(const std::string& path, const MainWindowRecord& main,
                   const MusicRecord& music, const Puzzle& puzzle)
{
    return ReplaceFile(path, SerializeStateFile(main, music, puzzle));
}
