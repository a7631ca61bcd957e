// Delayed item: added in the first frame past 60000 ms of the track.
#include "calendar/delayed_item.h"

#include "anim/anim_track.h"
#include "app/pixel_shift.h"
#include "scene/scene_node.h"

void delayedItemCurve(int32_t) {
  if (!(currentTrack->elapsed > 60000.0)) return;
  // Finished: the animator erases the track before its next step.
  currentTrack->finished = true;
  SceneNode* item = new SceneNode;
  item->loadMeshes("main.pak", "nn");
  item->transform.setScale(0.5, 0.5, 0.5);
  // At the root's origin: 100 units in front of the eye.
  if (currentTrack->axis == 1) startPixelShift(item, 100.0);
  currentNode->addChild(item);
}
