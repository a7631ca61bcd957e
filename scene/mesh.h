// Mesh: one triangle list with its material, used in place inside its
// archive entry (the owning node's archive reference keeps the bytes alive;
// nothing is copied). Its texture comes from an image entry of the same
// archive, or from the dynamic texture manager when the second character of
// the stored name is '#'. Drawn at once, or deferred to the blended pass
// after the whole scene (deferred_meshes.h).
#pragma once

#include <cstdint>
#include <string>

// Offsets within the 60-byte material record.
const uint32_t kMaterialAlphaTest = 0;
const uint32_t kMaterialDeferred = 1;
const uint32_t kMaterialAmbient = 4;
const uint32_t kMaterialDiffuse = 20;
const uint32_t kMaterialSpecular = 36;
const uint32_t kMaterialShininess = 52;

// Indices into Mesh::savedState.
enum MeshSavedState { kSavedDepthTest = 0, kSavedNormalize = 1, kSavedLighting = 2, kSavedLight0 = 3 };

class Mesh {
 public:
  Mesh();
  // Gives the texture back; never frees entry data.
  ~Mesh();
  Mesh(const Mesh&) = delete;
  Mesh& operator=(const Mesh&) = delete;

  // Parses one record at cursor and leaves cursor just after it. The record
  // is trusted: the whole entry has been checked by parseMeshEntry first.
  void read(const uint8_t*& cursor, const char* archiveName);
  // Opaque meshes draw now; deferred ones save the matrix and GL enables
  // and join deferredMeshes.
  void draw();
  // Draws a deferred mesh blended where it was met, then returns GL to the
  // fixed baseline (depth test on; normalize, lighting, lights, alpha test
  // and blending off).
  void drawDeferred();

  const uint8_t* header;
  const uint8_t* material;
  bool savedState[11];
  int32_t triangleCount;
  const uint8_t* positions;
  const uint8_t* normals;
  const uint8_t* texCoords;
  std::string textureKey;
  const char* textureName;
  uint32_t texture;
  bool dynamicTexture;
  double modelView[16];

 private:
  void drawTriangles() const;
  bool alphaTest() const { return material[kMaterialAlphaTest] != 0; }
  bool deferred() const { return material[kMaterialDeferred] != 0; }
};
