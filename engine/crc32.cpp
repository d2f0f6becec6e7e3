// CRC-32 eight bytes at a time ("slicing by eight"), from tables made at
// compile time: reading the statistics checks some seven megabytes.
#include "engine/crc32.h"

#include <array>

namespace {

using CrcTables = std::array<std::array<uint32_t, 256>, 8>;

constexpr CrcTables CRC_TABLES = [] {
    CrcTables tables{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        tables[0][n] = c;
    }
    for (uint32_t n = 0; n < 256; ++n) {
        for (std::size_t t = 1; t < tables.size(); ++t) {
            const uint32_t previous = tables[t - 1][n];
            tables[t][n] = tables[0][previous & 0xFF] ^ (previous >> 8);
        }
    }
    return tables;
}();

uint32_t Byte(std::string_view text, std::size_t at)
{
    return static_cast<uint8_t>(text[at]);
}

}  // namespace

uint32_t Crc32(std::string_view text)
{
    const CrcTables& t = CRC_TABLES;
    uint32_t c = 0xFFFFFFFFu;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        const uint32_t low = c ^ (Byte(text, at) | Byte(text, at + 1) << 8
                                  | Byte(text, at + 2) << 16 | Byte(text, at + 3) << 24);
        const uint32_t high = Byte(text, at + 4) | Byte(text, at + 5) << 8
                            | Byte(text, at + 6) << 16 | Byte(text, at + 7) << 24;
        c = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF]
          ^ t[4][low >> 24] ^ t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF]
          ^ t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    for (; at < text.size(); ++at) {
        c = t[0][(c ^ Byte(text, at)) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}
