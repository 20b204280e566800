#include "catalogue.h"

#include <cstdio>

#include "speech.h"

namespace soundgen {

std::string DataFileName(int fileNumber) {
  char name[16];
  std::snprintf(name, sizeof name, "mdat%03d.dat", fileNumber);
  return name;
}

bool IsSpeechBuffer(int buffer) {
  for (const SpeechLine& line : SpeechLines()) {
    if (line.buffer == buffer) return true;
  }
  return false;
}

std::vector<AssetEntry> SoundCatalogue() {
  std::vector<AssetEntry> entries;
  for (int file = kFirstFile; file <= kLastFile; ++file) {
    if (file <= 7) {
      entries.push_back({file, AssetKind::Music, file - 1});
    } else if (file == 40) {
      entries.push_back({file, AssetKind::Music, 7});
    } else {
      const int buffer = file <= 33 ? file - 8 : file - 7;
      entries.push_back({file, IsSpeechBuffer(buffer) ? AssetKind::Speech : AssetKind::Effect, buffer});
    }
  }
  return entries;
}

}  // namespace soundgen
