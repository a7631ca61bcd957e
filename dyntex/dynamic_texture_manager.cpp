// DynamicTextureManager: name lookup, creation with the generator of the
// name's kind, counting and deletion.
#include "dyntex/dynamic_texture_manager.h"

#include <GL/gl.h>

#include "anim/animator.h"
#include "dyntex/dynamic_texture_name.h"
#include "dyntex/fire_generator.h"
#include "dyntex/fire_state.h"
#include "dyntex/plasma_generator.h"

static void freePlasmaColour(void* state) { delete[] static_cast<uint8_t*>(state); }

static void freeFireState(void* state) { delete static_cast<FireState*>(state); }

DynamicTextureManager::~DynamicTextureManager() {
  for (DynamicTexture* texture : textures.objects) delete texture;
}

uint32_t DynamicTextureManager::acquire(const std::string& name) {
  const int held = textures.acquire(name);
  if (held >= 0) return textures.objects[held]->glName;

  DynamicTextureName parsed;
  if (!parseDynamicTextureName(name, &parsed, nullptr)) return 0;

  DynamicTexture* texture = nullptr;
  if (parsed.kind == DynamicTextureName::Plasma) {
    uint8_t* colour = new uint8_t[3]{parsed.colour[0], parsed.colour[1], parsed.colour[2]};
    texture = new DynamicTexture(plasmaGenerator, colour, freePlasmaColour, parsed.width, parsed.height);
  } else {
    FireState* fire = new FireState(parsed.width, parsed.height);
    texture = new DynamicTexture(fireGenerator, fire, freeFireState, parsed.width, parsed.height);
  }
  textures.add(name, texture);
  return texture->glName;
}

void DynamicTextureManager::release(const std::string& name) {
  const int row = textures.find(name);
  DynamicTexture* last = nullptr;
  if (row < 0 || !textures.drop(row, &last)) return;
  GLuint glName = last->glName;
  glDeleteTextures(1, &glName);
  delete last;
}

void DynamicTextureManager::updateAll() {
  const int32_t tick = static_cast<int32_t>(frameTick);
  for (DynamicTexture* texture : textures.objects) texture->update(tick);
}
