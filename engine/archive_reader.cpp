// Bounds-checked little-endian reads over an in-memory file.
#include "engine/archive_reader.h"

ArchiveReader::ArchiveReader(const std::vector<uint8_t>& bytes) : bytes(bytes) {}

bool ArchiveReader::ReadWord(uint32_t& value)
{
    if (Remaining() < 4) {
        return false;
    }
    value = static_cast<uint32_t>(bytes[position])
        | static_cast<uint32_t>(bytes[position + 1]) << 8
        | static_cast<uint32_t>(bytes[position + 2]) << 16
        | static_cast<uint32_t>(bytes[position + 3]) << 24;
    position += 4;
    return true;
}

bool ArchiveReader::ReadInt(int32_t& value)
{
    uint32_t word = 0;
    if (!ReadWord(word)) {
        return false;
    }
    value = static_cast<int32_t>(word);
    return true;
}

bool ArchiveReader::ReadByte(uint8_t& value)
{
    if (Remaining() < 1) {
        return false;
    }
    value = bytes[position++];
    return true;
}

bool ArchiveReader::ReadBytes(std::size_t count, std::string& value)
{
    if (Remaining() < count) {
        return false;
    }
    const auto* first = reinterpret_cast<const char*>(bytes.data() + position);
    value.assign(first, count);
    position += count;
    return true;
}
