// Little-endian integers: the byte order of every file the program and its
// tools read or write (archives, mesh entries, the settings file, the
// generator's bitmaps and icon). One reader and one writer, header-only so
// that the archive code, the settings library and the generator share them
// without linking one another.
#pragma once

#include <cstdint>

// The little-endian uint32 at p, at any alignment. The caller has checked
// that four bytes are there.
inline uint32_t readLittleEndian32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

// Appends the low `bytes` bytes of v, least significant first, to a byte
// vector or a string.
template <class Bytes>
void putLe(Bytes& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<typename Bytes::value_type>(v >> (8 * i)));
}
