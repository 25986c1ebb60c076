#include "crc32.h"

#include <array>

namespace {
constexpr std::array<uint32_t, 256> makeTable() {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[i] = c;
    }
    return t;
}
constexpr auto kTable = makeTable();
}

// crc is a previous result, so that a long input can be fed in parts.
uint32_t Crc32(const QByteArray &bytes, uint32_t crc) {
    uint32_t c = ~crc;
    for (const char ch : bytes)
        c = kTable[(c ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (c >> 8);
    return ~c;
}
