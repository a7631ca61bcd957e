// One frame of the whole show with the GL recorder as a null driver, so
// only our own work is timed: the scene set-up of the default settings over
// the generated archives, run at 16 ms frames into the steady state of the
// snowfall (about 530 flakes), and again with a denser benchmark-only
// emitter for 2x, 4x and 8x the flakes. Reports microseconds per frame and
// per flake. Then ten seconds of the loop on the real clock at the frame cap
// and uncapped: the CPU time the show asks for when nothing waits for the
// screen. Archives: $ORVEL_DIST, else the dist/ folder beside bench/.
#include <unistd.h>

#include <SDL/SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "anim/animator.h"
#include "app/display.h"
#include "app/frame.h"
#include "app/frame_pacer.h"
#include "app/globals.h"
#include "app/scene_setup.h"
#include "app/settings.h"
#include "archive/archive_cache.h"
#include "platform/platform.h"
#include "scene/scene_node.h"
#include "snow/snowfall.h"
#include "support/gl_recorder.h"

namespace {

std::string distFolder() {
  if (const char* env = getenv("ORVEL_DIST")) return std::string(env) + "/";
  return platform::programFolder() + "../dist/";
}

bool haveArchives(const std::string& dir) {
  for (const char* a : {"main.pak", "utils.pak", "clock.pak", "calendar.pak"})
    if (access((dir + a).c_str(), R_OK) != 0) return false;
  return true;
}

// Flakes per 30 ms of the benchmark emitter.
int flakeFactor = 1;

// The emitter's step with the interval divided by flakeFactor.
void denseSnowfallStep(int32_t) {
  double e = currentTrack->elapsed;
  const int32_t n = snowSpawnCount(e, snowSpawnInterval(snowDensity) / flakeFactor);
  currentTrack->elapsed = e;
  SceneNode* emitter = currentNode;
  for (int32_t i = 0; i < n; ++i) emitter->addChild(buildFlake());
}

// The node whose track spawns the flakes.
SceneNode* findEmitter(SceneNode* node) {
  for (const AnimTrack& t : node->animator.tracks)
    if (t.callback == snowfallStep) return node;
  for (SceneNode* child : node->children)
    if (SceneNode* found = findEmitter(child)) return found;
  return nullptr;
}

SceneNode* emitter = nullptr;

// The show's own frame, 16 ms after the last.
void frame() { drawFrame(frameTick + 16); }

// Builds the default scene, switches the emitter to the dense step and runs
// 20 s of frames, past a whole flake lifetime.
bool setUp(benchmark::State& state, int factor) {
  const std::string dir = distFolder();
  if (!haveArchives(dir)) {
    state.SkipWithError(("no archives in " + dir + " (set ORVEL_DIST)").c_str());
    return false;
  }
  glrec::reset();
  glrec::setLogging(false);
  archiveCache.setBasePath(dir.c_str());
  display = new Display;
  display->setProjection(1024, 768);
  settings = new Settings;
  frameTick = 1;
  srand(1);
  buildScene();
  flakeFactor = factor;
  emitter = findEmitter(sceneRoot);
  emitter->animator.tracks[0].callback = denseSnowfallStep;
  for (int i = 0; i < 20000 / 16; ++i) frame();
  return true;
}

void tearDown() {
  shutDownShow();
  glrec::setLogging(true);
}

void report(benchmark::State& state, double flakes) {
  state.counters["flakes"] = flakes;
  // Seconds (printed with SI prefixes: u, n) of wall time per frame and per
  // flake and frame.
  state.counters["per_frame"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  if (flakes > 0)
    state.counters["per_flake"] = benchmark::Counter(static_cast<double>(state.iterations()) * flakes,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The whole frame: fog, procedural textures, both roots, the deferred pass.
void BM_ShowFrame(benchmark::State& state) {
  if (!setUp(state, static_cast<int>(state.range(0)))) return;
  double flakes = 0;
  for (auto _ : state) {
    frame();
    flakes += static_cast<double>(emitter->children.size());
  }
  report(state, flakes / static_cast<double>(state.iterations()));
  tearDown();
}
BENCHMARK(BM_ShowFrame)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMicrosecond);

// The frame without snow: what the flakes add is the difference.
void BM_SceneFrameNoSnow(benchmark::State& state) {
  if (!setUp(state, 1)) return;
  for (SceneNode* f : emitter->children) deleteSceneTree(f);
  emitter->children.clear();
  emitter->animator.tracks.clear();
  for (auto _ : state) frame();
  report(state, 0);
  tearDown();
}
BENCHMARK(BM_SceneFrameNoSnow)->Unit(benchmark::kMicrosecond);

// Ten seconds of the show's loop with the pacer on the real clock, at the
// default cap (state.range(0) = 60) or uncapped (0). The CPU column is the
// CPU time the whole run used; counters: frames a second, CPU share, CPU
// time per frame.
void BM_PacedShow(benchmark::State& state) {
  if (!setUp(state, 1)) return;
  SDL_Init(0);  // starts the millisecond clock
  FramePacer pacer(SDL_GetTicks, SDL_Delay);
  double frames = 0, cpuSeconds = 0, seconds = 0;
  for (auto _ : state) {
    const std::clock_t cpu0 = std::clock();
    const uint32_t start = SDL_GetTicks();
    // Animation time goes on from the warm-up's last frame.
    const uint32_t base = frameTick - start;
    pacer.setRate(static_cast<int>(state.range(0)));
    uint32_t now = start;
    for (; now - start < 10000; now = SDL_GetTicks()) {
      drawFrame(base + now);
      ++frames;
      pacer.waitForNextFrame();
    }
    seconds += (now - start) / 1000.0;
    cpuSeconds += static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
  }
  SDL_Quit();
  state.counters["fps"] = frames / seconds;
  state.counters["cpu_pct"] = 100 * cpuSeconds / seconds;
  state.counters["cpu_per_frame"] = cpuSeconds / frames;  // seconds, printed with SI prefixes
  tearDown();
}
BENCHMARK(BM_PacedShow)->Arg(FramePacer::defaultRate)->Arg(0)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
