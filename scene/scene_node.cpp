// SceneNode: construction, the render traversal and the expire/dead life
// cycle. Mesh loading, drawing and release live in scene_node_meshes.cpp.
//
// Callbacks and curves run in the middle of the walk and may add children or
// frame callbacks to the node being rendered; every walk that runs them goes
// by index and re-reads the array on every turn, so nothing dangles when an
// array grows.
#include "scene/scene_node.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>

SceneNode* currentNode = nullptr;

SceneNode::SceneNode() { cues.bindAnimator(&animator); }

SceneNode::~SceneNode() { releaseMeshes(); }

void SceneNode::addChild(SceneNode* child) { children.push_back(child); }

void SceneNode::expire() { expired = true; }

void SceneNode::addFrameCallback(FrameCallbackFunction function, int32_t value) {
  frameCallbacks.push_back(FrameCallback{function, value});
}

void SceneNode::callFrameCallbacks(int32_t phase) {
  for (size_t i = 0; i < frameCallbacks.size(); ++i) {
    const FrameCallback c = frameCallbacks[i];
    c.function(phase, c.value);
  }
}

void SceneNode::render() {
  currentNode = this;
  glPushMatrix();
  transform.apply();

  // The expired test comes before the advance: a node that expires itself
  // in its own advance still draws its meshes this frame.
  if (!expired) {
    animator.advance();
    if (hasMeshes) {
      callFrameCallbacks(PhaseBeforeMeshes);
      if (transform.scaled) {
        // The scale reaches the node's own meshes only, not its children.
        glPushMatrix();
        transform.applyScale();
        glEnable(GL_NORMALIZE);
        drawMeshes();
        glDisable(GL_NORMALIZE);
        glPopMatrix();
      } else {
        drawMeshes();
      }
      callFrameCallbacks(PhaseAfterMeshes);
    }
  }

  // Dead children go first, all of them, before any child renders.
  for (SceneNode*& child : children) {
    if (!child->dead) continue;
    delete child;
    child = nullptr;
  }
  children.erase(std::remove(children.begin(), children.end(), nullptr), children.end());

  if (expired && children.empty()) {
    dead = true;
  } else {
    for (size_t i = 0; i < children.size(); ++i) {
      SceneNode* child = children[i];
      if (expired) child->expired = true;
      callFrameCallbacks(PhaseBeforeChild);
      child->render();
      callFrameCallbacks(PhaseAfterChild);
    }
  }
  glPopMatrix();
}

void startTrack(SceneNode* node, const AnimTrack& track) {
  const int32_t cue = node->cues.addCue();
  node->cues.addCueTrack(track);
  node->cues.fireCue(cue);
}

void startCurve(SceneNode* node, double duration, MotionCurve curve, int32_t axis, double p1, double p2, double p3) {
  AnimTrack track(1, true, duration);
  track.setCurve(curve, axis, p1, p2, p3);
  startTrack(node, track);
}

void deleteSceneTree(SceneNode* root) {
  std::vector<SceneNode*> pending;
  if (root) pending.push_back(root);
  while (!pending.empty()) {
    SceneNode* node = pending.back();
    pending.pop_back();
    pending.insert(pending.end(), node->children.begin(), node->children.end());
    node->children.clear();
    delete node;
  }
}
