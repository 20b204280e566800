#include "photo_commands.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>

#include "editor/game_file_builder.h"
#include "editor/messages.h"
#include "editor/picture_check.h"
#include "fairness/fairness.h"
#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "photo/differences.h"
#include "photo/fit.h"
#include "photo/pair_files.h"

namespace qxtool {
namespace {

namespace fs = std::filesystem;

constexpr int kUsage = 2;
constexpr int kRefused = 1;

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::uint64_t> ParseSeed(const std::string& text) {
  std::uint64_t seed = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return seed;
}

// Takes "--seed N" out of args; false when N is no number.
bool TakeSeed(std::vector<std::string>& args, std::uint64_t& seed) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--seed") continue;
    if (i + 1 >= args.size()) return false;
    auto parsed = ParseSeed(args[i + 1]);
    if (!parsed) return false;
    seed = *parsed;
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    return true;
  }
  return true;
}

// The pair made from one photo, or the reason there is none, on err.
std::optional<photo::PhotoPair> PairFromPhoto(const std::string& path, std::uint64_t seed, std::ostream& err) {
  auto fitted = photo::FitPhotoFile(path);
  if (!fitted) {
    err << path << ": " << fitted.error().detail << "\n";
    return std::nullopt;
  }
  auto pair = photo::MakePair(*fitted, seed);
  if (!pair) {
    err << path << ": " << pair.error().detail << " Ein anderer Wert für --seed kann helfen.\n";
    return std::nullopt;
  }
  return std::move(*pair);
}

void ListDifferences(const photo::PhotoPair& pair, std::ostream& out) {
  for (std::size_t i = 0; i < pair.differences.size(); ++i) {
    const auto& d = pair.differences[i];
    const auto& r = pair.rects[i];
    out << "  Fehler " << i + 1 << ": " << photo::EditName(d.kind) << ", Rechteck " << r.x1 << " " << r.x2 << " "
        << r.y1 << " " << r.y2 << "\n";
  }
}

// One picture of a game file to be: its bytes and rectangles, and where
// they came from for messages.
struct Input {
  std::string label;
  gamefile::Bytes jpeg;
  gamefile::RectSet rects{};
};

struct PairInput {
  Input first, second;
};

// A folder as qxtool extract writes it (pairNNN_1.jpg with pairNNN_1.txt)
// or as qxtool pair writes it (NAME_1.jpg with NAME.txt): every "_1.jpg"
// with its "_2.jpg", in name order.
std::optional<std::vector<PairInput>> PairsFromFolder(const std::string& folder, std::ostream& err) {
  std::vector<std::string> stems;
  std::error_code failed;
  for (const auto& entry : fs::directory_iterator(folder, failed)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 6 && name.ends_with("_1.jpg")) stems.push_back(name.substr(0, name.size() - 6));
  }
  if (failed) {
    err << "Kann den Ordner " << folder << " nicht lesen.\n";
    return std::nullopt;
  }
  if (stems.empty()) {
    err << "Im Ordner " << folder << " liegt kein Bilderpaar (NAME_1.jpg und NAME_2.jpg).\n";
    return std::nullopt;
  }
  std::sort(stems.begin(), stems.end());
  std::vector<PairInput> pairs;
  for (const std::string& stem : stems) {
    const std::string base = folder + "/" + stem;
    PairInput pair;
    for (int picture : {1, 2}) {
      Input& input = picture == 1 ? pair.first : pair.second;
      input.label = base + "_" + std::to_string(picture) + ".jpg";
      auto bytes = gamefile::ReadWholeFile(input.label, 64u << 20);
      if (!bytes) {
        err << editor::text::CannotAccessPicture(input.label) << "\n";
        return std::nullopt;
      }
      input.jpeg = std::move(*bytes);
      std::string rectsPath = base + "_" + std::to_string(picture) + ".txt";
      if (picture == 1 && !gamefile::FileExists(rectsPath)) rectsPath = base + ".txt";
      if (!gamefile::FileExists(rectsPath)) {
        if (picture == 1) {
          err << "Zu " << input.label << " fehlen die Fehlerrechtecke (" << base << ".txt).\n";
          return std::nullopt;
        }
        continue;  // the second picture's rectangles are not used by the game
      }
      auto rects = photo::ReadRectsFile(rectsPath);
      if (!rects) {
        err << rectsPath << ": " << rects.error().detail << ".\n";
        return std::nullopt;
      }
      input.rects = *rects;
    }
    pairs.push_back(std::move(pair));
  }
  return pairs;
}

// The editor's checks of a picture, with its messages; and rectangles the
// game can use.
bool Acceptable(const Input& input, std::ostream& err) {
  const editor::PictureCheck check = editor::CheckPictureBytes(input.jpeg);
  if (check.verdict == editor::PictureVerdict::NotJfif) {
    err << editor::text::BuildNotJfif(input.label) << "\n";
    return false;
  }
  if (check.verdict != editor::PictureVerdict::Usable) {
    err << editor::text::BuildWrongSize(input.label, check.width, check.height) << "\n";
    return false;
  }
  for (std::size_t k = 0; k < input.rects.size(); ++k) {
    const auto& r = input.rects[k];
    if (r.x1 > r.x2 || r.y1 > r.y2 || r.x2 > gamefile::kWidthField || r.y2 > gamefile::kHeightField) {
      err << input.label << ": Fehler " << k + 1 << " liegt außerhalb des Bildes (x bis 490, y bis 430).\n";
      return false;
    }
  }
  return true;
}

struct BuildArgs {
  std::string out;
  std::optional<std::string> name;
  std::string description;
  std::vector<std::string> inputs;
  std::uint64_t seed = 1;
};

std::optional<BuildArgs> ParseBuildArgs(std::vector<std::string> args) {
  BuildArgs parsed;
  if (!TakeSeed(args, parsed.seed)) return std::nullopt;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--name" || args[i] == "--description") {
      if (i + 1 >= args.size()) return std::nullopt;
      if (args[i] == "--name") {
        parsed.name = args[i + 1];
      } else {
        parsed.description = args[i + 1];
      }
      ++i;
    } else if (parsed.out.empty()) {
      parsed.out = args[i];
    } else {
      parsed.inputs.push_back(args[i]);
    }
  }
  if (parsed.out.empty() || !parsed.name || parsed.inputs.empty()) return std::nullopt;
  return parsed;
}

void WarnUnfair(const std::vector<PairInput>& pairs, std::ostream& out) {
  for (std::size_t p = 0; p < pairs.size(); ++p) {
    const auto problems = fairness::CheckPair(pairs[p].first.rects, pairs[p].first.jpeg, pairs[p].second.jpeg);
    for (const auto& problem : problems)
      out << "Warnung: Bilderpaar " << p + 1 << ": " << fairness::DescribeProblem(problem) << "\n";
  }
}

}  // namespace

int Fit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return kUsage;
  auto fitted = photo::FitPhotoFile(args[0]);
  if (!fitted) {
    err << args[0] << ": " << fitted.error().detail << "\n";
    return kRefused;
  }
  auto jpeg = photo::EncodeJpeg(*fitted);
  if (!jpeg || !gamefile::WriteFileAtomically(args[1], *jpeg)) {
    err << "Kann " << args[1] << " nicht schreiben.\n";
    return kRefused;
  }
  out << args[1] << ": 488 x 430\n";
  return 0;
}

int Pair(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  std::vector<std::string> args = arguments;
  std::uint64_t seed = 1;
  std::string preview;
  if (auto at = std::find(args.begin(), args.end(), "--preview"); at != args.end()) {
    if (at + 1 == args.end()) return kUsage;
    preview = *(at + 1);
    args.erase(at, at + 2);
  }
  if (!TakeSeed(args, seed) || args.size() != 2) return kUsage;
  const std::string& photoPath = args[0];
  const std::string& folder = args[1];
  auto pair = PairFromPhoto(photoPath, seed, err);
  if (!pair) return kRefused;
  ::mkdir(folder.c_str(), 0755);
  const photo::PairPaths paths = photo::PairPathsFor(folder, photo::NameOfPhoto(photoPath));
  if (!photo::WritePair(*pair, paths)) {
    err << "Kann nicht nach " << folder << " schreiben.\n";
    return kRefused;
  }
  if (!preview.empty() && !photo::WritePreviewPng(*pair, preview)) {
    err << "Kann die Vorschau " << preview << " nicht schreiben.\n";
    return kRefused;
  }
  out << paths.first << "\n" << paths.second << "\n" << paths.rects << "\n";
  ListDifferences(*pair, out);
  return 0;
}

int Build(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  auto parsed = ParseBuildArgs(args);
  if (!parsed) return kUsage;
  if (!editor::IsAcceptableGameFileName(*parsed->name)) {
    err << editor::text::kNameYourGameFile << "\n";
    return kRefused;
  }
  std::vector<PairInput> pairs;
  for (const std::string& input : parsed->inputs) {
    if (IsFolder(input)) {
      auto fromFolder = PairsFromFolder(input, err);
      if (!fromFolder) return kRefused;
      for (auto& p : *fromFolder) pairs.push_back(std::move(p));
      continue;
    }
    auto pair = PairFromPhoto(input, parsed->seed, err);
    if (!pair) return kRefused;
    PairInput made;
    made.first = {input + " (Bild 1)", std::move(pair->firstJpeg), pair->rects};
    made.second = {input + " (Bild 2)", std::move(pair->secondJpeg), {}};
    pairs.push_back(std::move(made));
  }
  if (pairs.size() > gamefile::kMaxPairsWritten) {
    err << "Eine Spieldatei fasst höchstens 512 Bilderpaare, hier sind es " << pairs.size() << ".\n";
    return kRefused;
  }
  for (const PairInput& pair : pairs)
    if (!Acceptable(pair.first, err) || !Acceptable(pair.second, err)) return kRefused;
  // The same picture twice would make two pairs of one photo: the player
  // would meet the same scene again with the same or other differences.
  for (std::size_t p = 0; p < pairs.size(); ++p)
    for (std::size_t q = p + 1; q < pairs.size(); ++q)
      if (pairs[p].first.jpeg == pairs[q].first.jpeg) {
        err << pairs[q].first.label << " ist dasselbe Bild wie " << pairs[p].first.label
            << ". Jedes Bilderpaar einer Spieldatei braucht ein eigenes Foto.\n";
        return kRefused;
      }
  WarnUnfair(pairs, out);

  std::vector<gamefile::PictureRecord> records;
  for (PairInput& pair : pairs) {
    for (Input* input : {&pair.first, &pair.second}) {
      gamefile::PictureRecord record;
      record.jpeg = std::move(input->jpeg);
      record.rects = input->rects;
      records.push_back(std::move(record));
    }
  }
  const std::string& nameFilePath = parsed->out;
  const std::string pairFilePath = gamefile::PicturePairPathFor(nameFilePath);
  if (IsFolder(nameFilePath) || IsFolder(pairFilePath) ||
      !gamefile::WriteNameFile(nameFilePath, editor::ToStoredNameFile(*parsed->name, parsed->description)) ||
      !gamefile::WritePicturePairFile(pairFilePath, records)) {
    err << editor::text::kCannotOpenOrCreate << ": " << nameFilePath << "\n";
    return kRefused;
  }
  out << "Spieldatei " << nameFilePath << " mit " << pairs.size() << " Bilderpaaren erstellt.\n";
  return 0;
}

}  // namespace qxtool
