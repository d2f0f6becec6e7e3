// Reading a small file whole, and replacing a file so that a failure never
// leaves it half-written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class WholeFileRead {
    Read,
    NotOpened,   // missing, no access, or not a regular file
    TooLarge,    // more than maxBytes: not read
};

// Reads the regular file at path into bytes, refusing files past maxBytes.
WholeFileRead ReadWholeFile(const std::string& path, std::size_t maxBytes,
                            std::vector<uint8_t>& bytes);

// Writes bytes to a temporary file beside path, flushes it to the disk and
// renames it over path. On failure the temporary file is removed, path is
// left as it was, and the result is false.
bool ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes);
