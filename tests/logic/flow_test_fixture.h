#pragma once
// A whole headless game for the screen-flow tests: the real platform layer
// over the headless backend, every image slot filled with a flat colour of
// its catalogue size, every sound and music track loaded (short silent
// sounds, tiny Ogg Vorbis tracks), and a built-in picture-pair file in a
// scratch start directory. Frames run as the main loop runs them: pending
// events first (keys to the keyboard handling), then one screen.
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "level_test_support.h"
#include "logic/game_state.h"
#include "logic/high_scores.h"
#include "logic/level_setup.h"
#include "logic/screen_flow.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "test_support/jpeg.h"
#include "test_support/ogg.h"

namespace flowtest {

struct Rgb {
  std::uint8_t r, g, b;
};

// Never black, so keyed draws show every slot.
inline Rgb SlotColour(int slot) {
  return Rgb{static_cast<std::uint8_t>(40 + (slot * 53) % 200), static_cast<std::uint8_t>(40 + (slot * 97) % 200),
             static_cast<std::uint8_t>(40 + (slot * 31) % 200)};
}

inline gamefile::Bytes FlatJpeg(int width, int height, Rgb colour) {
  return testsupport::EncodeJpeg(testsupport::FlatRgb(width, height, {colour.r, colour.g, colour.b}), width, height, 90,
                                 TJSAMP_444);
}

inline void WriteFlatBitmap(const std::string& path, int width, int height, Rgb colour) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
  SDL_SaveBMP(surface, path.c_str());
  SDL_FreeSurface(surface);
}

// A short silent mono Ogg Vorbis file, enough for a music track to open.
inline bool WriteSilentOgg(const std::string& path) {
  testsupport::OggTone silence;
  silence.channels = 1;
  silence.rate = 22050;
  silence.amplitude = 0.0f;
  return testsupport::WriteOgg(path, silence);
}

class FlowGame {
 public:
  FlowGame() {
    backend.clock = 5'000'000;
    platform.backend = &backend;
    platform.startDirectory = dir.path().string();
    backend.CreateGameWindow();
    EXPECT_TRUE(platform::StartDisplay(platform, 1024, 768, 32));
    std::filesystem::create_directory("data");
    WriteFlatBitmap("data/data002.dat", 934, 12, SlotColour(3));
    FillArtwork();
    LoadSounds();
    OpenMusic();
    std::vector<gamefile::PictureRecord> records;
    for (int i = 0; i < 6; ++i) {
      gamefile::PictureRecord record;
      record.jpeg = FlatJpeg(488, 430, Rgb{static_cast<std::uint8_t>(60 + 30 * i), 120, 160});
      record.rects = leveltest::SampleRects();
      records.push_back(record);
    }
    EXPECT_TRUE(gamefile::WritePicturePairFile("data//dataset.qxs", records).ok());
    state = std::make_unique<logic::GameState>();
    EXPECT_TRUE(logic::ChooseGameFile(*state, platform));
    logic::SeedRandom(state->random, 7);
  }

  // Starts a test in the menu, the intro already over.
  void SkipToMenu() { state->flow.intro = false; }

  // The high-score screen as the end of a game opens it, `points` to rank.
  void OpenHighScores(int points) {
    state->level.points = points;
    logic::PrepareHighScores(*state);
    state->flow.gameState = logic::kStateHighScore;
  }

  // One main-loop frame 10 ms after the previous one.
  void Frame() {
    backend.AdvanceClock(10'000);
    platform::PumpedEvent event;
    while (platform::PumpEvent(platform, event)) {
      if (event.quit) state->flow.running = false;
      if (event.virtualKey != 0) logic::HandleKeyDown(*state, platform, event.virtualKey);
    }
    logic::RunFrame(*state, platform, backend.Milliseconds());
  }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) Frame();
  }

  void Key(int virtualKey) {
    backend.ScriptKey(virtualKey);
    Frame();
  }

  // Moves the menu cursor to (x, y) during the next frame.
  void MoveMenuCursorTo(int x, int y) {
    backend.ScriptMotion(x - state->menu.cursorX, y - state->menu.cursorY);
    Frame();
  }

  // A press and release between two frames, seen as a press in the next one.
  void Click() {
    backend.ScriptClick(0);
    Frame();
  }
  void ClickMenuAt(int x, int y) {
    MoveMenuCursorTo(x, y);
    Click();
  }

  bool MusicRunning(int track) const { return platform.music[track].state() == platform::MusicTrack::kRunning; }

  int Calls(const std::string& prefix) const {
    return static_cast<int>(std::count_if(backend.audioCalls.begin(), backend.audioCalls.end(),
                                          [&](const std::string& call) { return call.rfind(prefix, 0) == 0; }));
  }
  int EffectsPlayed(int buffer) const { return Calls("sound-play " + std::to_string(buffer) + " "); }

  std::uint32_t ScreenPixel(int x, int y) const { return backend.LastFrame()->Pixel(x, y); }
  static std::uint32_t Xrgb(Rgb c) { return (c.r << 16) | (c.g << 8) | c.b; }

  leveltest::ScratchDirectory dir;
  platform::HeadlessBackend backend;
  platform::Platform platform;
  std::unique_ptr<logic::GameState> state;

 private:
  void Fill(int slot, int width, int height, bool keyed) {
    platform::ImageSlot& image = platform.images[slot];
    image.surface = platform::CreateImageSurface(platform, width, height);
    const Rgb colour = SlotColour(slot);
    SDL_FillRect(image.surface.get(), nullptr, SDL_MapRGB(image.surface->format, colour.r, colour.g, colour.b));
    if (keyed) platform::SetBlackTransparent(image.surface.get(), 0, 0);
    image.width = width;
    image.height = height;
  }

  void FillArtwork() {
    for (const platform::BitmapEntry& entry : platform::BitmapCatalogue()) {
      Fill(entry.slot, entry.width, entry.height, entry.blackTransparent);
    }
    for (int slot : {25, 26, 27, 28}) Fill(slot, 1024, 768, false);
    for (int slot : {108, 109, 110}) Fill(slot, 300, 220, false);
    Fill(111, 490, 430, false);
    Fill(1, 490, 430, false);
    Fill(2, 490, 430, false);
  }

  // Half a second each, so "is it playing" turns false again as the clock runs.
  void LoadSounds() {
    platform::WaveData wave;
    wave.format = {1, 1, 22050, 44100, 2, 16, 0};
    wave.samples.assign(22050, 0);
    for (int buffer = 0; buffer < platform::kSoundBufferCount; ++buffer) {
      if (buffer == 26) continue;
      platform.soundLoaded[buffer] = backend.CreateSoundBuffer(buffer, wave);
    }
  }

  void OpenMusic() {
    const std::string path = "data/silence.ogg";
    EXPECT_TRUE(WriteSilentOgg(path));
    for (int track = 0; track < platform::kMusicTrackCount; ++track) {
      platform.music[track].Attach(&backend, track);
      EXPECT_EQ(platform.music[track].Open(path), platform::MusicTrack::kSucceeded);
    }
  }
};

}  // namespace flowtest
