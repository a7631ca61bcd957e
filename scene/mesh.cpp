// Mesh: taking one checked record in place and giving its texture back.
#include "scene/mesh.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "archive/archive_cache.h"
#include "dyntex/dynamic_texture_manager.h"
#include "scene/deferred_meshes.h"
#include "scene/mesh_entry.h"

Mesh::~Mesh() {
  if (geometryList != 0) glDeleteLists(geometryList, 1);
  if (textureName) {
    if (dynamicTexture)
      dynamicTextureManager.release(textureKey);
    else
      archiveCache.releaseTexture(textureKey.c_str(), texture);
  }
  // A mesh destroyed between its draw and the flush (its node deleted by
  // hand mid-frame) must not stay on the list.
  deferredMeshes.erase(std::remove(deferredMeshes.begin(), deferredMeshes.end(), this), deferredMeshes.end());
}

void Mesh::read(const uint8_t* entry, const MeshRecordInfo& record, const char* archiveName) {
  textureName = reinterpret_cast<const char*>(entry + record.nameAt);
  // Only the second character decides; an empty name has none.
  dynamicTexture = textureName[0] != '\0' && textureName[1] == '#';
  if (dynamicTexture) {
    textureKey = textureName;
    texture = dynamicTextureManager.acquire(textureKey);
  } else {
    texture = archiveCache.acquireTexture(archiveName, textureName);
    textureKey = archiveName;
  }
  material = entry + record.material;
  triangleCount = record.triangleCount;
  positions = entry + record.positions;
  normals = entry + record.normals;
  texCoords = entry + record.texCoords;
}
