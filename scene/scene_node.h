// SceneNode: the unit of the scene. A transform, the meshes loaded into it,
// an animator with its cue list, frame callbacks that pair GL state changes
// around its drawing, and its children. A node expires, passes that on to
// its children, becomes dead once it has none left and is deleted by its
// parent in the next frame, so the tree takes itself apart from the leaves
// up and animation code can end a node's life from inside its own update.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "anim/anim_cue_list.h"
#include "anim/animator.h"
#include "anim/frame_callback.h"
#include "scene/transform.h"

class Mesh;
class SceneNode;

// The node whose render started last (set first thing for each node, not
// restored after a child): the node a running track callback acts on.
extern SceneNode* currentNode;

class SceneNode {
 public:
  SceneNode();
  // Releases the node's archives and meshes; children are not destroyed
  // (see deleteSceneTree for what is still attached at exit).
  ~SceneNode();

  // Appends the meshes of one mesh entry; a missing or malformed entry ends
  // the program with a message naming the archive and the entry.
  void loadMeshes(const char* archiveName, const char* entryName);
  void addChild(SceneNode* child);
  void expire();
  void addFrameCallback(FrameCallbackFunction function, int32_t value);
  // Draws the node and its subtree and deletes dead children.
  void render();

  Transform transform;
  Animator animator;
  AnimCueList cues;
  bool expired = false;
  bool dead = false;
  std::vector<FrameCallback> frameCallbacks;
  std::vector<Mesh*> meshes;
  std::vector<std::string> archiveRefs;
  int32_t meshCount = 0;
  bool hasMeshes = false;
  std::vector<SceneNode*> children;

 private:
  SceneNode(const SceneNode&) = delete;
  SceneNode& operator=(const SceneNode&) = delete;
  void callFrameCallbacks(int32_t phase);
  void drawMeshes();
  void releaseMeshes();
};

// Frees a node and everything still attached below it. Rendering frees only
// dead children, so this is for the end of the program (the roots) and for
// tests; it does not touch `currentNode`.
void deleteSceneTree(SceneNode* root);

// Durations of the builders' tracks.
const double endlessTrack = 0.0;   // runs until its node goes
const double oneShotTrack = -1.0;  // finished by its first step: its callback runs once

// addCue, addCueTrack, fireCue of that cue: how the builders start a node's
// track (cue 0 for its first; an overlay item's pixel shift comes second).
void startTrack(SceneNode* node, const AnimTrack& track);
// The same for a new track (id 1, enabled) of curve with these values.
void startCurve(SceneNode* node, double duration, MotionCurve curve, int32_t axis = 0, double p1 = 0, double p2 = 0,
                double p3 = 0);
