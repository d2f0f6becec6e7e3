// What the seed corpus writers share: the folder named on their command line,
// and one file written whole for each sample.
#pragma once

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

// The corpus folder, or nullptr (with the usage on stderr) when the command
// line names none.
inline const char* CorpusFolder(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return nullptr;
    }
    return argv[1];
}

inline bool WriteCorpusFile(const std::string& folder, const std::string& name, std::string_view bytes)
{
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}
