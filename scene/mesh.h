// Mesh: one triangle list with its material, used in place inside its
// archive entry (the owning node's archive reference keeps the bytes alive;
// nothing is copied). Its texture comes from an image entry of the same
// archive, or from the dynamic texture manager when the second character of
// the stored name is '#'. Drawn at once, or deferred to the blended pass
// after the whole scene (deferred_meshes.h).
#pragma once

#include <cstdint>
#include <string>

#include "scene/mesh_entry.h"

// Indices into Mesh::savedState.
enum MeshSavedState { SavedDepthTest = 0, SavedNormalize = 1, SavedLighting = 2, SavedLight0 = 3 };

class Mesh {
 public:
  Mesh() = default;
  // Gives the texture back; never frees entry data.
  ~Mesh();
  Mesh(const Mesh&) = delete;
  Mesh& operator=(const Mesh&) = delete;

  // Points into entry at the parts of a record that parseMeshEntry found in
  // it, and takes the record's texture from archiveName's images (or from
  // the dynamic texture manager).
  void read(const uint8_t* entry, const MeshRecordInfo& record, const char* archiveName);
  // Opaque meshes draw now; deferred ones save the matrix and GL enables
  // and join deferredMeshes.
  void draw();
  // Draws a deferred mesh blended where it was met, then returns GL to the
  // fixed baseline (depth test on; normalize, lighting, lights, alpha test
  // and blending off).
  void drawDeferred();

  const uint8_t* material = nullptr;
  bool savedState[11] = {};
  int32_t triangleCount = 0;
  const uint8_t* positions = nullptr;
  const uint8_t* normals = nullptr;
  const uint8_t* texCoords = nullptr;
  std::string textureKey;
  const char* textureName = nullptr;
  uint32_t texture = 0;
  bool dynamicTexture = false;
  double modelView[16] = {};
  // The display list holding the triangles, made at the first draw (0: none yet).
  uint32_t geometryList = 0;

 private:
  void drawTriangles();
  // Switches on (before a deferred draw) or back off the state saved with
  // the mesh; the depth test, on in the baseline, the other way round.
  void switchSavedState(bool on) const;
  bool alphaTest() const { return material[materialAlphaTest] != 0; }
  bool deferred() const { return material[materialDeferred] != 0; }
  bool closed() const { return material[materialClosed] != 0; }
};
