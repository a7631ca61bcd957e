// Plasma generator. The wave sum of a pixel is
// ((((s1 + s2) + s3) + s4) + s5) + s6 with s1..s3 depending on the column and
// s4..s6 on the row, so the column part and the row terms are computed once
// per call and added in that same order: six sines per row and column
// instead of six per pixel, with bit-identical results.
#include "dyntex/plasma_generator.h"

#include <cmath>
#include <cstring>
#include <vector>

void plasmaGenerator(int32_t tick, int32_t width, int32_t height, uint8_t* pixels, void* colour) {
  const uint8_t* base = static_cast<const uint8_t*>(colour);
  const double t = tick;
  const double sx = 6.28 / width;
  const double sy = 6.28 / height;

  std::vector<double> columnSum(width);
  for (int32_t x = 0; x < width; ++x) {
    const double s1 = std::sin(x * sx + t * (-0.00012));
    const double s2 = std::sin(x * (sx + sx) + t * (-0.00024));
    const double s3 = std::sin(sx * 4.0 * x + t * (-0.0048));
    columnSum[x] = (s1 + s2) + s3;
  }

  // The colour of each contour value n: transparent except for n = 121..126.
  uint8_t shade[256][4];
  for (int n = 0; n < 256; ++n) {
    const uint8_t k = static_cast<uint8_t>(n - 120);
    const bool opaque = static_cast<int8_t>(n) > 120 && n != 127;
    for (int c = 0; c < 3; ++c) shade[n][c] = static_cast<uint8_t>(base[c] + k);
    shade[n][3] = opaque ? 255 : 0;
  }

  for (int32_t y = 0; y < height; ++y) {
    const double s4 = std::sin(y * sy + t * (-0.00012));
    const double s5 = std::sin(y * (sy + sy) + t * (-0.00024));
    const double s6 = std::sin(sy * 4.0 * y + t * (-0.0048));
    uint8_t* row = pixels + static_cast<size_t>(y) * width * 4;
    for (int32_t x = 0; x < width; ++x) {
      const double sum = ((columnSum[x] + s4) + s5) + s6;
      const uint8_t n = static_cast<uint8_t>(static_cast<int16_t>(sum * 21.0 + 128.0));
      std::memcpy(row + x * 4, shade[n], 4);
    }
    // Grid: green 127 and opaque along every 16th row and column and the last
    // ones; red and blue keep their shade.
    const int32_t step = (y % 16 == 0 || y == height - 1) ? 1 : 16;
    for (int32_t x = 0; x < width; x += step) {
      row[x * 4 + 1] = 127;
      row[x * 4 + 3] = 255;
    }
    row[(width - 1) * 4 + 1] = 127;
    row[(width - 1) * 4 + 3] = 255;
  }
}
