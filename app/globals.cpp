// The process-wide objects whose construction order is fixed: the archive
// cache, the procedural textures, the list of deferred meshes, then the rand
// seed, and the install folder last; they are destroyed in reverse at exit.
// Static initialisation runs in definition order within one file but in an
// unspecified order across files, so these definitions stay together here.
// The plain variables of the other units are constant-initialised (before
// any of this runs) and are defined by the units that own them.
#include "app/globals.h"

#include <cstdlib>
#include <ctime>

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
