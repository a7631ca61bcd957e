// Small PNG encoder for the texture tests (see test_png.h).
#include "support/test_png.h"

#include <string>

namespace {

uint32_t crc32(const uint8_t* p, size_t n) {
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
  }
  return c ^ 0xFFFFFFFFu;
}

void putBE32(std::vector<uint8_t>* out, uint32_t v) {
  for (int i = 3; i >= 0; --i) out->push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// zlib stream of stored (uncompressed) deflate blocks.
std::vector<uint8_t> zlibStored(const std::vector<uint8_t>& raw) {
  std::vector<uint8_t> z = {0x78, 0x01};
  size_t pos = 0;
  do {
    const size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
    z.push_back(pos + n == raw.size() ? 1 : 0);
    z.push_back(static_cast<uint8_t>(n));
    z.push_back(static_cast<uint8_t>(n >> 8));
    z.push_back(static_cast<uint8_t>(~n));
    z.push_back(static_cast<uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
    pos += n;
  } while (pos < raw.size());
  uint32_t a = 1, b = 0;
  for (uint8_t v : raw) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  putBE32(&z, b << 16 | a);
  return z;
}

}  // namespace

void appendPngChunk(std::vector<uint8_t>* out, const char* type, const std::vector<uint8_t>& body) {
  putBE32(out, static_cast<uint32_t>(body.size()));
  std::vector<uint8_t> typed(type, type + 4);
  typed.insert(typed.end(), body.begin(), body.end());
  out->insert(out->end(), typed.begin(), typed.end());
  putBE32(out, crc32(typed.data(), typed.size()));
}

std::vector<uint8_t> encodePng(int width, int height, PngColour colour, const std::vector<uint8_t>& pixels,
                               const std::vector<uint8_t>& palette, const std::vector<uint8_t>& trns) {
  const int channels = colour == PngRgb ? 3 : colour == PngGreyAlpha ? 2 : colour == PngRgba ? 4 : 1;
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  putBE32(&header, static_cast<uint32_t>(width));
  putBE32(&header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, colour, 0, 0, 0});
  appendPngChunk(&png, "IHDR", header);
  if (!palette.empty()) appendPngChunk(&png, "PLTE", palette);
  if (!trns.empty()) appendPngChunk(&png, "tRNS", trns);
  std::vector<uint8_t> raw;
  const size_t rowBytes = static_cast<size_t>(width) * channels;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // filter: none
    raw.insert(raw.end(), pixels.begin() + y * rowBytes, pixels.begin() + (y + 1) * rowBytes);
  }
  appendPngChunk(&png, "IDAT", zlibStored(raw));
  appendPngChunk(&png, "IEND", {});
  return png;
}
