// The process-wide objects, defined in one place so that they are
// constructed in this order (and destroyed in reverse at exit).
#include <cstdlib>
#include <ctime>

#include "app/display.h"
#include "app/install_dir.h"
#include "app/scene_setup.h"
#include "app/settings.h"
#include "archive/archive_cache.h"
#include "dyntex/dynamic_texture_manager.h"
#include "scene/deferred_meshes.h"
#include "scene/scene_node.h"

ArchiveCache archiveCache;
DynamicTextureManager dynamicTextureManager;
std::vector<Mesh*> deferredMeshes;

// Every random draw of the program comes from this one sequence.
static const int randSeeded = (srand(static_cast<unsigned>(time(nullptr))), 1);

InstallDir installDir;

Settings* settings = nullptr;
Display* display = nullptr;
SceneNode* sceneRoot = nullptr;
SceneNode* overlayRoot = nullptr;
