// Writes a seed corpus of valid files for every fuzz target:
//   write_seeds DATA_DIR OUT_DIR
// OUT_DIR/<target>/ receives files made with the system's own encoders and,
// for the artwork readers, small files of the generated data folder.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editor/project_file.h"
#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "handoff/dat_file.h"
#include "launcher/list_file.h"
#include "logic/high_score_table.h"
#include "photo/fit.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

void Write(const fs::path& folder, const std::string& name, const Bytes& bytes) {
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

void LauncherSeeds(const fs::path& out) {
  Write(out / "fuzz_list_file", "empty", launcher::EncodeListFile(0, {}));
  Write(out / "fuzz_list_file", "two", launcher::EncodeListFile(2, {"/home/anna/Urlaub.vst", "Strand.vst"}));
  Write(out / "fuzz_choice_file", "built_in", launcher::EncodeBuiltInChoice());
  Write(out / "fuzz_choice_file", "path", launcher::EncodeChoice("/home/anna/Spiele/Urlaub.vst"));
}

void HandOffSeeds(const fs::path& out) {
  handoff::PairRequest request{"/home/anna/bild1.jpg", "/home/anna/bild2.jpg", {}};
  for (int i = 0; i < 5; ++i) request.rects[i] = {10 * i, 20 * i, 10 * i + 30, 20 * i + 40};
  Write(out / "fuzz_hand_off", "request", handoff::EncodeRequest(request));
  Write(out / "fuzz_hand_off", "result", handoff::EncodeResult(request.rects));
  Write(out / "fuzz_hand_off", "hex", Text("a.jpg\nb.jpg\n0x10 010 -5 +7\n"));
}

void EditorSeeds(const fs::path& out) {
  auto table = std::make_unique<editor::PictureTable>();
  (*table)[0].path = "/home/anna/bild1.jpg";
  (*table)[0].fileName = "bild1.jpg";
  (*table)[0].byteCount = 51234;
  (*table)[1].path = "/home/anna/bild2.jpg";
  (*table)[1].fileName = "bild2.jpg";
  (*table)[1].byteCount = 50111;
  (*table)[3].sourceIndex = 0;
  for (int r = 0; r < editor::kRectsUsed; ++r) {
    (*table)[0].rects.x1[r] = 20 + 60 * r;
    (*table)[0].rects.x2[r] = 60 + 60 * r;
    (*table)[0].rects.y1[r] = 30;
    (*table)[0].rects.y2[r] = 90;
  }
  Write(out / "fuzz_project_file", "two_pictures", editor::EncodeProjectFile(*table));
}

void GameSeeds(const fs::path& out) {
  Write(out / "fuzz_high_scores", "default", logic::EncodeHighScores(logic::DefaultHighScoreTable()));
  Write(out / "fuzz_sound_settings", "default", Bytes{1, 43, 1, 70, 1, 70});
  Write(out / "fuzz_sound_settings", "short", Bytes{0, 12});
  // Pair count (two bytes), then the record.
  Write(out / "fuzz_played_record", "five", Bytes{5, 0, 1, 0, 1, 0, 0});
  Write(out / "fuzz_played_record", "wrong_length", Bytes{40, 0, 1, 1});
}

// Seeds from the generated data folder: small bitmaps (with the four size
// bytes the bitmap target expects in front), waves and the built-in pictures.
void DataSeeds(const fs::path& data, const fs::path& out) {
  int jpegs = 0;
  for (const auto& entry : fs::recursive_directory_iterator(data)) {
    if (!entry.is_regular_file()) continue;
    auto bytes = gamefile::ReadWholeFile(entry.path().string());
    if (!bytes) continue;
    const Bytes& file = *bytes;
    const std::string name = entry.path().filename().string();
    if (file.size() >= 26 && file[0] == 'B' && file[1] == 'M' && file.size() < 48 * 1024) {
      const int width = file[18] | (file[19] << 8);
      const int height = file[22] | (file[23] << 8);
      Bytes seed{static_cast<std::uint8_t>((width - 1) & 0xFF), static_cast<std::uint8_t>(((width - 1) >> 8) & 3),
                 static_cast<std::uint8_t>((height - 1) & 0xFF), static_cast<std::uint8_t>(((height - 1) >> 8) & 3)};
      seed.insert(seed.end(), file.begin(), file.end());
      Write(out / "fuzz_bitmap", name, seed);
    } else if (file.size() >= 12 && file.size() < 64 * 1024 && std::equal(file.begin(), file.begin() + 4, "RIFF")) {
      Write(out / "fuzz_wave", name, file);
    } else if (name == "dataset.qxs" || name == "igdata.qxs") {
      auto records = gamefile::ReadPicturePairs(file);
      if (!records) continue;
      for (const auto& record : records.value()) {
        if (jpegs >= 6 || record.jpeg.empty()) continue;
        Bytes seed{static_cast<std::uint8_t>(jpegs & 1)};  // depth switch
        seed.insert(seed.end(), record.jpeg.begin(), record.jpeg.end());
        Write(out / "fuzz_jpeg", "picture" + std::to_string(jpegs++), seed);
      }
      if (name == "igdata.qxs") continue;
      // A short valid picture-pair file: the first pair of the built-in set.
      std::vector<gamefile::PictureRecord> pair(records.value().begin(), records.value().begin() + 2);
      Write(out / "fuzz_game_file", "one_pair.qxs", gamefile::EncodePicturePairFile(pair));
    }
  }
  Write(out / "fuzz_game_file", "name.vst", gamefile::EncodeNameFile({"Urlaub", "Bilder vom Strand"}));
}

// Small photos for the photo reader: JPEGs of the system's own encoder, one
// with an EXIF orientation, and the small PNGs and JPEGs of scikit-image's
// sample data when it is installed (greyscale, palette, 16-bit, truncated).
void PhotoSeeds(const fs::path& out) {
  photo::Picture picture;
  picture.width = 40;
  picture.height = 30;
  for (int i = 0; i < 40 * 30; ++i)
    for (int c = 0; c < 3; ++c) picture.rgb.push_back(static_cast<std::uint8_t>((i * (c + 3)) & 0xFF));
  auto jpeg = photo::EncodeJpeg(picture);
  if (!jpeg) return;
  Write(out / "fuzz_photo", "small.jpg", *jpeg);
  Bytes turned = *jpeg;
  const Bytes exif = {0xFF, 0xE1, 0x00, 0x22, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 0x2A, 0, 8, 0, 0, 0, 1, 0,
                      0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0};
  turned.insert(turned.begin() + 2, exif.begin(), exif.end());
  Write(out / "fuzz_photo", "exif_turned.jpg", turned);
  const fs::path samples = "/usr/lib/python3/dist-packages/skimage/data";
  for (const char* name : {"block.png", "checker_bilevel.png", "chessboard_GRAY.png", "chessboard_RGB.png",
                           "palette_color.png", "palette_gray.png", "foo3x5x4indexed.png", "green_palette.png",
                           "truncated.jpg"}) {
    auto bytes = gamefile::ReadWholeFile((samples / name).string());
    if (bytes) Write(out / "fuzz_photo", name, *bytes);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Aufruf: write_seeds DATENORDNER AUSGABEORDNER\n");
    return 2;
  }
  const fs::path out = argv[2];
  LauncherSeeds(out);
  HandOffSeeds(out);
  EditorSeeds(out);
  GameSeeds(out);
  DataSeeds(argv[1], out);
  PhotoSeeds(out);
  return 0;
}
