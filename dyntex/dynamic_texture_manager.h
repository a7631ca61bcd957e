// DynamicTextureManager: the one table of procedural textures. Materials name
// them ("_#Fire64x64"); the manager creates each on first use, shares it by
// exact name with a count, and deletes it when the last user releases it.
#pragma once

#include <cstdint>
#include <string>

#include "archive/counted_table.h"
#include "dyntex/dynamic_texture.h"

class DynamicTextureManager {
 public:
  DynamicTextureManager() = default;
  // Frees what is left without GL calls: at process exit the context that
  // owned the textures is already gone.
  ~DynamicTextureManager();
  DynamicTextureManager(const DynamicTextureManager&) = delete;
  DynamicTextureManager& operator=(const DynamicTextureManager&) = delete;

  // The GL texture for name, created on first use; 0, creating nothing, for
  // a name that describes no valid texture (see dynamic_texture_name.h).
  uint32_t acquire(const std::string& name);
  // Drops one use of name; the last one deletes the texture. Unknown names
  // (those acquire refused among them) are ignored.
  void release(const std::string& name);
  // Regenerates and uploads every texture for the current frameTick.
  void updateAll();

  CountedTable<DynamicTexture*> textures;
};

// The process's procedural textures, shared by name; defined after
// archiveCache in app/globals.cpp.
extern DynamicTextureManager dynamicTextureManager;
