// Mesh entry checking. All arithmetic on lengths is done in 64 bits against
// the bytes that remain, so no stored value can make the walk overflow or
// leave the entry; a record is at least 150 bytes, so the walk ends after
// at most size / 150 records whatever the stored mesh count says.
#include "scene/mesh_entry.h"

#include <cstring>

#include "platform/little_endian.h"

namespace {

bool fail(std::string* error, const std::string& reason) {
  if (error) *error = reason;
  return false;
}

std::string pastEnd(const std::string& what, uint32_t size) {
  return what + " runs past the end of the " + std::to_string(size) + "-byte entry";
}

}  // namespace

bool parseMeshEntry(const uint8_t* data, uint32_t size, std::vector<MeshRecordInfo>* meshes, std::string* error) {
  if (meshes) meshes->clear();
  if (!data) size = 0;
  const uint64_t end = size;

  if (end < 1) return fail(error, pastEnd("the entry header", size));
  uint64_t pos = data[0] == 255 ? 5 : 1;
  if (end < pos + 4) return fail(error, pastEnd("the entry header", size));
  const int32_t count = static_cast<int32_t>(readLittleEndian32(data + pos));
  pos += 4;

  for (int32_t i = 0; i < count; ++i) {
    const std::string record = "record " + std::to_string(static_cast<int64_t>(i) + 1);
    const uint64_t start = pos;
    if (end - pos < 4) return fail(error, pastEnd(record, size));
    const int32_t nameSize = static_cast<int32_t>(readLittleEndian32(data + pos));
    pos += 4;
    if (nameSize < 0) return fail(error, record + " has a negative name size (" + std::to_string(nameSize) + ")");
    if (end - pos < static_cast<uint64_t>(nameSize)) return fail(error, pastEnd(record, size));
    const void* zero = nameSize > 0 ? std::memchr(data + pos, 0, static_cast<size_t>(nameSize)) : nullptr;
    if (!zero) return fail(error, record + " has a texture name without its zero byte");
    const uint64_t nameAt = pos;
    pos += static_cast<uint64_t>(nameSize);

    const uint64_t fixed = meshHeaderBlockSize + meshMaterialSize + 4 + 1;
    if (end - pos < fixed) return fail(error, pastEnd(record, size));
    const int32_t triangles =
        static_cast<int32_t>(readLittleEndian32(data + pos + meshHeaderBlockSize + meshMaterialSize));
    pos += fixed;
    if (triangles < 0)
      return fail(error, record + " has a negative triangle count (" + std::to_string(triangles) + ")");
    const uint64_t arrays = static_cast<uint64_t>(triangles) *
                            (meshPositionBytesPerTriangle + meshNormalBytesPerTriangle + meshTexCoordBytesPerTriangle);
    if (end - pos < arrays) return fail(error, pastEnd(record, size));
    pos += arrays;

    if (meshes) {
      // Every offset is below size, a uint32_t, once the walk got here.
      MeshRecordInfo r;
      r.textureName = reinterpret_cast<const char*>(data + nameAt);
      r.triangleCount = triangles;
      r.offset = static_cast<uint32_t>(start);
      r.nameAt = static_cast<uint32_t>(nameAt);
      r.material = static_cast<uint32_t>(nameAt + static_cast<uint64_t>(nameSize) + meshHeaderBlockSize);
      r.positions = r.material + meshMaterialSize + 4 + 1;
      r.normals = r.positions + static_cast<uint32_t>(triangles) * meshPositionBytesPerTriangle;
      r.texCoords = r.normals + static_cast<uint32_t>(triangles) * meshNormalBytesPerTriangle;
      r.end = static_cast<uint32_t>(pos);
      meshes->push_back(r);
    }
  }
  if (error) error->clear();
  return true;
}
