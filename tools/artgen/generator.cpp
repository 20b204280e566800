#include "generator.h"

#include <filesystem>
#include <functional>

#include "artwork.h"
#include "catalogue.h"
#include "encode.h"
#include "gamefile/file_io.h"
#include "gamefile/game_file.h"

namespace artgen {

namespace {

// JPEG quality of the built-in pictures: high, because the panorama is
// shown stretched ten times and would show every block.
constexpr int kPictureQuality = 93;

using Painter = std::function<RgbImage()>;

// The painter of each catalogue row, in catalogue order.
std::vector<Painter> BitmapPainters(const Fonts& fonts) {
  std::vector<Painter> p = {
      [] { return PaintMenuHighlight(); },
      [] { return PaintTimeBar(); },
      [&] { return PaintReadyBanner(fonts); },
      [&] { return PaintSearchBanner(fonts); },
      [&] { return PaintHitMarker(fonts); },
      [&] { return PaintMissMarker(fonts); },
      [] { return PaintCursor(); },
      [&] { return PaintCreditsEnd(fonts); },
  };
  for (int d = 1; d <= 9; ++d) p.push_back([&, d] { return PaintDigit(fonts, d); });
  p.push_back([&] { return PaintDigit(fonts, 0); });
  p.push_back([] { return PaintColon(); });
  p.push_back([&] { return PaintLogo(fonts); });
  p.push_back([] { return PaintPictureCover(); });
  for (char c = 'A'; c <= 'Z'; ++c) p.push_back([&, c] { return PaintLetter(fonts, c); });
  p.push_back([] { return PaintCursorMark(); });
  for (char c = 'a'; c <= 'z'; ++c) p.push_back([&, c] { return PaintLetter(fonts, c); });
  for (const char* c = kTitleLetters; *c; ++c) p.push_back([&, c] { return PaintTitleLetter(fonts, *c); });
  for (int colour = 0; colour < 6; ++colour) p.push_back([colour] { return PaintParticle(colour); });
  p.push_back([&] { return PaintSwitch(fonts, SwitchKind::Speech, false); });   // slot 100
  p.push_back([&] { return PaintSwitch(fonts, SwitchKind::Speech, true); });    // 101
  p.push_back([&] { return PaintSwitch(fonts, SwitchKind::Music, true); });     // 102
  p.push_back([&] { return PaintSwitch(fonts, SwitchKind::Music, false); });    // 103
  p.push_back([] { return PaintKnob(); });                                      // 104
  p.push_back([] { return PaintSliderBar(); });                                 // 105
  p.push_back([&] { return PaintSwitch(fonts, SwitchKind::Effects, true); });   // 106
  p.push_back([&] { return PaintSwitch(fonts, SwitchKind::Effects, false); });  // 107
  return p;
}

std::vector<Painter> PicturePainters(const Fonts& fonts) {
  return {
      [&] { return PaintPlayBackground(fonts); },  [] { return PaintHighScoreBackground(); },
      [&] { return PaintMenuBackground(fonts); },  [] { return PaintPanorama(); },
      [&] { return PaintMusicCredit(fonts); },     [&] { return PaintProgrammingCredit(fonts); },
      [&] { return PaintGraphicsCredit(fonts); },  [&] { return PaintTitleCard(fonts); },
  };
}

}  // namespace

bool GenerateArtwork(const Fonts& fonts, std::vector<OutputFile>& files, std::string& problem) {
  const auto& catalogue = BitmapCatalogue();
  std::vector<Painter> painters = BitmapPainters(fonts);
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    RgbImage image = painters[i]();
    if (image.width != catalogue[i].width || image.height != catalogue[i].height) {
      problem = "Falsche Bildgröße für " + catalogue[i].path;
      return false;
    }
    files.push_back({catalogue[i].path, EncodeBmp(image)});
  }

  const auto& pictures = BuiltInPictures();
  std::vector<Painter> scenes = PicturePainters(fonts);
  std::vector<gamefile::PictureRecord> records;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    RgbImage image = scenes[i]();
    gamefile::PictureRecord record;
    record.widthField = static_cast<std::uint16_t>(pictures[i].width);
    record.heightField = static_cast<std::uint16_t>(pictures[i].height);
    record.jpeg = EncodeJpeg(image, kPictureQuality);
    if (record.jpeg.empty() || image.width != pictures[i].width || image.height != pictures[i].height) {
      problem = "Das eingebaute Bild für Bildplatz " + std::to_string(pictures[i].slot) +
                " konnte nicht erzeugt werden.";
      return false;
    }
    records.push_back(std::move(record));
  }
  files.push_back({kBuiltInPicturesFile, gamefile::EncodePicturePairFile(records)});
  return true;
}

bool WriteOutputFiles(const std::string& dataDir, const std::vector<OutputFile>& files, std::string& problem) {
  for (const OutputFile& file : files) {
    std::filesystem::path target = std::filesystem::path(dataDir) / file.path;
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    if (ec) {
      problem = "Der Ordner " + target.parent_path().string() + " konnte nicht angelegt werden.";
      return false;
    }
    if (!gamefile::WriteFileAtomically(target.string(), file.bytes).ok()) {
      problem = "Die Datei " + target.string() + " konnte nicht geschrieben werden.";
      return false;
    }
  }
  return true;
}

}  // namespace artgen
