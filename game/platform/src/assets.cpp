#include "platform/assets.h"

#include <cstdio>
#include <string>
#include <vector>

#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace platform {
namespace {

constexpr const char* kBuiltInPicturesPath = "data//igdata.qxs";
constexpr std::size_t kMaxBuiltInPicturesBytes = 64u << 20;
constexpr int kMaxBuiltInPictureSide = 4096;
constexpr int kEmptySoundBuffer = 26;

std::string Numbered(const char* prefix, int number, const char* suffix) {
  char name[64];
  std::snprintf(name, sizeof name, "%s%03d%s", prefix, number, suffix);
  return name;
}

void AddRange(std::vector<BitmapEntry>& table, int firstSlot, int count, int width, int height,
              bool keyed, const std::function<std::string(int)>& pathOf) {
  for (int i = 0; i < count; ++i) table.push_back({firstSlot + i, pathOf(i), width, height, keyed});
}

std::string IntroMessageName(const std::string& fileName) { return "qxdata_0 - " + fileName; }

// Always false: loading stops once the player has been told.
bool FailOnBuiltInPictures(Platform& platform) {
  platform.backend->MinimiseWindow();
  ReleaseDisplay(platform);
  std::string text =
      "Auf die Datei igdata.qxs konnte nicht zugegriffen werden.\n\nVersuchen sie Vistrel zu "
      "deinstallieren und wieder zu installieren.\n\nKonnte dies ihr Problem nicht lösen, so "
      "wenden sie sich an den Qualdrex Support.\n\nKontaktmöglichkeiten finden sie unter ";
  text += kMakerWebAddress;
  FailWithMessage(platform, "Fehler", text);
  return false;
}

// Reads the eight built-in pictures. A file cut short or carrying sizes it
// cannot hold is treated like a missing one: the pictures cannot be read.
bool LoadBuiltInPictures(Platform& platform) {
  RestoreStartDirectory(platform);
  auto file = gamefile::ReadWholeFile(kBuiltInPicturesPath, kMaxBuiltInPicturesBytes);
  if (!file) return FailOnBuiltInPictures(platform);
  const gamefile::Bytes& bytes = *file;
  // The difference rectangles and the source index of each record are not
  // used here; the file's leading count is not read either.
  auto records = gamefile::ScanPictureRecords(bytes, std::size(asset::kBuiltInPictureSlots));
  if (!records) return FailOnBuiltInPictures(platform);
  for (std::size_t i = 0; i < records->size(); ++i) {
    const gamefile::RecordLocation& record = (*records)[i];
    const int width = record.widthField;
    const int height = record.heightField;
    if (width <= 0 || height <= 0 || width > kMaxBuiltInPictureSide || height > kMaxBuiltInPictureSide) {
      return FailOnBuiltInPictures(platform);
    }
    ImageSlot& image = platform.images[asset::kBuiltInPictureSlots[i]];
    image.width = width;
    image.height = height;
    image.surface =
        DecodeJpeg(platform, width, height, &bytes[record.offset + gamefile::kRecordHeaderSize], record.byteCount);
    if (platform.endRequested) return false;
    if (!image.surface) return FailOnBuiltInPictures(platform);
  }
  return true;
}

// Tells the player which data file is missing or damaged; loading stops there.
bool FailOnMissingFile(Platform& platform, const std::string& path) {
  FailWithMessage(platform, "Fehler", MissingFileMessage(MessageNameForPath(path)));
  return false;
}

bool LoadBitmaps(Platform& platform) {
  for (const BitmapEntry& entry : BitmapCatalogue()) {
    ImageSlot& image = platform.images[entry.slot];
    image.width = entry.width;
    image.height = entry.height;
    image.surface = LoadBitmapFile(platform, entry.path, entry.width, entry.height);
    if (platform.endRequested) return false;
    if (!image.surface) {
      ReleaseDisplay(platform);
      platform.backend->MinimiseWindow();
      return FailOnMissingFile(platform, entry.path);
    }
    if (entry.blackTransparent) SetBlackTransparent(image.surface.get(), 0, 0);
  }
  return true;
}

}  // namespace

std::vector<BitmapEntry> BitmapCatalogue() {
  std::vector<BitmapEntry> table;
  auto data = [](int n) { return Numbered("data/data", n, ".dat"); };
  table.push_back({asset::kMenuHighlightSlot, data(1), 383, 70, true});
  table.push_back({asset::kTimeBarSlot, data(2), 934, 12, true});
  table.push_back({asset::kIntroBannerASlot, data(3), 583, 114, true});
  table.push_back({asset::kIntroBannerBSlot, data(4), 577, 219, true});
  table.push_back({asset::kHitMarkerSlot, data(5), 81, 40, true});
  table.push_back({asset::kMissMarkerSlot, data(6), 81, 40, true});
  table.push_back({asset::kCursorSlot, data(7), 28, 35, true});
  table.push_back({asset::kCreditsFinalSlot, data(8), 201, 24, true});
  table.push_back({asset::kFirstDigitSlot, data(18), 40, 45, true});
  AddRange(table, asset::kFirstDigitSlot + 1, asset::kDigitCount - 1, 40, 45, true,
           [&](int i) { return data(9 + i); });
  table.push_back({asset::kColonSlot, data(19), 40, 45, true});
  table.push_back({asset::kLogoSlot, data(20), 110, 100, true});
  table.push_back({asset::kCoverSlot, data(21), 490, 430, true});
  AddRange(table, asset::kFirstGlyphSlot, asset::kGlyphCount, 25, 25, true,
           [](int i) { return "data/qxdata/" + std::to_string(i + 1) + ".dat"; });
  AddRange(table, asset::kFirstSmallGlyphSlot, asset::kSmallGlyphCount, 25, 25, true,
           [](int i) { return "data/qxdata/l_" + std::to_string(i + 1) + ".dat"; });
  AddRange(table, asset::kFirstTitleLetterSlot, asset::kTitleLetterCount, 125, 125, true,
           [](int i) { return Numbered("data/qxdata_0/data", i + 1, ".dat"); });
  AddRange(table, asset::kFirstColourSlot, asset::kColourCount, 74, 71, true,
           [&](int i) { return data(22 + i); });
  table.push_back({asset::kSpeechOffSlot, data(28), 32, 30, false});
  table.push_back({asset::kSpeechOnSlot, data(29), 32, 30, false});
  table.push_back({asset::kMusicOnSlot, data(30), 32, 30, false});
  table.push_back({asset::kMusicOffSlot, data(31), 32, 30, false});
  table.push_back({asset::kKnobSlot, data(32), 31, 16, true});
  table.push_back({asset::kBarSlot, data(33), 301, 19, false});
  table.push_back({asset::kEffectsOnSlot, data(34), 32, 30, false});
  table.push_back({asset::kEffectsOffSlot, data(35), 32, 30, false});
  return table;
}

std::string MusicTrackPath(int track) {
  if (track < 0 || track >= kMusicTrackCount) return {};
  return Numbered("data/mdat", track == 7 ? 40 : track + 1, ".dat");
}

std::string SoundBufferPath(int buffer) {
  if (buffer < 0 || buffer >= kSoundBufferCount || buffer == kEmptySoundBuffer) return {};
  return Numbered("data/mdat", buffer < kEmptySoundBuffer ? 8 + buffer : 7 + buffer, ".dat");
}

std::string MessageNameForPath(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
  // The intro pictures share their file names with the main artwork, so the
  // message names their folder too.
  if (folder.size() >= 8 && folder.compare(folder.size() - 8, 8, "qxdata_0") == 0) {
    return IntroMessageName(fileName);
  }
  return fileName;
}

bool LoadSoundAndMusic(Platform& platform) {
  for (int track = 0; track < kMusicTrackCount; ++track) {
    platform.music[track].Attach(platform.backend, track);
    const std::string path = MusicTrackPath(track);
    RestoreStartDirectory(platform);
    if (platform.music[track].Open(path) != MusicTrack::kSucceeded) return FailOnMissingFile(platform, path);
  }
  for (int buffer = 0; buffer < kSoundBufferCount; ++buffer) {
    if (buffer == kEmptySoundBuffer) continue;
    const std::string path = SoundBufferPath(buffer);
    if (!LoadWave(platform, path, buffer)) return FailOnMissingFile(platform, path);
  }
  return true;
}

bool LoadAssets(Platform& platform, const std::function<void()>& chooseGameFile) {
  if (chooseGameFile) chooseGameFile();
  if (platform.endRequested) return false;
  return LoadBuiltInPictures(platform) && LoadBitmaps(platform);
}

}  // namespace platform
