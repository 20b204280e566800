// How fast picture sets are made on one core: a player waits for "neu
// erzeugen" and the build waits for the built-in set.
#include <benchmark/benchmark.h>

#include "generate.h"
#include "picture_set.h"
#include "scene.h"
#include "scenes.h"

namespace {

// A set of ten pairs, every kind in turn; reports pairs per second of CPU
// time, which on a shared machine says more than the clock on the wall.
void BM_GenerateTenPairs(benchmark::State& state) {
  const auto difficulty = static_cast<scenegen::Difficulty>(state.range(0));
  std::uint64_t seed = 1;
  for (auto _ : state) {
    auto set = scenegen::GenerateSet({seed++, 10, difficulty});
    if (!set) state.SkipWithError("no set");
    benchmark::DoNotOptimize(set);
  }
  state.counters["pairs_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 10, benchmark::Counter::kIsRate);
  state.SetLabel(scenegen::DifficultyName(difficulty));
}
BENCHMARK(BM_GenerateTenPairs)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The parts of one pair: composing and painting a scene, then finishing it.
void BM_BuildAndRenderScene(benchmark::State& state) {
  std::uint32_t seed = 1;
  for (auto _ : state) {
    const auto kind = static_cast<scenegen::SceneKind>(seed % scenegen::kSceneKindCount);
    const scenegen::Scene scene = scenegen::BuildScene(kind, seed++);
    benchmark::DoNotOptimize(scenegen::Finish(scene, scenegen::RenderScene(scene)));
  }
}
BENCHMARK(BM_BuildAndRenderScene)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
