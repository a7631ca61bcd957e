// SceneNode: the unit of the scene. A node expires, passes that on to its
// children, becomes dead once it has none left and is deleted by its parent
// in the next frame, so the tree takes itself apart from the leaves up.
#pragma once

#include <cstdint>
#include <vector>

#include "anim/frame_callback.h"

class SceneNode {
 public:
  SceneNode();
  ~SceneNode();

  void addChild(SceneNode* child) { children.push_back(child); }
  void expire() { expired = true; }
  void addFrameCallback(FrameCallbackFunction function, int32_t value);
  void render();

  bool expired;
  bool dead;
  std::vector<FrameCallback> frameCallbacks;
  std::vector<SceneNode*> children;

 private:
  void callFrameCallbacks(int32_t phase);
};

// The node whose render started last.
extern SceneNode* currentNode;
