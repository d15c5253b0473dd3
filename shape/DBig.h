#pragma once
// Reads 8 bytes as a big-endian IEEE 754 double. No alignment is required.
#include <cstdint>
#include <cstring>

inline double DBig(void const* bytes) {
    std::uint64_t bits;
    std::memcpy(&bits, bytes, sizeof bits);
    bits = __builtin_bswap64(bits);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
