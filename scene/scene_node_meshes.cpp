// SceneNode, the mesh half: loading mesh entries, drawing the node's meshes
// and giving them back.
//
// An entry is checked whole before any mesh points into it. A missing or
// malformed entry means a broken install: it is reported on one line naming
// the archive and the entry, and the program ends with status 1 rather than
// draw from memory outside the entry.
#include <string>

#include "archive/archive_cache.h"
#include "archive/broken_install.h"
#include "scene/mesh.h"
#include "scene/mesh_entry.h"
#include "scene/scene_node.h"

void SceneNode::loadMeshes(const char* archiveName, const char* entryName) {
  archiveRefs.push_back(archiveName);
  const ArchiveEntry entry = archiveCache.entry(archiveName, entryName);
  if (!entry.data) exitBrokenInstall(std::string(archiveName) + ": no mesh entry \"" + entryName + "\"");
  std::string error;
  std::vector<MeshRecordInfo> records;
  if (!parseMeshEntry(entry.data, entry.size, &records, &error))
    exitBrokenInstall(std::string(archiveName) + ": malformed mesh entry \"" + entryName + "\": " + error);

  for (const MeshRecordInfo& record : records) {
    Mesh* mesh = new Mesh;
    mesh->read(entry.data, record, archiveName);
    meshes.push_back(mesh);
  }
  meshCount += static_cast<int32_t>(records.size());
  hasMeshes = true;
}

void SceneNode::drawMeshes() {
  for (size_t i = 0; i < meshes.size(); ++i) meshes[i]->draw();
}

void SceneNode::releaseMeshes() {
  for (size_t i = 0; i < archiveRefs.size(); ++i) archiveCache.release(archiveRefs[i].c_str());
  for (int32_t i = 0; i < meshCount && static_cast<size_t>(i) < meshes.size(); ++i) delete meshes[i];
  archiveRefs.clear();
  meshes.clear();
  meshCount = 0;
}
