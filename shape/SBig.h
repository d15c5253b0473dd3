#pragma once
// Reads 2 bytes as a big-endian 16-bit value. No alignment is required.
#include <cstdint>
#include <cstring>

inline std::uint16_t SBig(void const* bytes) {
    std::uint16_t value;
    std::memcpy(&value, bytes, sizeof value);
    return __builtin_bswap16(value);
}
