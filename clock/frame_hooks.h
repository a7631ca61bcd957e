// Frame hooks: FrameCallback functions that change GL state around a node's
// meshes (phases 1 and 2) or around each of its children (phases 3 and 4).
// The value is ignored; other phases do nothing.
#pragma once

#include <cstdint>

// Depth test off before, on after, both around the meshes and each child:
// overlay items draw over the scene and over one another in child order.
void depthOffCallback(int32_t phase, int32_t value);
// Lighting off around the node's meshes only.
void lightingOffCallback(int32_t phase, int32_t value);
// The node's meshes face the viewer: rotation and scale dropped from the
// modelview matrix, position kept.
void billboardCallback(int32_t phase, int32_t value);
