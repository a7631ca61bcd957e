// Mesh entry checking: walks a whole mesh entry against its size without
// trusting a single length or count in it, and either lists its records or
// says in one short phrase what is wrong. The loader runs it before any mesh
// points into the entry; tools use it to inspect archives.
//
// Entry layout (little-endian, nothing aligned): marker byte; when it is
// 255 four bytes that are skipped; int32 mesh count (0 or less: none); then
// per mesh: int32 name size L, L bytes of texture name holding its zero
// byte, 80 header bytes, 60 material bytes, int32 triangle count N, one
// reserved byte, then 72 N bytes of positions, 72 N of normals and 48 N of
// texture coordinates.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One record as the check found it; every part is given by its offset
// within the entry, so that the loader walks the layout no second time.
struct MeshRecordInfo {
  std::string textureName;
  int32_t triangleCount;
  uint32_t offset;     // the record's first byte
  uint32_t nameAt;     // the stored name, its zero byte within its field
  uint32_t material;   // the 60-byte material
  uint32_t positions;  // 72 N bytes, then the normals and texture coordinates
  uint32_t normals;
  uint32_t texCoords;
  uint32_t end;  // just past the record
};

// Fixed parts of a record and sizes per triangle.
const uint32_t meshHeaderBlockSize = 80;
const uint32_t meshMaterialSize = 60;
const uint32_t meshPositionBytesPerTriangle = 72;
const uint32_t meshNormalBytesPerTriangle = 72;
const uint32_t meshTexCoordBytesPerTriangle = 48;

// Offsets within the 60-byte material record.
const uint32_t materialAlphaTest = 0;
const uint32_t materialDeferred = 1;
// Non-zero: the mesh is closed, its back faces never show, and they are not
// drawn. Zero in older archives.
const uint32_t materialClosed = 2;
const uint32_t materialAmbient = 4;
const uint32_t materialDiffuse = 20;
const uint32_t materialSpecular = 36;
const uint32_t materialShininess = 52;

// True for a well-formed entry; meshes (if given) receives one info per
// record in order, which the loader uses as it stands. False with *error (if given) set otherwise, e.g.
// "record 2 runs past the end of the 4096-byte entry"; records are counted
// from 1. Bytes after the last record are allowed.
bool parseMeshEntry(const uint8_t* data, uint32_t size, std::vector<MeshRecordInfo>* meshes, std::string* error);
