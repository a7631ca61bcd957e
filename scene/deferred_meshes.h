// The deferred pass: meshes whose material asks to be drawn after the whole
// scene are collected during the scene walk, in the order met, and drawn
// blended without depth writes once both roots have rendered.
#pragma once

#include <vector>

class Mesh;

// The blended meshes met during this frame's walk, in that order, not owned;
// empty between frames. Defined after dynamicTextureManager in
// app/globals.cpp.
extern std::vector<Mesh*> deferredMeshes;

// Draws deferredMeshes in insertion order with depth writes off, then empties it.
// Leaves the model-view matrix of the last mesh drawn.
void flushDeferredMeshes();
