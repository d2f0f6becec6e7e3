// Puzzle codes: writing and reading them, and the day's puzzle.
#include "engine/puzzle_code.h"

#include <array>

namespace {

constexpr std::string_view ALPHABET = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int RADIX = 32;
constexpr char VERSION = 'A';
constexpr int PAYLOAD_DIGITS = PUZZLE_CODE_LENGTH - 2;
constexpr int GROUP = 4;

// The fields in the order of the mixed-radix number, most significant first.
struct Field {
    int32_t PuzzleSettings::*value;
    SettingChoices choices;
};

constexpr std::array<Field, 5> FIELDS{{
    {&PuzzleSettings::rowWidth, ROW_WIDTH_CHOICES},
    {&PuzzleSettings::rowCount, ROW_COUNT_CHOICES},
    {&PuzzleSettings::colourCount, COLOUR_COUNT_CHOICES},
    {&PuzzleSettings::minRemove, MIN_REMOVE_CHOICES},
    {&PuzzleSettings::maxRemove, MAX_REMOVE_CHOICES},
}};

constexpr uint64_t ChoiceCount(const SettingChoices& c)
{
    return static_cast<uint64_t>((c.high - c.low) / c.step + 1);
}

// -1 for a character outside the alphabet; the look-alikes read as digits.
int DigitValue(char c)
{
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    if (c == 'O')
        c = '0';
    if (c == 'I' || c == 'L')
        c = '1';
    const size_t at = ALPHABET.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// Luhn mod 32: every single mistyped character, and most swaps of two
// neighbours, change it.
int CheckDigit(const std::array<int, PUZZLE_CODE_LENGTH>& digits)
{
    int sum = 0;
    int factor = 2;
    for (int i = PUZZLE_CODE_LENGTH - 2; i >= 0; --i) {
        const int addend = factor * digits[static_cast<size_t>(i)];
        sum += addend / RADIX + addend % RADIX;
        factor = factor == 2 ? 1 : 2;
    }
    return (RADIX - sum % RADIX) % RADIX;
}

}  // namespace

bool SettingsHaveCode(const PuzzleSettings& settings)
{
    for (const Field& f : FIELDS) {
        const int32_t v = settings.*f.value;
        if (v < f.choices.low || v > f.choices.high || (v - f.choices.low) % f.choices.step != 0)
            return false;
    }
    return settings.minRemove <= settings.maxRemove;
}

std::string EncodePuzzleCode(const PuzzleSettings& settings, uint32_t seed)
{
    if (!SettingsHaveCode(settings))
        return {};
    uint64_t number = 0;
    for (const Field& f : FIELDS)
        number = number * ChoiceCount(f.choices)
            + static_cast<uint64_t>((settings.*f.value - f.choices.low) / f.choices.step);
    number = (number << 32) | seed;
    std::array<int, PUZZLE_CODE_LENGTH> digits{};
    digits[0] = DigitValue(VERSION);
    for (int i = PAYLOAD_DIGITS; i >= 1; --i) {
        digits[static_cast<size_t>(i)] = static_cast<int>(number % RADIX);
        number /= RADIX;
    }
    digits[PUZZLE_CODE_LENGTH - 1] = CheckDigit(digits);
    std::string code;
    for (int i = 0; i < PUZZLE_CODE_LENGTH; ++i) {
        if (i > 0 && i % GROUP == 0)
            code += '-';
        code += ALPHABET[static_cast<size_t>(digits[static_cast<size_t>(i)])];
    }
    return code;
}

PuzzleCodeRead ReadPuzzleCode(std::string_view text)
{
    PuzzleCodeRead read;
    std::array<int, PUZZLE_CODE_LENGTH> digits{};
    int count = 0;
    for (const char c : text) {
        // A pasted code may bring the line's end along.
        if (c == ' ' || c == '-' || c == '\t' || c == '\n' || c == '\r')
            continue;
        const int value = DigitValue(c);
        if (value < 0) {
            const bool printable = c > ' ' && c < 0x7F;
            read.problem = printable ? PuzzleCodeProblem::FOREIGN_CHARACTER
                                     : PuzzleCodeProblem::NOT_LETTERS_DIGITS;
            read.character = printable ? c : '\0';
            return read;
        }
        if (count < PUZZLE_CODE_LENGTH)
            digits[static_cast<size_t>(count)] = value;
        ++count;
    }
    if (count != PUZZLE_CODE_LENGTH) {
        read.problem = PuzzleCodeProblem::WRONG_LENGTH;
        read.length = count;
        return read;
    }
    if (CheckDigit(digits) != digits[PUZZLE_CODE_LENGTH - 1]) {
        read.problem = PuzzleCodeProblem::MISTYPED;
        return read;
    }
    if (digits[0] != DigitValue(VERSION)) {
        read.problem = PuzzleCodeProblem::OTHER_VERSION;
        return read;
    }
    uint64_t number = 0;
    for (int i = 1; i <= PAYLOAD_DIGITS; ++i)
        number = number * RADIX + static_cast<uint64_t>(digits[static_cast<size_t>(i)]);
    read.seed = static_cast<uint32_t>(number & 0xFFFFFFFFu);
    number >>= 32;
    for (size_t i = FIELDS.size(); i-- > 0;) {
        const Field& f = FIELDS[i];
        const uint64_t n = ChoiceCount(f.choices);
        read.settings.*f.value = f.choices.low + static_cast<int32_t>(number % n) * f.choices.step;
        number /= n;
    }
    if (number != 0 || !SettingsHaveCode(read.settings)) {
        read.problem = PuzzleCodeProblem::OPTIONS_NOT_OFFERED;
        read.settings = PuzzleSettings{};
        read.seed = 0;
    }
    return read;
}

uint32_t DailySeed(int year, int month, int day)
{
    // FNV-1a over the date written YYYYMMDD: a plain hash, the same everywhere.
    const std::string date = std::to_string(year * 10000 + month * 100 + day);
    uint32_t hash = 2166136261u;
    for (const char c : date) {
        hash ^= static_cast<uint8_t>(c);
        hash *= 16777619u;
    }
    return hash;
}

PuzzleSettings DailySettings()
{
    // A little more than the everyday game: a fourth row to plan across, a
    // sixth colour, and moves of three or four blocks.
    return {14, 4, 6, 3, 4};
}
