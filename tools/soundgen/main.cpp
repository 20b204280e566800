// soundgen: writes the game's music, effects and speech (data/mdat001.dat ..
// mdat040.dat) during the build. Usage: soundgen <data folder>
#include <chrono>
#include <cstdio>

#include "generator.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Aufruf: soundgen <Datenordner>\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  auto result = soundgen::GenerateSoundFiles(argv[1], [](const soundgen::GeneratedFile& f) {
    std::printf("%-12s %-8s %7.2f s  Spitze %6.1f dBFS  Pegel %6.1f dBFS  %8zu Bytes\n", f.name.c_str(),
                f.kind.c_str(), f.seconds, f.peakDb, f.activeRmsDb, f.bytes);
    std::fflush(stdout);
  });
  if (!result.ok()) {
    std::fprintf(stderr, "soundgen: %s\n", result.reason().c_str());
    return 1;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("soundgen: %d Dateien in %.1f s geschrieben\n", result.value(), seconds);
  return 0;
}
