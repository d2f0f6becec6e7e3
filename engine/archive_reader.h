// Reads little-endian words and byte blocks from bytes held in memory; every
// read that would pass the end fails instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ArchiveReader {
public:
    // bytes must outlive the reader.
    explicit ArchiveReader(const std::vector<uint8_t>& bytes);

    // Each read returns false, reads nothing and leaves value alone when
    // fewer bytes remain than it needs.
    bool ReadWord(uint32_t& value);
    bool ReadInt(int32_t& value);
    bool ReadByte(uint8_t& value);
    bool ReadBytes(std::size_t count, std::string& value);

    std::size_t Remaining() const { return bytes.size() - position; }

private:
    const std::vector<uint8_t>& bytes;
    std::size_t position = 0;
};
