// Reading and writing the hints' setting file.
#include "app/hint_settings.h"

#include <fstream>

namespace {

const std::string WARN_ON = "warn-dead-ends=on\n";
const std::string WARN_OFF = "warn-dead-ends=off\n";
// Anything longer is not a file the game wrote.
constexpr std::streamsize LONGEST_FILE = 64;

} // namespace

bool ReadWarnOfDeadEnds(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        return false;
    std::string content(static_cast<size_t>(LONGEST_FILE) + 1, '\0');
    file.read(content.data(), LONGEST_FILE + 1);
    content.resize(static_cast<size_t>(file.gcount()));
    return content == WARN_ON;
}

bool WriteWarnOfDeadEnds(const std::string& fileName, bool on)
{
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file << (on ? WARN_ON : WARN_OFF);
    file.close();
    return !file.fail();
}
