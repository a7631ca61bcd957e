// SceneNode, the mesh half: loading mesh entries, drawing the node's meshes
// and giving them back. Mesh loading arrives with the mesh reader; until
// then a node that asks for meshes is marked as having them and draws none.
#include "scene/scene_node.h"

void SceneNode::loadMeshes(const char*, const char*) { hasMeshes = true; }

void SceneNode::drawMeshes() {}

void SceneNode::releaseMeshes() {}
