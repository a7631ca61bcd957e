// DynamicTexture: a GL texture whose pixels a generator function produces.
// It keeps its own RGBA buffer so that every update regenerates the image in
// place and uploads it with one glTexSubImage2D, never reallocating the
// texture.
#pragma once

#include <cstdint>

// Fills width x height RGBA pixels (row 0 first) from the tick and its state.
typedef void (*TextureGenerator)(int32_t tick, int32_t width, int32_t height, uint8_t* pixels, void* state);
// Destroys a generator state.
typedef void (*StateRelease)(void* state);

class DynamicTexture {
 public:
  // Takes ownership of state. Needs the GL context; leaves the new texture
  // bound. The generator runs once (at frameTick) before the first upload,
  // so the texture never shows uninitialised memory.
  DynamicTexture(TextureGenerator generator, void* state, StateRelease freeState, int32_t width, int32_t height);
  // Frees the pixels and the state; the GL texture is the owner's to delete.
  ~DynamicTexture();
  DynamicTexture(const DynamicTexture&) = delete;
  DynamicTexture& operator=(const DynamicTexture&) = delete;

  // Regenerates the pixels for tick and uploads them.
  void update(int32_t tick);

  TextureGenerator generator;
  void* state;
  StateRelease freeState;
  int32_t width;
  int32_t height;
  uint32_t glName = 0;
  uint8_t* pixels = nullptr;
  uint32_t byteSize;
};
