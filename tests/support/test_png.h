// Small PNG files for the texture tests, encoded here (stored deflate blocks,
// no compression) so that the tests need no image library of their own.
#pragma once

#include <cstdint>
#include <vector>

// PNG colour types used by the tests.
enum PngColour : uint8_t { PngGrey = 0, PngRgb = 2, PngPalette = 3, PngGreyAlpha = 4, PngRgba = 6 };

// An 8-bit PNG of the given colour type; pixels hold the samples row by row
// (1, 3, 1 index, 2 or 4 bytes a pixel). palette holds RGB triples and trns
// the tRNS chunk body (empty: none).
std::vector<uint8_t> encodePng(int width, int height, PngColour colour, const std::vector<uint8_t>& pixels,
                               const std::vector<uint8_t>& palette = {}, const std::vector<uint8_t>& trns = {});

// Appends one chunk (length, type, body, CRC) to a PNG's bytes.
void appendPngChunk(std::vector<uint8_t>* out, const char* type, const std::vector<uint8_t>& body);
