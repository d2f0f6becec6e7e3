// CRC-32, the checksum of zip and PNG, over text.
#pragma once

#include <cstdint>
#include <string_view>

// Every error of up to 32 bits in a row, and so any torn or mistyped
// character, changes it.
uint32_t Crc32(std::string_view text);
