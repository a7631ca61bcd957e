// FireState: heat buffers and the five-gradient palette (transparent black,
// red, orange, yellow, greyish blue, back to yellow).
#include "dyntex/fire_state.h"

#include <cstddef>

namespace {

struct Gradient {
  int from;
  int to;  // not included
  int c0[4];
  int c1[4];
};

const Gradient gradients[] = {
    {0, 64, {0, 0, 0, 0}, {255, 51, 36, 140}},
    {64, 96, {255, 51, 36, 140}, {255, 189, 51, 255}},
    {96, 128, {255, 189, 51, 255}, {255, 237, 51, 255}},
    {128, 196, {255, 237, 51, 255}, {100, 100, 189, 255}},
    {196, 255, {100, 100, 189, 255}, {255, 231, 51, 255}},
};

}  // namespace

FireState::FireState(int32_t width, int32_t height) : heat(nullptr), nextHeat(nullptr), width(width), rows(height + 3) {
  const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(rows);
  heat = new uint8_t[cells]();
  nextHeat = new uint8_t[cells]();

  for (const Gradient& g : gradients) {
    for (int i = g.from; i < g.to; ++i) {
      const double f = static_cast<double>(i - g.from) / static_cast<double>(g.to - g.from);
      for (int c = 0; c < 4; ++c) {
        const int value = static_cast<int>(g.c0[c] + (g.c1[c] - g.c0[c]) * f);
        palette[i][c] = static_cast<uint8_t>(value & 0xff);
      }
    }
  }
}

FireState::~FireState() {
  delete[] heat;
  delete[] nextHeat;
}
