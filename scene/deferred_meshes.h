// The deferred pass: meshes whose material asks to be drawn after the whole
// scene are collected during the scene walk, in the order met, and drawn
// blended without depth writes once both roots have rendered.
#pragma once

// Draws the list (deferredMeshes, app/globals.h) in insertion order with depth writes off, then empties it.
// Leaves the model-view matrix of the last mesh drawn.
void flushDeferredMeshes();
