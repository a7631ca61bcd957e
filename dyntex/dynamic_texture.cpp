// DynamicTexture: creation, regeneration and upload of a procedural texture.
#include "dyntex/dynamic_texture.h"

#include <GL/gl.h>

#include "anim/animator.h"
#include "app/globals.h"

DynamicTexture::DynamicTexture(TextureGenerator generator, void* state, StateRelease freeState, int32_t width,
                               int32_t height)
    : generator(generator),
      state(state),
      freeState(freeState),
      width(width),
      height(height),
      glName(0),
      pixels(nullptr),
      byteSize(static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4u) {
  pixels = new uint8_t[byteSize];
  generator(static_cast<int32_t>(frameTick), width, height, pixels, state);

  GLuint name = 0;
  glGenTextures(1, &name);
  glName = name;
  glBindTexture(GL_TEXTURE_2D, glName);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
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
