// Reading and writing the hints' setting file.
#include "app/hint_settings.h"

#include "engine/whole_file.h"

#include <QtGlobal>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

const std::string WARN_NAME = "warn-dead-ends";
const std::string WARN_ON = WARN_NAME + "=on\n";
const std::string WARN_OFF = WARN_NAME + "=off\n";
// A file the player wrote by hand may have comments; one past this size is
// not a settings file at all.
constexpr std::size_t LARGEST_FILE = 4096;

std::string Trimmed(const std::string& text)
{
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return text;
}

// The value of one line: 1 on, 0 off, -1 when it is no setting.
int ReadLine(const std::string& line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || Lowered(Trimmed(line.substr(0, equals))) != WARN_NAME)
        return -1;
    const std::string value = Lowered(Trimmed(line.substr(equals + 1)));
    if (value == "on")
        return 1;
    if (value == "off")
        return 0;
    return -1;
}

} // namespace

bool ReadWarnOfDeadEnds(const std::string& fileName, FileReport* report)
{
    FileReport ignored;
    FileReport& said = report != nullptr ? *report : ignored;
    std::vector<uint8_t> bytes;
    const ReportWords warningOff = OwnWords(QT_TRANSLATE_NOOP("FileReport", "the dead-end warning stays off"));
    if (ReadWholeFileOrReport(fileName, LARGEST_FILE, bytes, warningOff, &said) != WholeFileRead::Read) {
        return false;
    }
    bool on = false;
    std::istringstream lines(std::string(bytes.begin(), bytes.end()));
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = Trimmed(line);
        if (line.empty() || line.front() == '#')
            continue;
        const int value = ReadLine(line);
        if (value >= 0) {
            on = value == 1;
        } else if (said.Empty()) {
            //: A line of the hints' settings file that is no setting: its number, the file's
            //: path, and the setting's name, which stays as it is.
            said = {QT_TRANSLATE_NOOP("FileReport", "ignored line %1 of %2: it is not \"%3=on\" or \"%3=off\""),
                    {WordsAsTheyAre(std::to_string(number)), WordsAsTheyAre(DisplayPath(fileName)),
                     WordsAsTheyAre(WARN_NAME)}};
        }
    }
    return on;
}

bool WriteWarnOfDeadEnds(const std::string& fileName, bool on)
{
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file << (on ? WARN_ON : WARN_OFF);
    file.close();
    return !file.fail();
}
