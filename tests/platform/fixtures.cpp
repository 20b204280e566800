#include "fixtures.h"

#include <png.h>
#include <turbojpeg.h>
#include <unistd.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "gamefile/game_file.h"
#include "gamefile/little_endian.h"

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
  std::vector<std::uint8_t> body;
  PutTag(body, "WAVE");
  if (listChunkFirst) {
    PutTag(body, "LIST");
    PutU32(body, 5);
    body.insert(body.end(), {'I', 'N', 'F', 'O', 'x', 0});  // odd size, padded
  }
  PutTag(body, "fmt ");
  PutU32(body, 16);
  PutU16(body, formatTag);
  PutU16(body, 1);
  PutU32(body, static_cast<std::uint32_t>(rate));
  PutU32(body, static_cast<std::uint32_t>(rate * 2));
  PutU16(body, 2);
  PutU16(body, 16);
  PutTag(body, "data");
  PutU32(body, static_cast<std::uint32_t>(frames * 2));
  for (int i = 0; i < frames; ++i) PutU16(body, static_cast<std::uint16_t>((i % 50) * 200));
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  PutU32(out, static_cast<std::uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

void WriteOgg(const std::string& path, double seconds, int rate) {
  vorbis_info info;
  vorbis_info_init(&info);
  vorbis_encode_init_vbr(&info, 2, rate, 0.1f);
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);
  CreateParent(path);
  std::ofstream out(path, std::ios::binary);
  auto writePage = [&](const ogg_page& page) {
    out.write(reinterpret_cast<const char*>(page.header), page.header_len);
    out.write(reinterpret_cast<const char*>(page.body), page.body_len);
  };
  ogg_packet header, headerComment, headerCode;
  vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &headerComment);
  ogg_stream_packetin(&stream, &headerCode);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page) != 0) writePage(page);

  const int totalFrames = static_cast<int>(seconds * rate);
  int written = 0;
  bool finished = false;
  while (!finished) {
    const int chunk = std::min(1024, totalFrames - written);
    if (chunk <= 0) {
      vorbis_analysis_wrote(&dsp, 0);
    } else {
      float** buffer = vorbis_analysis_buffer(&dsp, chunk);
      for (int i = 0; i < chunk; ++i) {
        const float value = 0.5f * static_cast<float>(std::sin((written + i) * 2 * M_PI * 441.0 / rate));
        buffer[0][i] = value;
        buffer[1][i] = value;
      }
      vorbis_analysis_wrote(&dsp, chunk);
      written += chunk;
    }
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page) != 0) {
          writePage(page);
          if (ogg_page_eos(&page) != 0) finished = true;
        }
      }
    }
    if (chunk <= 0 && !finished) {
      while (ogg_stream_flush(&stream, &page) != 0) writePage(page);
      finished = true;
    }
  }
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
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
  tjhandle encoder = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  tjCompress2(encoder, rgb.data(), width, width * 3, height, TJPF_RGB, &jpeg, &size,
              grey ? TJSAMP_GRAY : TJSAMP_444, 95, 0);
  std::vector<std::uint8_t> out(jpeg, jpeg + size);
  tjFree(jpeg);
  tjDestroy(encoder);
  return out;
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

ScopedWorkDir::ScopedWorkDir() : previous_(std::filesystem::current_path()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "platform-test-XXXXXX").string();
  path_ = mkdtemp(pattern.data());
  std::filesystem::current_path(path_);
}

ScopedWorkDir::~ScopedWorkDir() {
  std::filesystem::current_path(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
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
  const char* update = std::getenv("VISTREL_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    platform::HeadlessBackend::WriteFramePng(crop, path);
    return ::testing::AssertionFailure() << "golden image written: " << path;
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
    return ::testing::AssertionFailure() << "no golden image " << path
                                         << " (run with VISTREL_UPDATE_GOLDEN=1 to create it)";
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr);
  if (static_cast<int>(image.width) != width || static_cast<int>(image.height) != height) {
    return ::testing::AssertionFailure() << "golden image " << name << " has another size";
  }
  for (int i = 0; i < width * height; ++i) {
    const std::uint32_t golden = (std::uint32_t{rgb[i * 3]} << 16) | (std::uint32_t{rgb[i * 3 + 1]} << 8) |
                                 rgb[i * 3 + 2];
    if (golden != crop.pixels[i]) {
      return ::testing::AssertionFailure()
             << name << ": pixel (" << i % width << ", " << i / width << ") is " << std::hex
             << crop.pixels[i] << ", golden " << golden;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace fixtures
