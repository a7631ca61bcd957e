// Snowfall: the emitter's track callback that turns elapsed time into new
// snowflakes, and the building of one flake with its eight tracks. The
// flakes are ordinary nodes under the emitter; each ends by its own
// lifetime track and the scene graph deletes it.
#pragma once

#include <cstdint>

class SceneNode;

// The snowfall's two levels on their 0..100 scale, set once by the scene
// set-up before any node is made: density gives the spawn interval, speed
// the fall speed and the lifetime.
extern double snowDensity;
extern double snowSpeed;

// Milliseconds between two flakes at density D: 100 at 0, 30 at 50, 5 at 100.
double snowSpawnInterval(double density);

// Spends `elapsed` (the emitter's accumulator, ms) one interval per flake
// while it is positive and returns the number of flakes; the remainder
// (zero or negative) stays in `elapsed`.
int32_t snowSpawnCount(double& elapsed, double interval);

// Most flakes one frame creates: one lifetime's worth at the current
// levels. Flakes beyond that would only die together with the rest of the
// burst, and a long stall (a suspended machine) must not allocate without
// bound.
int32_t snowBurstLimit();

// Lifetime in ms at fall-speed level S: 25000 at 0, 16000 at 50, 7000 at 100.
double flakeLifetime(double speed);

// A new flake (meshes of "sn" from "main.pak", random place, eight tracks
// fired), not yet attached. Draws from rand() in a fixed order.
SceneNode* buildFlake();

// MotionCurve of the emitter: spawns the flakes the elapsed time asks for
// under currentNode. userValue is not read.
void snowfallStep(int32_t userValue);
