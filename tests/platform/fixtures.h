#pragma once
// Tiny data files written by the tests themselves: bitmaps, waves, Ogg
// Vorbis music, JPEGs and a whole data folder, plus golden-image checks.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "test_support/temp_dir.h"

namespace fixtures {

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
};
using PixelFunction = std::function<Rgb(int x, int y)>;

// Bottom-up 24-bit uncompressed Windows bitmap.
std::vector<std::uint8_t> BitmapBytes(int width, int height, const PixelFunction& pixel);
void WriteBitmap(const std::string& path, int width, int height, const PixelFunction& pixel);
void WriteBitmap(const std::string& path, int width, int height, Rgb colour);

// RIFF/WAVE bytes with 16-bit PCM mono (or any format tag), `frames` frames.
std::vector<std::uint8_t> WaveBytes(int frames, int rate = 22050, std::uint16_t formatTag = 1,
                                    bool listChunkFirst = false);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadWholeFileForTest(const std::string& path);

// Ogg Vorbis file holding `seconds` of a constant-level stereo tone.
void WriteOgg(const std::string& path, double seconds, int rate = 44100);

// Baseline JFIF JPEG; greyscale when `grey`.
std::vector<std::uint8_t> JpegBytes(int width, int height, const PixelFunction& pixel,
                                    bool grey = false);

// A complete data folder below `root`: every bitmap of the catalogue (each a
// small bitmap in a colour made from its slot), 8 music tracks, 32 sounds,
// igdata.qxs with 8 pictures.
void WriteDataFolder(const std::filesystem::path& root);

// Creates a temporary directory and makes it current; restores on exit.
using ScopedWorkDir = testsupport::ScopedWorkDir;

// A platform started on the headless backend with only a back buffer and
// an image table (no data files), for compositor and loader tests.
struct BareGame {
  explicit BareGame(int depth = 32);
  platform::HeadlessBackend backend;
  platform::Platform game;
};

// Fills image slot `slot` with a width x height surface painted by `pixel`.
void PaintSlot(platform::Platform& game, int slot, int width, int height,
               const PixelFunction& pixel, bool keyed);

// Compares a region of the last presented frame with tests/platform/golden/<name>.png.
// With VISTREL_UPDATE_GOLDEN=1 in the environment the golden file is written
// instead (and the check fails, so an update is never silent).
::testing::AssertionResult MatchesGolden(const platform::CapturedFrame& frame, int x, int y,
                                         int width, int height, const std::string& name);

}  // namespace fixtures
