// The two operations that scale with the table: the refresh after every
// change and building a game file, both with all 512 pairs filled.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>
#include <thread>

#include "editor/game_file_builder.h"
#include "editor/picture_check.h"
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
    // Pictures a user collects were written long before the build; the
    // editor trusts a check only for files that have settled (two seconds).
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    for (const auto& slot : core.table()) editor::CheckPictureFile(slot.path);
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

// The check every build starts with: all 1024 pictures, unchanged since
// they were loaded.
void BM_Recheck512Pairs(benchmark::State& state) {
  FullTable table;
  for (auto _ : state) {
    if (editor::RecheckPictures(table.core.table())) state.SkipWithError("recheck failed");
  }
}
BENCHMARK(BM_Recheck512Pairs)->Unit(benchmark::kMillisecond);

// A whole build as "Spieldatei erstellen" runs it after its questions: the
// check of every picture, then both files staged (the JPEG bytes copied in
// blocks), flushed to disk and moved into place.
void BM_Build512Pairs(benchmark::State& state) {
  FullTable table;
  const std::string target = table.dir.file("voll.vst");
  for (auto _ : state) {
    if (editor::RecheckPictures(table.core.table()) ||
        editor::WriteGameFile(table.core.table(), 512, target, {"Voll", ""}))
      state.SkipWithError("build failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(target + ".qxs")));
}
BENCHMARK(BM_Build512Pairs)->Unit(benchmark::kMillisecond)->UseRealTime();

// The disk alone: the same number of bytes written to one file and flushed,
// the most a build could reach on this machine.
void BM_DiskWriteAndFlush(benchmark::State& state) {
  FullTable table;
  const std::int64_t bytes = static_cast<std::int64_t>(1024) * table.core.table()[0].byteCount;
  const std::vector<char> block(1 << 20, 'x');
  const std::string path = table.dir.file("plain.bin");
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    for (std::int64_t left = bytes; left > 0; left -= static_cast<std::int64_t>(block.size()))
      std::fwrite(block.data(), 1, static_cast<std::size_t>(std::min<std::int64_t>(left, block.size())), file);
    std::fflush(file);
    fsync(fileno(file));
    std::fclose(file);
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_DiskWriteAndFlush)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
