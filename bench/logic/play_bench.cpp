// The play screen must fit a 10 ms frame (100 frames a second) and a level
// set-up (record, two JPEG decodes) must not stall the step into a level.
#include <benchmark/benchmark.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "gamefile/game_file.h"
#include "logic/game_state.h"
#include "logic/level_setup.h"
#include "logic/play.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"

namespace {

gamefile::Bytes NoiseJpeg(unsigned seed) {
  std::vector<unsigned char> rgb(488 * 430 * 3);
  for (auto& byte : rgb) byte = static_cast<unsigned char>((seed = seed * 1103515245u + 12345u) >> 24);
  tjhandle handle = tjInitCompress();
  unsigned char* out = nullptr;
  unsigned long size = 0;
  tjCompress2(handle, rgb.data(), 488, 0, 430, TJPF_RGB, &out, &size, TJSAMP_420, 85, 0);
  gamefile::Bytes bytes(out, out + size);
  tjFree(out);
  tjDestroy(handle);
  return bytes;
}

// A start directory with a four-pair game file and the time bar, and every
// image slot the play screen draws filled.
struct BenchGame {
  BenchGame() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vistrel-bench-XXXXXX").string();
    dir = mkdtemp(pattern.data());
    std::filesystem::current_path(dir);
    std::filesystem::create_directory("data");
    SDL_Surface* bar = SDL_CreateRGBSurfaceWithFormat(0, 934, 12, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(bar, nullptr, SDL_MapRGB(bar->format, 0, 200, 0));
    SDL_SaveBMP(bar, "data/data002.dat");
    SDL_FreeSurface(bar);
    std::vector<gamefile::PictureRecord> records(8);
    for (unsigned i = 0; i < records.size(); ++i) {
      records[i].jpeg = NoiseJpeg(i + 1);
      for (int j = 0; j < 5; ++j) records[i].rects[j] = {20, 60, static_cast<std::uint16_t>(40 + 70 * j), static_cast<std::uint16_t>(80 + 70 * j)};
    }
    (void)gamefile::WritePicturePairFile("data//dataset.qxs", records);
    backend.clock = 5'000'000;
    platform.backend = &backend;
    platform.startDirectory = dir.string();
    platform::StartDisplay(platform, 1024, 768, 32);
    for (int slot : {4, 5, 6, 7, 8, 22, 25})
      Fill(slot, slot == 25 ? 1024 : 200, slot == 25 ? 768 : 100);
    for (int slot = 10; slot <= 99; ++slot) Fill(slot, 40, 45);
    logic::ChooseGameFile(state, platform);
    logic::SetUpLevel(state, platform);
  }
  ~BenchGame() {
    std::filesystem::current_path("/");
    std::filesystem::remove_all(dir);
  }
  void Fill(int slot, int width, int height) {
    platform.images[slot].surface = platform::CreateImageSurface(platform, width, height);
    SDL_FillRect(platform.images[slot].surface.get(), nullptr, 0x00808080u + static_cast<unsigned>(slot));
    platform::SetBlackTransparent(platform.images[slot].surface.get(), 0, 0);
    platform.images[slot].width = width;
    platform.images[slot].height = height;
  }
  void Frame() {
    backend.AdvanceClock(10'000);
    logic::PlayFrame(state, platform);
  }

  std::filesystem::path dir;
  platform::HeadlessBackend backend;
  platform::Platform platform;
  logic::GameState state;
};

// Searching with ten rising markers and ten particle bursts: the busiest
// frame the search has.
void BM_SearchingFrame(benchmark::State& bench) {
  BenchGame game;
  game.state.level.phase = logic::kPhaseSearchStart;
  game.Frame();
  game.state.level.secondsLeft = 1'000'000;
  for (int i = 0; i < 10; ++i) {
    game.state.play.markers[i] = logic::ClickMarker{100 + 30 * i, 300, 0.0, true, i % 2 == 0, 0};
    game.state.play.bursts[i].active = true;
  }
  for (auto _ : bench) {
    game.Frame();
    for (auto& marker : game.state.play.markers) marker.active = true, marker.rise = 0.0;
    for (auto& burst : game.state.play.bursts) burst.active = true, burst.steps = 0;
  }
}
BENCHMARK(BM_SearchingFrame)->Unit(benchmark::kMicrosecond);

void BM_SetUpLevel(benchmark::State& bench) {
  BenchGame game;
  for (auto _ : bench) logic::SetUpLevel(game.state, game.platform);
}
BENCHMARK(BM_SetUpLevel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
