#pragma once
// Reads 4 bytes as a big-endian 32-bit integer (shapefile headers and the
// index are big-endian). No alignment is required.
#include <cstdint>
#include <cstring>

inline int IBig(void const* bytes) {
    std::uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return static_cast<int>(__builtin_bswap32(value));
}
