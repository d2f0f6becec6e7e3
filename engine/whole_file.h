// Reading a small file whole without ever waiting on it, and replacing a file
// so that a failure or a crash never leaves it half-written.
#pragma once

#include "engine/file_report.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class WholeFileRead {
    Read,
    Missing,     // no such file, or a link that leads nowhere
    Unreadable,  // there, but not read: no access, an I/O error, a folder,
                 // a FIFO or anything else that is not a regular file
    TooLarge,    // a regular file of more than maxBytes: not read
};

// Reads the regular file at path (through any links) into bytes, refusing
// files past maxBytes. Never blocks: the file is opened without waiting and
// refused before a byte is read unless it is a regular file. Unless the
// result is Read, reason (when given) receives a few words saying why.
WholeFileRead ReadWholeFile(const std::string& path, std::size_t maxBytes,
                            std::vector<uint8_t>& bytes, std::string* reason = nullptr);

// ReadWholeFile, saying in one line for the player why a file that is there
// could not be read: report (when given) becomes "cannot read PATH: REASON;
// CONSEQUENCE" for Unreadable and TooLarge, and is emptied otherwise.
WholeFileRead ReadWholeFileOrReport(const std::string& path, std::size_t maxBytes,
                                    std::vector<uint8_t>& bytes, const ReportWords& consequence,
                                    FileReport* report);

// The file a chain of symbolic links starting at path ends at; path itself
// when it is no link. The last one may not exist. Empty, with reason filled,
// when the chain cannot be followed (a loop, an unreadable link).
std::string FinalLinkTarget(const std::string& path, std::string* reason = nullptr);

// Replaces the file at path with bytes. A link is written through: its final
// target is replaced and the link stays a link. The bytes go to a fresh,
// uniquely named temporary file in the target's folder (created exclusively,
// never through a link), which is flushed to the disk and renamed over the
// target. The new file keeps the old one's permissions, or has those any new
// file gets. On failure the temporary file is removed, the target is left as
// it was, the result is false and reason (when given) has the system's words.
bool ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes,
                 std::string* reason = nullptr);

// ReplaceFile, saying what failed in one line for the player: report (when
// given) names the file, its final target when it is a link, and the
// system's reason; it is emptied on success.
bool ReplaceFileOrReport(const std::string& path, const std::vector<uint8_t>& bytes,
                         FileReport* report);

// path as the player should see it in a message: absolute when it can be.
std::string DisplayPath(const std::string& path);
