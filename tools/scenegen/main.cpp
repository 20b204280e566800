// scenegen: paints the built-in picture set and writes it as a picture-pair
// file. Run by the build; the same bytes come out every time.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "gamefile/game_file.h"
#include "generate.h"
#include "picture_set.h"
#include "png_preview.h"
#include "similarity.h"

namespace {

constexpr int kDefaultPairs = scenegen::BuiltInPairCount();

struct Options {
  std::string output;
  std::string previewDir;
  int pairs = kDefaultPairs;
  std::optional<std::uint64_t> seed;  // a generated set instead of the built-in one
  scenegen::Difficulty difficulty = scenegen::Difficulty::Mittel;
  bool verbose = false;
  bool ok = true;
};

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--pairs" && i + 1 < argc) {
      o.pairs = std::atoi(argv[++i]);
    } else if (arg == "--seed" && i + 1 < argc) {
      o.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--difficulty" && i + 1 < argc) {
      const auto d = scenegen::ParseDifficulty(argv[++i]);
      o.ok = o.ok && d.has_value();
      if (d) o.difficulty = *d;
      if (!o.seed) o.seed = 1;
    } else if (arg == "--preview" && i + 1 < argc) {
      o.previewDir = argv[++i];
    } else if (arg == "--verbose") {
      o.verbose = true;
    } else if (o.output.empty() && !arg.starts_with("--")) {
      o.output = arg;
    } else {
      o.ok = false;
    }
  }
  o.ok = o.ok && !o.output.empty() && o.pairs >= 1 && o.pairs <= static_cast<int>(gamefile::kMaxPairsWritten);
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  if (!options.ok) {
    std::fprintf(stderr, "Aufruf: scenegen <Bilddatei.qxs> [--pairs 1..512] [--seed N] [--difficulty leicht|mittel|schwer]\n"
                 "                [--preview <Ordner>] [--verbose]\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  std::vector<scenegen::PicturePair> made;
  if (options.seed) {
    auto set = scenegen::GenerateSet({*options.seed, options.pairs, options.difficulty});
    if (!set) {
      std::fprintf(stderr, "scenegen: Für diesen Startwert fanden sich nicht für jedes Bildpaar fünf faire Unterschiede.\n");
      return 1;
    }
    made = std::move(*set);
  } else {
    auto set = scenegen::BuildBuiltInSet(options.pairs);
    if (!set) {
      std::fprintf(stderr, "scenegen: Für ein Bildpaar fanden sich keine fünf fairen Unterschiede.\n");
      return 1;
    }
    made = std::move(*set);
  }
  std::vector<scenegen::PicturePair> pairs;
  for (int i = 0; i < options.pairs; ++i) {
    auto pair = std::optional(std::move(made[static_cast<std::size_t>(i)]));
    if (options.verbose) {
      std::printf("Bildpaar %d: %s (Szene %u)\n", i + 1, pair->title.c_str(), pair->seed);
      for (const auto& d : pair->differences)
        std::printf("  %-14s Objekt %2d  (%d,%d)-(%d,%d)\n", scenegen::ChangeTypeName(d.change.type).c_str(),
                    static_cast<int>(d.change.after.kind), d.rect.x0, d.rect.y0, d.rect.x1, d.rect.y1);
    }
    if (!options.previewDir.empty()) {
      char name[64];
      std::snprintf(name, sizeof name, "/pair%02d.png", i + 1);
      scenegen::WritePairPreview(options.previewDir + name, *pair);
    }
    pairs.push_back(std::move(*pair));
  }
  if (!options.previewDir.empty()) scenegen::WriteContactSheet(options.previewDir + "/contact.png", pairs, 2);
  if (options.verbose) {
    std::vector<const scenegen::Pixels*> firsts;
    for (const auto& p : pairs) firsts.push_back(&p.first);
    const auto sim = scenegen::MeasureSimilarity(firsts, scenegen::kPictureWidth, scenegen::kPictureHeight);
    std::printf("Ähnlichkeit: Vorschaubilder höchstens %.3f (Paare %d und %d), im Mittel %.3f; "
                "Farben höchstens %.3f, im Mittel %.3f; Doppelgänger %d\n",
                sim.maxCorrelation, sim.closestA + 1, sim.closestB + 1, sim.meanCorrelation, sim.maxOverlap,
                sim.meanOverlap, sim.lookAlikes);
  }

  const gamefile::Status written = gamefile::WritePicturePairFile(options.output, scenegen::RecordsFor(pairs));
  if (!written) {
    std::fprintf(stderr, "scenegen: Die Datei %s konnte nicht geschrieben werden: %s\n", options.output.c_str(),
                 written.error().detail.c_str());
    return 1;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("scenegen: %d Bildpaare in %.1f s nach %s geschrieben.\n", options.pairs, seconds,
              options.output.c_str());
  return 0;
}
