// Fuzz entry for mesh entries: any bytes either fail the check with a
// reason, or every record it lists lies inside the input, back to back, and
// the walk the loader makes over them (cursor steps and every array byte)
// stays inside the input, which the sanitizers watch.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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
  const uint8_t* cursor = data + (data[0] == 255 ? 5 : 1);
  const int32_t count = readMeshInt32(cursor);
  cursor += 4;
  check(meshes.size() == static_cast<size_t>(count > 0 ? count : 0));
  unsigned sum = 0;
  for (const MeshRecordInfo& m : meshes) {
    check(static_cast<size_t>(cursor - data) == m.offset);
    const int32_t nameSize = readMeshInt32(cursor);
    cursor += 4;
    check(std::string(reinterpret_cast<const char*>(cursor)) == m.textureName);
    cursor += nameSize + kMeshHeaderBlockSize + kMeshMaterialSize;
    check(readMeshInt32(cursor) == m.triangleCount);
    cursor += 5;
    const size_t arrays = static_cast<size_t>(m.triangleCount) *
                          (kMeshPositionBytesPerTriangle + kMeshNormalBytesPerTriangle + kMeshTexCoordBytesPerTriangle);
    for (size_t i = 0; i < arrays; ++i) sum += cursor[i];
    cursor += arrays;
    check(cursor <= data + size);
  }
  return static_cast<int>(sum & 0);
}
