// The SDL backend end to end on SDL's dummy video and audio drivers: the
// same start-up, asset loading, sounds through SDL_mixer and music through
// the mixer hook as in play.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fixtures.h"
#include "platform/sdl_backend.h"

#include <SDL_mixer.h>

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

void PushKey(SDL_Keycode key, Uint16 modifiers, bool repeat = false) {
  SDL_Event sdl{};
  sdl.type = SDL_KEYDOWN;
  sdl.key.keysym.sym = key;
  sdl.key.keysym.mod = modifiers;
  sdl.key.repeat = repeat ? 1 : 0;
  SDL_PushEvent(&sdl);
}

// Takes events until one reaches the game; false when none does.
bool NextGameEvent(platform::SdlBackend& backend, platform::InputEvent& event) {
  for (int i = 0; i < 100; ++i) {
    if (backend.PollEvent(event)) return true;
  }
  return false;
}

// F11 and Alt+Enter switch between the full screen and a window; neither
// arrives as a key, a held key switches once, and a plain Enter is still a key.
TEST_F(SdlGame, SwitchingKeysChangeTheModeAndNeverReachTheGame) {
  platform::SdlBackend backend;
  platform::Platform game;
  ASSERT_TRUE(platform::StartUp(game, backend));
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  EXPECT_FALSE(backend.IsWindowed());
  EXPECT_NE(SDL_GetWindowFlags(backend.Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);

  PushKey(SDLK_F11, KMOD_NONE);
  platform::InputEvent event;
  ASSERT_TRUE(NextGameEvent(backend, event));
  EXPECT_EQ(event.kind, platform::InputEvent::Kind::WindowModeChanged);
  EXPECT_TRUE(event.windowed);
  EXPECT_TRUE(backend.IsWindowed());
  EXPECT_EQ(SDL_GetWindowFlags(backend.Window()) & SDL_WINDOW_FULLSCREEN, 0u);
  int width = 0, height = 0;
  SDL_GetWindowSize(backend.Window(), &width, &height);
  EXPECT_EQ(width, platform::kScreenWidth);
  EXPECT_EQ(height, platform::kScreenHeight);

  PushKey(SDLK_F11, KMOD_NONE, /*repeat=*/true);
  PushKey(SDLK_RETURN, KMOD_LALT);
  ASSERT_TRUE(NextGameEvent(backend, event));
  EXPECT_EQ(event.kind, platform::InputEvent::Kind::WindowModeChanged);
  EXPECT_FALSE(event.windowed);
  EXPECT_NE(SDL_GetWindowFlags(backend.Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP, 0u);

  PushKey(SDLK_RETURN, KMOD_NONE);
  ASSERT_TRUE(NextGameEvent(backend, event));
  EXPECT_EQ(event.kind, platform::InputEvent::Kind::KeyDown);
  EXPECT_EQ(event.virtualKey, 13);
  platform::ShutDown(game);
}

void PushAudioDeviceEvent(Uint32 type, Uint32 which) {
  SDL_Event sdl{};
  sdl.type = type;
  sdl.adevice.which = which;
  sdl.adevice.iscapture = 0;
  SDL_PushEvent(&sdl);
}

// A headset unplugged or plugged in: the mixer opens again on the default
// device, the running track goes on in the same music mixer (its position
// kept), the sounds load again; devices SDL lists at start are no change.
TEST_F(SdlGame, SoundFollowsDevicesThatComeAndGo) {
  platform::SdlBackend backend;
  platform::Platform game;
  ASSERT_TRUE(platform::StartUp(game, backend));
  game.sound.effectsVolume = 100;
  const platform::MusicMixer* mixer = &backend.Music();
  platform::PlayMusic(game, 2);

  PushAudioDeviceEvent(SDL_AUDIODEVICEADDED, 0);  // the device already known
  platform::InputEvent event;
  while (backend.PollEvent(event)) {
  }
  EXPECT_EQ(backend.AudioReopenCount(), 0);

  PushAudioDeviceEvent(SDL_AUDIODEVICEREMOVED, 2);
  while (backend.PollEvent(event)) {
  }
  EXPECT_EQ(backend.AudioReopenCount(), 1);
  EXPECT_EQ(&backend.Music(), mixer);
  EXPECT_TRUE(backend.Music().IsStarted(2));
  EXPECT_FALSE(backend.Music().IsFinished(2));
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  ASSERT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);  // open again
  platform::PlayEffect(game, 4);
  EXPECT_TRUE(platform::IsSoundPlaying(game, 4));
  EXPECT_EQ(game.sound.effectsVolume, 100);
  platform::ShutDown(game);
}

}  // namespace

