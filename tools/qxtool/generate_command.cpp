#include "generate_command.h"

#include <charconv>
#include <optional>
#include <ostream>

#include "generated_game_file.h"

namespace qxtool {
namespace {

struct GenerateArguments {
  scenegen::SetRequest request;
  bool seedGiven = false;
  std::string nameFilePath;
};

template <typename Number>
std::optional<Number> ParseNumber(const std::string& text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// A name without any extension gets ".vst", as the editor's save dialog
// gives it.
std::string WithGameFileExtension(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
  if (fileName.empty() || fileName.find('.') != std::string::npos) return path;
  return path + ".vst";
}

// The arguments, or a German line saying what is wrong with them.
std::optional<GenerateArguments> Parse(const std::vector<std::string>& args, std::string& problem) {
  GenerateArguments parsed;
  parsed.request.pairs = scenegen::kDefaultGeneratedPairs;
  parsed.request.difficulty = scenegen::Difficulty::Mittel;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool isOption = arg == "--seed" || arg == "--pairs" || arg == "--difficulty";
    if (isOption && i + 1 == args.size()) {
      problem = arg + " braucht einen Wert.";
      return std::nullopt;
    }
    if (arg == "--seed") {
      const auto seed = ParseNumber<std::uint64_t>(args[++i]);
      if (!seed) {
        problem = "--seed braucht eine ganze Zahl von 0 bis 18446744073709551615.";
        return std::nullopt;
      }
      parsed.request.seed = *seed;
      parsed.seedGiven = true;
    } else if (arg == "--pairs") {
      const auto pairs = ParseNumber<int>(args[++i]);
      if (!pairs || *pairs < scenegen::kMinGeneratedPairs || *pairs > scenegen::kMaxGeneratedPairs) {
        problem = "--pairs braucht eine Zahl von 1 bis 512.";
        return std::nullopt;
      }
      parsed.request.pairs = *pairs;
    } else if (arg == "--difficulty") {
      const auto difficulty = scenegen::ParseDifficulty(args[++i]);
      if (!difficulty) {
        problem = "--difficulty braucht leicht, mittel oder schwer.";
        return std::nullopt;
      }
      parsed.request.difficulty = *difficulty;
    } else if (arg.size() > 1 && arg[0] == '-') {
      problem = "Unbekannte Angabe: " + arg;
      return std::nullopt;
    } else if (parsed.nameFilePath.empty()) {
      parsed.nameFilePath = WithGameFileExtension(arg);
    } else {
      problem = "Nur eine Namensdatei angeben.";
      return std::nullopt;
    }
  }
  if (parsed.nameFilePath.empty()) {
    problem = "Es fehlt der Name der neuen Spieldatei (NAME.vst).";
    return std::nullopt;
  }
  return parsed;
}

}  // namespace

int Generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool showProgress) {
  std::string problem;
  std::optional<GenerateArguments> parsed = Parse(args, problem);
  if (!parsed) {
    err << problem << "\n"
        << "Aufruf: qxtool generate [--seed N] [--pairs N] [--difficulty leicht|mittel|schwer] NAME.vst\n";
    return 2;
  }
  scenegen::SetRequest& request = parsed->request;
  if (!parsed->seedGiven) {
    request.seed = scenegen::FreshSeed();
    out << "Startwert " << request.seed << " (zufällig gewählt; --seed " << request.seed
        << " ergibt dieselben Bilder).\n";
  }
  const auto result = scenegen::WriteGeneratedGameFile(request, parsed->nameFilePath, [&](int done, int total) {
    if (showProgress) err << "\rBilderpaar " << done << " von " << total << (done == total ? "\n" : "") << std::flush;
    return true;
  });
  if (result.outcome != scenegen::GenerateOutcome::Written) {
    err << result.message << "\n";
    return 1;
  }
  out << "Geschrieben: " << parsed->nameFilePath << " und " << gamefile::PicturePairPathFor(parsed->nameFilePath)
      << " (" << request.pairs << (request.pairs == 1 ? " Bilderpaar" : " Bilderpaare") << ", Schwierigkeit "
      << scenegen::DifficultyName(request.difficulty) << ", Startwert " << request.seed << ").\n";
  return 0;
}

}  // namespace qxtool
