#pragma once
// A headless game for the play tests: the real platform layer over the
// headless backend, a scratch start directory with a picture-pair file of
// real JPEGs and a time-bar bitmap, and solid-colour artwork in the image
// slots the play screen draws, so frames can be checked pixel by pixel.
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "level_test_support.h"
#include "logic/game_state.h"
#include "logic/level_setup.h"
#include "logic/play.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "test_support/jpeg.h"

namespace playtest {

struct Colour {
  std::uint8_t r, g, b;
};

// A baseline JFIF JPEG of one flat colour; flat colours survive compression
// closely enough to tell pictures apart.
inline gamefile::Bytes SolidJpeg(int width, int height, Colour colour) {
  return testsupport::EncodeJpeg(testsupport::FlatRgb(width, height, {colour.r, colour.g, colour.b}), width, height, 95,
                                 TJSAMP_444);
}

inline std::uint32_t Xrgb(Colour c) { return (c.r << 16) | (c.g << 8) | c.b; }

// Picture i of a test file is drawn in this colour.
inline Colour PictureColour(int record) {
  return Colour{static_cast<std::uint8_t>(40 + 20 * (record % 8)), static_cast<std::uint8_t>(100 + 10 * (record / 8)),
                150};
}

// Rectangles of every test picture: five separate ones, away from the edges.
inline gamefile::RectSet PlayRects() {
  gamefile::RectSet rects;
  for (int j = 0; j < 5; ++j) {
    const auto x = static_cast<std::uint16_t>(20 + 90 * j);
    const auto y = static_cast<std::uint16_t>(40 + 60 * j);
    rects[j] = {x, static_cast<std::uint16_t>(x + 40), y, static_cast<std::uint16_t>(y + 30)};
  }
  return rects;
}

inline std::vector<gamefile::PictureRecord> PlayRecords(int pairs) {
  std::vector<gamefile::PictureRecord> records;
  for (int i = 0; i < 2 * pairs; ++i) {
    gamefile::PictureRecord record;
    record.jpeg = SolidJpeg(488, 430, PictureColour(i));
    record.rects = PlayRects();
    records.push_back(record);
  }
  return records;
}

// Every glyph slot has a colour of its own, so a frame shows which digit or
// letter landed where.
inline Colour DigitColour(int digit) { return Colour{255, 255, static_cast<std::uint8_t>(20 * digit + 10)}; }
inline Colour GlyphColour(int slot) { return Colour{static_cast<std::uint8_t>(120 + slot), 220, 220}; }

inline const Colour kBackground{0, 0, 160};
inline const Colour kCover{90, 90, 90};
inline const Colour kTimeBar{0, 200, 0};
inline const Colour kCursor{255, 255, 0};

class PlayGame {
 public:
  explicit PlayGame(int pairs = 3) : PlayGame(PlayRecords(pairs)) {}

  explicit PlayGame(const std::vector<gamefile::PictureRecord>& records) {
    backend.keepAllFrames = false;
    backend.clock = 5'000'000;  // a tick counter of 0 would read as "not started"
    platform.backend = &backend;
    platform.startDirectory = dir.path().string();
    backend.CreateGameWindow();
    EXPECT_TRUE(platform::StartDisplay(platform, 1024, 768, 32));
    std::filesystem::create_directory("data");
    WriteBitmap("data/data002.dat", 934, 12, kTimeBar);
    FillArtwork();
    platform.soundLoaded.fill(true);
    EXPECT_TRUE(gamefile::WritePicturePairFile("data//dataset.qxs", records).ok());
    EXPECT_TRUE(logic::ChooseGameFile(state, platform));
    logic::SeedRandom(state.random, 1);
    state.flow.gameState = logic::kStatePlay;
  }

  void FillSlot(int slot, int width, int height, Colour colour) {
    platform::ImageSlot& image = platform.images[slot];
    image.surface = platform::CreateImageSurface(platform, width, height);
    SDL_FillRect(image.surface.get(), nullptr, SDL_MapRGB(image.surface->format, colour.r, colour.g, colour.b));
    platform::SetBlackTransparent(image.surface.get(), 0, 0);
    image.width = width;
    image.height = height;
  }

  // Runs one frame 10 ms after the previous one, with the scripted input.
  void Frame(std::uint32_t ms = 10) {
    backend.AdvanceClock(ms * 1000ull);
    platform::PumpedEvent event;
    while (platform::PumpEvent(platform, event)) {
    }
    logic::PlayFrame(state, platform, backend.Milliseconds());
  }

  void SetUp() { logic::SetUpLevel(state, platform); }

  void RunUntilSearching() {
    for (int i = 0; i < 400 && state.level.phase != logic::kPhaseSearching; ++i) Frame();
    ASSERT_EQ(state.level.phase, logic::kPhaseSearching);
  }

  // Straight to the start of the search, for tests about the search itself
  // (the intro has tests of its own).
  void SkipIntro() {
    state.level.phase = logic::kPhaseSearchStart;
    state.play.coverOffset = 430;
    Frame();
    ASSERT_EQ(state.level.phase, logic::kPhaseSearching);
  }

  // A level set up and straight into its search.
  void StartSearching() {
    SetUp();
    SkipIntro();
  }
  void StartSearching(int secondsLeft) {
    StartSearching();
    state.level.secondsLeft = secondsLeft;
  }

  // Clicks the centre of every difference of the first pair in turn.
  void FindAll() {
    for (int j = 0; j < logic::kDifferences; ++j) ClickAt(CentreCursorX(j), CentreCursorY(j));
  }

  // The clock's last second runs out in one long frame.
  void RunOutOfTime() {
    state.level.secondsLeft = 1;
    Frame(1000);
  }

  void PlaceCursor(int x, int y) {
    state.play.cursorX = x;
    state.play.cursorY = y;
  }

  // Press in one frame, release in the next.
  void ClickAt(int x, int y) {
    PlaceCursor(x, y);
    backend.ScriptButton(0, true);
    Frame();
    backend.ScriptButton(0, false);
    Frame();
  }

  // Screen cursor position of difference j's centre in the left picture
  // (picture x = cursor x + 10, picture y = cursor y - 73).
  int CentreCursorX(int j) const {
    const auto& set = state.play.rects[0];
    return (set.left[j] + set.right[j]) / 2 - 10;
  }
  int CentreCursorY(int j) const {
    const auto& set = state.play.rects[0];
    return (set.top[j] + set.bottom[j]) / 2 + 73;
  }

  int SoundsPlayed(int buffer) const {
    const std::string prefix = "sound-play " + std::to_string(buffer) + " ";
    return static_cast<int>(std::count_if(backend.audioCalls.begin(), backend.audioCalls.end(),
                                          [&](const std::string& call) { return call.rfind(prefix, 0) == 0; }));
  }

  std::uint32_t SlotPixel(int slot, int x, int y) const {
    SDL_Surface* surface = platform.images[slot].surface.get();
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
  }

  std::uint32_t ScreenPixel(int x, int y) const { return backend.LastFrame()->Pixel(x, y); }

  leveltest::ScratchDirectory dir;
  platform::HeadlessBackend backend;
  platform::Platform platform;
  logic::GameState state;

 private:
  static void WriteBitmap(const std::string& path, int width, int height, Colour colour) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
    SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
  }

  void FillArtwork() {
    FillSlot(25, 1024, 768, kBackground);
    FillSlot(22, 490, 430, kCover);
    FillSlot(4, 583, 114, {200, 100, 0});
    FillSlot(5, 577, 219, {200, 0, 100});
    FillSlot(6, 81, 40, {0, 255, 0});
    FillSlot(7, 81, 40, {255, 0, 0});
    FillSlot(8, 28, 35, kCursor);
    for (int digit = 0; digit <= 9; ++digit) FillSlot(10 + digit, 40, 45, DigitColour(digit));
    FillSlot(20, 40, 45, {255, 255, 255});  // the colon
    for (int slot = 30; slot <= 56; ++slot) FillSlot(slot, 25, 25, GlyphColour(slot));
    for (int slot = 60; slot <= 85; ++slot) FillSlot(slot, 25, 25, GlyphColour(slot));
    for (int slot = 94; slot <= 99; ++slot) FillSlot(slot, 74, 71, {255, 0, static_cast<std::uint8_t>(slot)});
  }
};

}  // namespace playtest
