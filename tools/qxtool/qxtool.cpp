#include "qxtool.h"

#include <sys/stat.h>

#include <cstdio>
#include <optional>
#include <ostream>
#include <sstream>

#include "fairness/fairness.h"
#include "generate_command.h"
#include "gamefile/file_io.h"
#include "gamefile/game_file.h"
#include "gamefile/jpeg_info.h"
#include "gamefile/text_encoding.h"

namespace qxtool {
namespace {

using gamefile::PictureRecord;

// A game file as the tool sees it: the name file is optional, because a
// picture-pair file (or the game's own data set) can be looked at alone.
struct LoadedGameFile {
  std::optional<gamefile::NameFile> names;
  std::vector<PictureRecord> records;
};

struct LoadOutcome {
  std::optional<LoadedGameFile> file;
  std::string reason;  // German, one line, when file is empty
};

LoadOutcome Load(const std::string& path) {
  LoadOutcome outcome;
  LoadedGameFile loaded;
  std::string pairPath = path;
  const std::string withSuffix = gamefile::PicturePairPathFor(path);
  if (gamefile::FileExists(withSuffix)) {
    auto names = gamefile::ReadNameFile(path);
    if (!names) {
      outcome.reason = names.error().detail;
      return outcome;
    }
    loaded.names = *names;
    pairPath = withSuffix;
  }
  auto records = gamefile::ReadPicturePairFile(pairPath);
  if (!records) {
    outcome.reason = records.error().detail;
    return outcome;
  }
  loaded.records = std::move(*records);
  outcome.file = std::move(loaded);
  return outcome;
}

// The JPEG bytes a record shows: its own or those of the record it shares.
const gamefile::Bytes& PictureBytesOf(const std::vector<PictureRecord>& records, std::size_t i) {
  const PictureRecord& record = records[i];
  return record.sourceIndex == gamefile::kOwnBytes ? record.jpeg : records[record.sourceIndex].jpeg;
}

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
          out += buffer;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string RectsAsJson(const gamefile::RectSet& rects) {
  std::ostringstream out;
  out << "[";
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const auto& r = rects[i];
    out << (i ? ", " : "") << "[" << r.x1 << ", " << r.x2 << ", " << r.y1 << ", " << r.y2 << "]";
  }
  out << "]";
  return out.str();
}

void PrintJson(const LoadedGameFile& file, std::ostream& out) {
  const auto text = [&](const std::string* cp1252) {
    return cp1252 ? JsonString(gamefile::Cp1252ToUtf8(*cp1252)) : std::string("null");
  };
  out << "{\n  \"name\": " << text(file.names ? &file.names->name : nullptr)
      << ",\n  \"description\": " << text(file.names ? &file.names->description : nullptr)
      << ",\n  \"pairs\": [";
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    const PictureRecord& record = file.records[i];
    const auto info = gamefile::ReadJpegInfo(PictureBytesOf(file.records, i));
    if (i % 2 == 0) out << (i ? "," : "") << "\n    [";
    out << (i % 2 ? ",\n     " : "") << "{\"source_index\": " << record.sourceIndex
        << ", \"byte_count\": " << record.jpeg.size() << ", \"width_field\": " << record.widthField
        << ", \"height_field\": " << record.heightField << ", \"jpeg_width\": " << info.width
        << ", \"jpeg_height\": " << info.height << ", \"rects\": " << RectsAsJson(record.rects) << "}";
    if (i % 2 == 1) out << "]";
  }
  out << "\n  ]\n}\n";
}

void PrintText(const LoadedGameFile& file, std::ostream& out) {
  if (file.names) {
    out << "Name:         " << gamefile::Cp1252ToUtf8(file.names->name) << "\n";
    out << "Beschreibung: " << gamefile::Cp1252ToUtf8(file.names->description) << "\n";
  }
  out << "Bildpaare:    " << file.records.size() / 2 << "\n";
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    const PictureRecord& record = file.records[i];
    const auto info = gamefile::ReadJpegInfo(PictureBytesOf(file.records, i));
    out << "Paar " << i / 2 + 1 << ", Bild " << i % 2 + 1 << ": Quelle " << record.sourceIndex << ", "
        << record.jpeg.size() << " Bytes, Felder " << record.widthField << " x " << record.heightField
        << ", JPEG " << info.width << " x " << info.height << ", Rechtecke";
    for (const auto& r : record.rects) out << " (" << r.x1 << "," << r.x2 << "," << r.y1 << "," << r.y2 << ")";
    out << "\n";
  }
}

std::string PictureLabel(std::size_t recordIndex) {
  return "Paar " + std::to_string(recordIndex / 2 + 1) + ", Bild " + std::to_string(recordIndex % 2 + 1);
}

// The first reason the file is not a game file the game and the editor accept.
std::optional<std::string> FindFault(const LoadedGameFile& file) {
  if (file.names && file.names->name.empty()) return "Die Spieldatei hat keinen Namen.";
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    const PictureRecord& record = file.records[i];
    const auto info = gamefile::ReadJpegInfo(PictureBytesOf(file.records, i));
    if (!gamefile::IsGamePicture(info))
      return PictureLabel(i) + " ist kein JFIF-JPEG von 488 x 430 Pixeln.";
    if (record.widthField != gamefile::kWidthField || record.heightField != gamefile::kHeightField)
      return PictureLabel(i) + " hat falsche Größenfelder.";
    for (std::size_t k = 0; k < record.rects.size(); ++k) {
      const auto& r = record.rects[k];
      if (r.x1 > r.x2 || r.y1 > r.y2 || r.x2 > gamefile::kWidthField || r.y2 > gamefile::kHeightField)
        return PictureLabel(i) + ", Fehler " + std::to_string(k + 1) + " liegt außerhalb des Bildes.";
    }
  }
  return std::nullopt;
}

bool WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  return gamefile::WriteFileAtomically(path, bytes).ok();
}

std::string RectsAsText(const gamefile::RectSet& rects) {
  std::string text = "# x1 x2 y1 y2\n";
  for (const auto& r : rects)
    text += std::to_string(r.x1) + " " + std::to_string(r.x2) + " " + std::to_string(r.y1) + " " +
            std::to_string(r.y2) + "\n";
  return text;
}

int Extract(const LoadedGameFile& file, const std::string& dir, std::ostream& err) {
  ::mkdir(dir.c_str(), 0755);
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    char stem[32];
    std::snprintf(stem, sizeof stem, "/pair%03zu_%zu", i / 2 + 1, i % 2 + 1);
    const std::string base = dir + stem;
    const std::string rects = RectsAsText(file.records[i].rects);
    if (!WriteBytes(base + ".jpg", PictureBytesOf(file.records, i)) ||
        !WriteBytes(base + ".txt", std::span(reinterpret_cast<const std::uint8_t*>(rects.data()), rects.size()))) {
      err << "Kann nicht nach " << dir << " schreiben.\n";
      return 1;
    }
  }
  return 0;
}

// The fairness check of every pair: the problems and colour hints of each
// pair under its number, then a count. Exit code 1 when any pair has a
// problem; hints alone leave it at 0, the game plays such pairs.
int CheckFairness(const LoadedGameFile& file, std::ostream& out) {
  const std::size_t pairs = file.records.size() / 2;
  std::size_t unfair = 0, hints = 0;
  for (std::size_t p = 0; p < pairs; ++p) {
    const auto review = fairness::ReviewPair(file.records[2 * p].rects, PictureBytesOf(file.records, 2 * p),
                                             PictureBytesOf(file.records, 2 * p + 1));
    if (review.problems.empty() && review.warnings.empty()) continue;
    unfair += review.problems.empty() ? 0 : 1;
    hints += review.warnings.size();
    out << "Bilderpaar " << p + 1 << ":\n";
    for (const auto& problem : review.problems) out << "  " << fairness::DescribeProblem(problem) << "\n";
    for (const auto& warning : review.warnings) out << "  Hinweis: " << fairness::DescribeWarning(warning) << "\n";
  }
  if (hints > 0)
    out << hints << (hints == 1 ? " Hinweis" : " Hinweise") << " zur Farbe.\n" << fairness::kColourWarningExplanation;
  if (unfair == 0) {
    out << "In Ordnung: " << pairs << " Bildpaare, alle fair.\n";
    return 0;
  }
  out << unfair << " von " << pairs << " Bildpaaren haben Probleme.\n";
  return 1;
}

void PrintUsage(std::ostream& err) {
  err << "Aufruf: qxtool info [--json] DATEI\n"
         "        qxtool check [--fair] DATEI\n"
         "        qxtool extract DATEI ORDNER\n"
         "        qxtool generate [--seed N] [--pairs N] [--difficulty leicht|mittel|schwer] NAME.vst\n"
         "DATEI ist eine Namensdatei (.vst, mit ihrer .vst.qxs daneben) oder eine Bildpaardatei.\n";
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const RunOptions& options) {
  if (args.empty()) {
    PrintUsage(err);
    return 2;
  }
  const std::string& command = args[0];
  if (command == "generate") return Generate({args.begin() + 1, args.end()}, out, err, options.showProgress);
  const bool json = args.size() == 3 && command == "info" && args[1] == "--json";
  const bool fair = args.size() == 3 && command == "check" && args[1] == "--fair";
  const bool wellFormed = (command == "info" && (args.size() == 2 || json)) ||
                          (command == "check" && (args.size() == 2 || fair)) || (command == "extract" && args.size() == 3);
  if (!wellFormed) {
    PrintUsage(err);
    return 2;
  }
  const std::string& path = json || fair ? args[2] : args[1];
  LoadOutcome loaded = Load(path);
  if (!loaded.file) {
    (command == "check" ? out : err) << loaded.reason << "\n";
    return 1;
  }
  if (command == "check") {
    if (auto fault = FindFault(*loaded.file)) {
      out << *fault << "\n";
      return 1;
    }
    if (fair) return CheckFairness(*loaded.file, out);
    out << "In Ordnung: " << loaded.file->records.size() / 2 << " Bildpaare.\n";
    return 0;
  }
  if (command == "extract") return Extract(*loaded.file, args[2], err);
  json ? PrintJson(*loaded.file, out) : PrintText(*loaded.file, out);
  return 0;
}

}  // namespace qxtool
