// The process-wide state of the show: every variable that several units
// share, declared here with its contract and defined in app/globals.cpp.
// Plain variables, single-threaded; nothing else in the program is global
// but constant tables.
#pragma once

#include <cstdint>
#include <ctime>
#include <vector>

class AnimTrack;
class ArchiveCache;
class Display;
class DynamicTextureManager;
class InstallDir;
class Mesh;
class SceneNode;
class Settings;

// Constructed before the entry point in this order, destroyed in reverse at
// exit; the rand sequence is seeded between deferredMeshes and installDir.
extern ArchiveCache archiveCache;                    // open archives, shared by name
extern DynamicTextureManager dynamicTextureManager;  // procedural textures, shared by name
extern std::vector<Mesh*> deferredMeshes;            // blended meshes of this frame, not owned
extern InstallDir installDir;                        // the install folder, read once

// The show's objects, made at start-up and deleted at shut-down by the entry
// point; null outside the show.
extern Settings* settings;
extern Display* display;
extern SceneNode* sceneRoot;    // the fogged landscape and the snow
extern SceneNode* overlayRoot;  // calendar, clock, readout, greeting

// Animation: the frame's time and what the running callback acts on.
extern uint32_t frameTick;       // SDL ms tick at the start of the frame; 0 before the first
extern SceneNode* currentNode;   // the node whose render started last
extern AnimTrack* currentTrack;  // the track whose callback runs

// Snowfall levels on a 0..100 scale, set once by the scene set-up.
extern double snowDensity;  // spawn interval
extern double snowSpeed;    // fall speed and lifetime

// The calendar time last read and its broken-down local form (in the C
// library's shared buffer; null until the first read or when the time
// cannot be converted).
extern time_t localClockValue;
extern struct tm* localNow;

// The overlays' memories, so that each rebuilds only on a change.
extern int32_t lastShown[];    // value each clock slot position showed last; -1 at start
// Date of the calendar page as yyyymmdd; -1 at start. The whole date, not
// the day of the month: set from 1 June to 1 July, the clock would otherwise
// leave the June page up for a day.
extern int32_t lastPageDate;
extern int32_t fpsFrameCount;  // frames since the last readout, the readout frame included
