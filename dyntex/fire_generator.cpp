// Fire generator: sparks, ember, diffusion, colour, swap.
#include "dyntex/fire_generator.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "dyntex/fire_state.h"

void fireAddSparks(FireState* fire, int32_t width, int32_t height) {
  const int count = rand() & (width - 1);
  for (int i = 0; i < count; ++i) {
    const int x = rand() % width;
    const int y = height + rand() % 3;
    fire->heat[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(rand() & 0xff);
  }
}

void fireAddEmber(FireState* fire, int32_t width, int32_t height) {
  const int half = height / 2;
  const int x = rand() % width;
  const int y = half + rand() % half;
  fire->heat[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(rand() & 0xff);
}

// Heat of one cell from its eight neighbours, cooled by one step.
static inline uint8_t diffusedCell(const uint8_t* here, const uint8_t* below, const uint8_t* below2, size_t c) {
  const unsigned s = here[c - 1] + here[c + 1] + below[c - 1] + below[c] + below[c + 1] + below2[c - 1] + below2[c] +
                     below2[c + 1];
  const unsigned v = s / 8;
  return static_cast<uint8_t>(v - (v > 0));
}

void fireDiffuse(FireState* fire, int32_t width, int32_t height) {
  const size_t w = static_cast<size_t>(width);
  for (int32_t r = 0; r < height; ++r) {
    const uint8_t* here = fire->heat + r * w;
    const uint8_t* below = here + w;
    const uint8_t* below2 = below + w;
    uint8_t* out = fire->nextHeat + r * w;
    out[0] = 0;
    // Blocks of a fixed 16 cells, which the compiler turns into vector code,
    // then the rest one by one.
    size_t c = 1;
    for (; c + 16 < w; c += 16) {
      uint8_t block[16];
      for (size_t k = 0; k < 16; ++k) block[k] = diffusedCell(here, below, below2, c + k);
      for (size_t k = 0; k < 16; ++k) out[c + k] = block[k];
    }
    for (; c + 1 < w; ++c) out[c] = diffusedCell(here, below, below2, c);
    out[w - 1] = 0;
  }
}

void fireColour(const FireState* fire, int32_t width, int32_t height, uint8_t* pixels) {
  const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(height);
  for (size_t j = 0; j < cells; ++j) std::memcpy(pixels + j * 4, fire->palette[fire->nextHeat[j]], 4);
}

void fireGenerator(int32_t, int32_t width, int32_t height, uint8_t* pixels, void* state) {
  FireState* fire = static_cast<FireState*>(state);
  fireAddSparks(fire, width, height);
  fireAddEmber(fire, width, height);
  fireDiffuse(fire, width, height);
  fireColour(fire, width, height, pixels);
  std::swap(fire->heat, fire->nextHeat);
}
