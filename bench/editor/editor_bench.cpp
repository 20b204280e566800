// The two operations that scale with the table: the refresh after every
// change and building a game file, both with all 512 pairs filled.
#include <benchmark/benchmark.h>

#include "editor/game_file_builder.h"
#include "editor_test_support.h"

namespace {

// 512 complete pairs; the files are shared so setting up stays quick, the
// table still names 1024 separate paths.
struct FullTable {
  editortest::TempDir dir;
  editortest::ScriptedUi ui;
  editortest::FakeHandOff handOff;
  editor::EditorCore core{ui, handOff, dir.path()};

  FullTable() {
    core.Start();
    const auto jpeg = editortest::MakeJpeg(488, 430);
    for (int slot = 0; slot < editor::kSlotCount; ++slot) {
      const std::string name = "bild" + std::to_string(slot) + ".jpg";
      editortest::WriteBytes(dir.file(name), jpeg);
      auto& entry = core.table()[slot];
      entry.path = dir.file(name);
      entry.fileName = name;
      entry.byteCount = static_cast<std::uint32_t>(jpeg.size());
    }
    core.Select(511);
    core.Refresh();
  }
};

void BM_RefreshWith512Pairs(benchmark::State& state) {
  FullTable table;
  for (auto _ : state) {
    table.core.Refresh();
    benchmark::DoNotOptimize(table.core.pairCount());
  }
  if (table.core.pairCount() != 512) state.SkipWithError("not 512 pairs");
}
BENCHMARK(BM_RefreshWith512Pairs)->Unit(benchmark::kMillisecond);

// Reads and decodes all 1024 pictures again, as every build starts with.
void BM_Recheck512Pairs(benchmark::State& state) {
  FullTable table;
  for (auto _ : state) {
    if (editor::RecheckPictures(table.core.table())) state.SkipWithError("recheck failed");
  }
}
BENCHMARK(BM_Recheck512Pairs)->Unit(benchmark::kMillisecond);

// Copies the JPEG bytes in blocks into the staged files and moves them into
// place (including the flush to disk).
void BM_Write512Pairs(benchmark::State& state) {
  FullTable table;
  const std::string target = table.dir.file("voll.vst");
  for (auto _ : state) {
    if (editor::WriteGameFile(table.core.table(), 512, target, {"Voll", ""})) state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(1024 * table.core.table()[0].byteCount));
}
BENCHMARK(BM_Write512Pairs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
