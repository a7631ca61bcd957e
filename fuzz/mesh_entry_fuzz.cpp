// Fuzz entry for mesh entries: any bytes either fail the check with a
// reason, or every record it lists lies inside the input, back to back, with
// the offsets the loader takes as they stand (and every array byte the
// sanitizers watch being read).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/little_endian.h"
#include "scene/mesh_entry.h"

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > (1u << 20)) return 0;
  std::vector<MeshRecordInfo> meshes;
  std::string error;
  const uint32_t size32 = static_cast<uint32_t>(size);
  if (!parseMeshEntry(data, size32, &meshes, &error)) {
    check(!error.empty());
    return 0;
  }
  check(error.empty());
  const int32_t count = static_cast<int32_t>(readLittleEndian32(data + (data[0] == 255 ? 5 : 1)));
  check(meshes.size() == static_cast<size_t>(count > 0 ? count : 0));
  // The records lie back to back inside the input, their parts in order;
  // every array byte the loader hands to GL is read here.
  uint32_t at = data[0] == 255 ? 9 : 5;
  unsigned sum = 0;
  for (const MeshRecordInfo& m : meshes) {
    check(m.offset == at && m.nameAt == at + 4);
    check(std::string(reinterpret_cast<const char*>(data + m.nameAt)) == m.textureName);
    check(static_cast<int32_t>(readLittleEndian32(data + m.material + meshMaterialSize)) == m.triangleCount);
    const uint64_t n = static_cast<uint64_t>(m.triangleCount);
    check(m.positions == m.material + meshMaterialSize + 5);
    check(m.normals == m.positions + n * meshPositionBytesPerTriangle);
    check(m.texCoords == m.normals + n * meshNormalBytesPerTriangle);
    check(m.end == m.texCoords + n * meshTexCoordBytesPerTriangle && m.end <= size);
    for (uint32_t i = m.positions; i < m.end; ++i) sum += data[i];
    at = m.end;
  }
  return static_cast<int>(sum & 0);
}
