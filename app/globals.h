// The process-wide state of the show. Each variable is declared, with its
// contract, by the unit that owns it, in the lowest folder that uses it; this
// header gathers them for app/ code and declares the show's own objects,
// which the entry point makes and deletes. The objects whose construction
// order matters are defined together in app/globals.cpp. Plain variables,
// single-threaded; nothing else in the program is global but constant tables
// and the private state of single units (static in their .cpp).
#pragma once

#include "anim/anim_track.h"                 // currentTrack
#include "anim/animator.h"                   // frameTick
#include "app/install_dir.h"                 // installDir
#include "archive/archive_cache.h"           // archiveCache
#include "calendar/calendar.h"               // lastPageDate
#include "calendar/fps_overlay.h"            // fpsFrameCount
#include "clock/clock_motion.h"              // lastShown
#include "clock/local_time.h"                // localClockValue, localNow
#include "dyntex/dynamic_texture_manager.h"  // dynamicTextureManager
#include "scene/deferred_meshes.h"           // deferredMeshes
#include "scene/scene_node.h"                // currentNode
#include "snow/snowfall.h"                   // snowDensity, snowSpeed

class Display;
class Settings;

// The show's objects, made at start-up and deleted at shut-down by the entry
// point; null outside the show.
extern Settings* settings;
extern Display* display;
extern SceneNode* sceneRoot;    // the fogged landscape and the snow
extern SceneNode* overlayRoot;  // calendar, clock, readout, greeting
