// DynamicTexture: creation, regeneration and upload of a procedural texture.
#include "dyntex/dynamic_texture.h"

#include <GL/gl.h>

#include "anim/animator.h"
#include "archive/archive.h"

DynamicTexture::DynamicTexture(TextureGenerator generator, void* state, StateRelease freeState, int32_t width,
                               int32_t height)
    : generator(generator),
      state(state),
      freeState(freeState),
      width(width),
      height(height),
      byteSize(static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4u) {
  pixels = new uint8_t[byteSize];
  generator(static_cast<int32_t>(frameTick), width, height, pixels, state);
  glName = makeRgbaTexture(width, height, pixels);
}

DynamicTexture::~DynamicTexture() {
  delete[] pixels;
  if (freeState) freeState(state);
}

void DynamicTexture::update(int32_t tick) {
  generator(tick, width, height, pixels, state);
  glBindTexture(GL_TEXTURE_2D, glName);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
}
