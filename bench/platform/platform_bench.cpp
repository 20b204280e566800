// How long one play-screen-like frame takes to compose, and how long a game
// picture takes to decode. A frame has 10 ms at 100 frames a second.
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <vector>

#include "platform/headless_backend.h"
#include "platform/platform.h"

namespace {

std::vector<std::uint8_t> PictureJpeg(int width, int height) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>((i * 7) ^ (i >> 9));
  tjhandle encoder = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  tjCompress2(encoder, rgb.data(), width, width * 3, height, TJPF_RGB, &jpeg, &size, TJSAMP_420, 85, 0);
  std::vector<std::uint8_t> out(jpeg, jpeg + size);
  tjFree(jpeg);
  tjDestroy(encoder);
  return out;
}

struct PlayScene {
  explicit PlayScene(int depth) {
    game.backend = &backend;
    platform::StartDisplay(game, platform::kScreenWidth, platform::kScreenHeight, depth);
    const auto picture = PictureJpeg(488, 430);
    const auto background = PictureJpeg(1024, 768);
    game.images[25].surface = platform::DecodeJpeg(game, 1024, 768, background.data(), background.size());
    game.images[1].surface = platform::DecodeJpeg(game, 490, 430, picture.data(), picture.size());
    game.images[2].surface = platform::DecodeJpeg(game, 490, 430, picture.data(), picture.size());
    for (int slot = 10; slot <= 85; ++slot) {
      game.images[slot].surface = platform::CreateImageSurface(game, 40, 45);
      SDL_Rect inner{5, 5, 30, 35};
      SDL_FillRect(game.images[slot].surface.get(), &inner, 0xFFFFFF);
      platform::SetBlackTransparent(game.images[slot].surface.get(), 0, 0);
    }
  }
  void Compose() {
    platform::ClearBackBuffer(game, 1024, 768);
    platform::DrawSlot(game, platform::Rect{0, 0, 1024, 768}, 25);
    platform::DrawSlot(game, platform::Rect{15, 200, 505, 630}, 1);
    platform::DrawSlot(game, platform::Rect{519, 200, 1009, 630}, 2);
    platform::DrawText(game, "Finde die Unterschiede", 100, 50, 25, 25);
    platform::DrawSixDigits(game, 700, 20, 40, 45, 123456);
    platform::DrawNumber(game, 42, 2, 500, 20, 40, 45);
    for (int marker = 0; marker < 10; ++marker) {
      platform::DrawSlotKeyed(game, platform::Rect{50 * marker, 700, 50 * marker + 28, 735}, 20);
    }
  }
  platform::HeadlessBackend backend;
  platform::Platform game;
};

void BM_ComposePlayFrame(benchmark::State& state) {
  PlayScene scene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    scene.Compose();
    benchmark::DoNotOptimize(scene.game.backBuffer->pixels);
  }
}
BENCHMARK(BM_ComposePlayFrame)->Arg(32)->Arg(16)->Unit(benchmark::kMicrosecond);

void BM_DecodeGamePicture(benchmark::State& state) {
  PlayScene scene(32);
  const auto jpeg = PictureJpeg(488, 430);
  for (auto _ : state) {
    platform::SurfacePtr surface = platform::DecodeJpeg(scene.game, 490, 430, jpeg.data(), jpeg.size());
    benchmark::DoNotOptimize(surface.get());
  }
}
BENCHMARK(BM_DecodeGamePicture)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
