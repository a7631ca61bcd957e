// SceneNode: render traversal and the expire/dead life cycle.
#include "scene/scene_node.h"

#include <GL/gl.h>

#include <cstddef>

SceneNode* currentNode = nullptr;

SceneNode::SceneNode() : expired(false), dead(false) {}

SceneNode::~SceneNode() {}

void SceneNode::addFrameCallback(FrameCallbackFunction function, int32_t value) {
  frameCallbacks.push_back(FrameCallback{function, value});
}

void SceneNode::callFrameCallbacks(int32_t phase) {
  for (size_t i = 0; i < frameCallbacks.size(); ++i) frameCallbacks[i].function(phase, frameCallbacks[i].value);
}

void SceneNode::render() {
  currentNode = this;
  glPushMatrix();

  // Dead children go first, all of them, before any child renders.
  for (size_t i = 0; i < children.size();) {
    if (children[i]->dead) {
      delete children[i];
      children.erase(children.begin() + static_cast<long>(i));
      i = 0;
    } else {
      ++i;
    }
  }

  if (expired && children.empty()) {
    dead = true;
  } else {
    for (size_t i = 0; i < children.size(); ++i) {
      SceneNode* child = children[i];
      if (expired) child->expired = true;
      callFrameCallbacks(3);
      child->render();
      callFrameCallbacks(4);
    }
  }
  glPopMatrix();
}
