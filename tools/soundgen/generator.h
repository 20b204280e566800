#pragma once
// Builds every sound and music file of the data folder.
#include <functional>
#include <string>

#include "audio.h"

namespace soundgen {

struct GeneratedFile {
  std::string name;
  std::string kind;  // "Musik", "Effekt", "Sprache"
  double seconds;
  double peakDb;
  double activeRmsDb;
  std::size_t bytes;
};

using ProgressReport = std::function<void(const GeneratedFile&)>;

// Writes mdat001.dat .. mdat040.dat into outputDir (created if missing),
// each file atomically. Stops at the first failure and names it; files
// written before stay complete.
Outcome<int> GenerateSoundFiles(const std::string& outputDir, const ProgressReport& report);

}  // namespace soundgen
