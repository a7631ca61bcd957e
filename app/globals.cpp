// The process-wide state, defined in one place so that the objects are
// constructed in this order (and destroyed in reverse at exit).
#include "app/globals.h"

#include <cstdlib>

#include "app/install_dir.h"
#include "archive/archive_cache.h"
#include "clock/clock_face.h"
#include "dyntex/dynamic_texture_manager.h"

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

uint32_t frameTick = 0;
SceneNode* currentNode = nullptr;
AnimTrack* currentTrack = nullptr;

double snowDensity = 50.0;
double snowSpeed = 50.0;

time_t localClockValue = 0;
struct tm* localNow = nullptr;

int32_t lastShown[lastShownCount] = {-1, -1, -1, -1, -1, -1};
int32_t lastPageDate = -1;
int32_t fpsFrameCount = 0;
