// Time of one plasma and one fire step per texture size, and of a whole
// texture update (generator plus upload) against the null GL driver.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "dyntex/dynamic_texture_manager.h"
#include "dyntex/fire_generator.h"
#include "dyntex/fire_state.h"
#include "dyntex/plasma_generator.h"
#include "support/gl_recorder.h"

static void BM_PlasmaGenerator(benchmark::State& state) {
  const int32_t size = static_cast<int32_t>(state.range(0));
  std::vector<uint8_t> pixels(static_cast<size_t>(size) * size * 4);
  uint8_t colour[3] = {40, 90, 160};
  int32_t tick = 0;
  for (auto _ : state) {
    plasmaGenerator(tick, size, size, pixels.data(), colour);
    benchmark::DoNotOptimize(pixels.data());
    tick += 16;
  }
  state.SetItemsProcessed(state.iterations() * size * size);
}
BENCHMARK(BM_PlasmaGenerator)->Arg(64)->Arg(256)->Unit(benchmark::kMicrosecond);

static void BM_FireGenerator(benchmark::State& state) {
  const int32_t size = static_cast<int32_t>(state.range(0));
  std::vector<uint8_t> pixels(static_cast<size_t>(size) * size * 4);
  FireState fire(size, size);
  srand(1);
  // Let the fire burn in first, so the timed steps see a working field.
  for (int i = 0; i < 200; ++i) fireGenerator(0, size, size, pixels.data(), &fire);
  for (auto _ : state) {
    fireGenerator(0, size, size, pixels.data(), &fire);
    benchmark::DoNotOptimize(pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * size * size);
}
BENCHMARK(BM_FireGenerator)->Arg(64)->Arg(256)->Unit(benchmark::kMicrosecond);

static void BM_UpdateAll(benchmark::State& state) {
  glrec::setLogging(false);
  DynamicTextureManager manager;
  manager.acquire("_#Fire64x64");
  manager.acquire("_#Plasma128x128,40,90,160");
  for (auto _ : state) manager.updateAll();
  manager.release("_#Fire64x64");
  manager.release("_#Plasma128x128,40,90,160");
}
BENCHMARK(BM_UpdateAll)->Unit(benchmark::kMicrosecond);
