// Scene set-up: creates the fogged scene root and the overlay root.
#include "app/scene_setup.h"

#include "scene/scene_node.h"

void buildScene() {
  sceneRoot = new SceneNode;
  overlayRoot = new SceneNode;
}
