// FrameCallback: a function a node calls at four fixed points of its render
// (1 before its meshes, 2 after them, 3 before each child, 4 after each).
#pragma once

#include <cstdint>

// The phase argument: where in the node's render the call is made.
enum FramePhase {
  PhaseBeforeMeshes = 1,
  PhaseAfterMeshes = 2,
  PhaseBeforeChild = 3,
  PhaseAfterChild = 4,
};

typedef void (*FrameCallbackFunction)(int32_t phase, int32_t value);

struct FrameCallback {
  FrameCallbackFunction function;
  int32_t value;
};
