// Appends little-endian words and byte blocks to a buffer in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ArchiveWriter {
public:
    void WriteWord(uint32_t value);
    void WriteInt(int32_t value);
    void WriteByte(uint8_t value);
    void WriteBytes(const std::string& value);

    const std::vector<uint8_t>& Bytes() const { return bytes; }

private:
    std::vector<uint8_t> bytes;
};
