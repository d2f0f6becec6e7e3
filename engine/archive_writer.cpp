// Little-endian writes into an in-memory file.
#include "engine/archive_writer.h"

void ArchiveWriter::WriteWord(uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void ArchiveWriter::WriteInt(int32_t value)
{
    WriteWord(static_cast<uint32_t>(value));
}

void ArchiveWriter::WriteByte(uint8_t value)
{
    bytes.push_back(value);
}

void ArchiveWriter::WriteBytes(const std::string& value)
{
    bytes.insert(bytes.end(), value.begin(), value.end());
}
