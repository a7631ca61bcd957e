// Delayed item: added in the first frame past 60000 ms of the track.
#include "calendar/delayed_item.h"

#include "anim/anim_track.h"
#include "scene/scene_node.h"

void delayedItemCurve(int32_t) {
  if (!(currentTrack->elapsed > 60000.0)) return;
  // Finished: the animator erases the track before its next step.
  currentTrack->finished = true;
  SceneNode* item = new SceneNode;
  item->loadMeshes("main.pak", "nn");
  item->transform.setScale(0.5, 0.5, 0.5);
  currentNode->addChild(item);
}
