// The SDL backend end to end on SDL's dummy video and audio drivers: the
// same start-up, asset loading, sounds through SDL_mixer and music through
// the mixer hook as in play.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fixtures.h"
#include "platform/sdl_backend.h"

namespace {

class SdlGame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
  }
  void SetUp() override { fixtures::WriteDataFolder(dir.path()); }
  fixtures::ScopedWorkDir dir;
};

TEST_F(SdlGame, StartsPlaysAndShutsDown) {
  platform::SdlBackend backend;
  platform::Platform game;
  ASSERT_TRUE(platform::StartUp(game, backend));
  ASSERT_TRUE(platform::LoadAssets(game));
  EXPECT_FALSE(game.endRequested);
  EXPECT_EQ(game.colourDepth, 32);
  EXPECT_EQ(game.backBuffer->w, platform::kScreenWidth);

  // Every sound was converted by SDL_mixer and plays on its own channel.
  game.sound.effectsVolume = 100;
  platform::PlayEffect(game, 4);
  EXPECT_TRUE(platform::IsSoundPlaying(game, 4));
  EXPECT_FALSE(platform::IsSoundPlaying(game, 5));
  platform::StopSound(game, 4);
  EXPECT_FALSE(platform::IsSoundPlaying(game, 4));

  platform::PlayMusic(game, 2);
  EXPECT_EQ(game.music[2].state(), platform::MusicTrack::kRunning);
  platform::RewindMusic(game, 2);
  EXPECT_EQ(game.music[2].state(), platform::MusicTrack::kStopped);

  platform::ClearBackBuffer(game, 1024, 768);
  platform::DrawSlot(game, platform::Rect{0, 0, 1024, 768}, 25);
  platform::present(game);
  platform::MouseReading reading = platform::ReadMouse(game);
  EXPECT_EQ(reading.buttons[0], 0);

  platform::ShutDown(game);
  EXPECT_FALSE(game.backBuffer);
  EXPECT_TRUE(fixtures::ReadWholeFileForTest("vol.qxf").size() == 6);
}

TEST_F(SdlGame, MainLoopEndsOnAQuitEvent) {
  platform::SdlBackend backend;
  platform::Platform game;
  ASSERT_TRUE(platform::StartUp(game, backend));
  int frames = 0;
  platform::LoopHooks hooks;
  hooks.frame = [&](std::uint32_t) {
    if (++frames == 3) {
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
    }
  };
  hooks.running = [&] { return frames < 1000; };
  EXPECT_EQ(platform::RunMainLoop(game, hooks), 0);
  EXPECT_EQ(frames, 3);
  EXPECT_TRUE(game.pacing.highResolution);
  platform::ShutDown(game);
}

TEST_F(SdlGame, WithoutASoundDeviceEverySoundStillLoads) {
  // A driver that cannot open: the backend falls back to the silent one.
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  platform::SdlBackend backend;
  platform::Platform game;
  const bool started = platform::StartUp(game, backend);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_TRUE(started);
  EXPECT_FALSE(game.soundStarted);
  for (int buffer = 0; buffer < platform::kSoundBufferCount; ++buffer) {
    EXPECT_EQ(game.soundLoaded[buffer], buffer != 26) << buffer;
  }
  platform::PlayEffect(game, 0);
  platform::PlayMusic(game, 0);
  EXPECT_EQ(game.music[0].state(), platform::MusicTrack::kRunning);
  platform::ShutDown(game);
}

}  // namespace
