// CRC-32 a byte at a time from a table made at compile time.
#include "engine/crc32.h"

#include <array>

namespace {

constexpr std::array<uint32_t, 256> CRC_TABLE = [] {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}();

}  // namespace

uint32_t Crc32(std::string_view text)
{
    uint32_t c = 0xFFFFFFFFu;
    for (const char ch : text) {
        c = CRC_TABLE[(c ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}
