#include "fixtures.h"

#include <turbojpeg.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "gamefile/game_file.h"
#include "gamefile/little_endian.h"
#include "test_support/golden.h"
#include "test_support/jpeg.h"
#include "test_support/ogg.h"
#include "test_support/wave.h"

namespace fixtures {
namespace {

using gamefile::PutU16;
using gamefile::PutU32;
using gamefile::PutTag;

void CreateParent(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent);
}

Rgb SlotColour(int slot) {
  return Rgb{static_cast<std::uint8_t>(40 + slot), static_cast<std::uint8_t>(200 - slot),
             static_cast<std::uint8_t>(slot * 2)};
}

}  // namespace

std::vector<std::uint8_t> BitmapBytes(int width, int height, const PixelFunction& pixel) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> out;
  PutTag(out, "BM  ");
  out.resize(2);  // the tag helper writes four bytes; the signature is two
  PutU32(out, 54 + rowBytes * height);
  PutU32(out, 0);
  PutU32(out, 54);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, 0);
  PutU32(out, static_cast<std::uint32_t>(rowBytes * height));
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = pixel(x, y);
      out.insert(out.end(), {c.blue, c.green, c.red});
    }
    for (int pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  CreateParent(path);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ReadWholeFileForTest(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBitmap(const std::string& path, int width, int height, const PixelFunction& pixel) {
  WriteFile(path, BitmapBytes(width, height, pixel));
}

void WriteBitmap(const std::string& path, int width, int height, Rgb colour) {
  WriteBitmap(path, width, height, [colour](int, int) { return colour; });
}

std::vector<std::uint8_t> WaveBytes(int frames, int rate, std::uint16_t formatTag,
                                    bool listChunkFirst) {
  testsupport::WaveLayout layout;
  layout.formatTag = formatTag;
  layout.rate = static_cast<std::uint32_t>(rate);
  if (listChunkFirst) layout.chunkBeforeFormat = {'L', 'I', 'S', 'T', 5, 0, 0, 0, 'I', 'N', 'F', 'O', 'x', 0};  // odd size, padded
  std::vector<std::uint8_t> samples;
  for (int i = 0; i < frames; ++i) PutU16(samples, static_cast<std::uint16_t>((i % 50) * 200));
  return testsupport::MakeWave(layout, samples);
}

void WriteOgg(const std::string& path, double seconds, int rate) {
  CreateParent(path);
  testsupport::OggTone tone;
  tone.rate = rate;
  tone.seconds = seconds;
  testsupport::WriteOgg(path, tone);
}

std::vector<std::uint8_t> JpegBytes(int width, int height, const PixelFunction& pixel, bool grey) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = pixel(x, y);
      std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
      p[0] = c.red;
      p[1] = c.green;
      p[2] = c.blue;
    }
  }
  return testsupport::EncodeJpeg(rgb, width, height, 95, grey ? TJSAMP_GRAY : TJSAMP_444);
}

void WriteDataFolder(const std::filesystem::path& root) {
  for (const platform::BitmapEntry& entry : platform::BitmapCatalogue()) {
    WriteBitmap((root / entry.path).string(), 4, 4, SlotColour(entry.slot));
  }
  const std::filesystem::path firstTrack = root / platform::MusicTrackPath(0);
  WriteOgg(firstTrack.string(), 0.2);
  for (int track = 1; track < platform::kMusicTrackCount; ++track) {
    std::filesystem::copy_file(firstTrack, root / platform::MusicTrackPath(track),
                               std::filesystem::copy_options::overwrite_existing);
  }
  const std::vector<std::uint8_t> wave = WaveBytes(2205);
  for (int buffer = 0; buffer < platform::kSoundBufferCount; ++buffer) {
    const std::string path = platform::SoundBufferPath(buffer);
    if (!path.empty()) WriteFile((root / path).string(), wave);
  }
  std::vector<gamefile::PictureRecord> pictures(8);
  for (int i = 0; i < 8; ++i) {
    const auto shade = static_cast<std::uint8_t>(30 * i);
    pictures[i].jpeg = JpegBytes(64, 48, [shade](int, int) { return Rgb{shade, 128, 64}; });
    pictures[i].widthField = 1024;
    pictures[i].heightField = 768;
  }
  WriteFile((root / "data/igdata.qxs").string(), gamefile::EncodePicturePairFile(pictures));
}

BareGame::BareGame(int depth) {
  game.backend = &backend;
  platform::StartDisplay(game, platform::kScreenWidth, platform::kScreenHeight, depth);
}

void PaintSlot(platform::Platform& game, int slot, int width, int height,
               const PixelFunction& pixel, bool keyed) {
  platform::SurfacePtr surface = platform::CreateImageSurface(game, width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = pixel(x, y);
      SDL_Rect dot{x, y, 1, 1};
      SDL_FillRect(surface.get(), &dot, SDL_MapRGB(surface->format, c.red, c.green, c.blue));
    }
  }
  if (keyed) platform::SetBlackTransparent(surface.get(), 0, 0);
  game.images[slot].width = width;
  game.images[slot].height = height;
  game.images[slot].surface = std::move(surface);
}

::testing::AssertionResult MatchesGolden(const platform::CapturedFrame& frame, int x, int y,
                                         int width, int height, const std::string& name) {
  platform::CapturedFrame crop;
  crop.width = width;
  crop.height = height;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) crop.pixels.push_back(frame.Pixel(x + column, y + row));
  }
  const std::string path = std::string(PLATFORM_GOLDEN_DIR) + "/" + name + ".png";
  auto result = testsupport::MatchesGoldenPng(width, height, crop.pixels, path);
  const char* update = std::getenv("VISTREL_UPDATE_GOLDEN");
  if (update != nullptr && result) return ::testing::AssertionFailure() << "golden image written: " << path;
  return result;
}

}  // namespace fixtures
