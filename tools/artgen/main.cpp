// artgen: paints the game's artwork and writes it into a data folder.
//   artgen DATA_DIR [FONT_DIR]
#include <cstdio>
#include <string>
#include <vector>

#include "generator.h"
#include "text.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "Aufruf: artgen DATENORDNER [SCHRIFTORDNER]\n");
    return 2;
  }
  const std::string dataDir = argv[1];
  const std::string fontDir = argc == 3 ? argv[2] : "/usr/share/fonts/truetype/dejavu";

  artgen::Fonts fonts;
  std::string problem;
  if (!artgen::LoadFonts(fontDir, fonts, problem)) {
    std::fprintf(stderr, "artgen: Die Schrift %s fehlt (Paket fonts-dejavu-core).\n", problem.c_str());
    return 1;
  }
  std::vector<artgen::OutputFile> files;
  if (!artgen::GenerateArtwork(fonts, files, problem) || !artgen::WriteOutputFiles(dataDir, files, problem)) {
    std::fprintf(stderr, "artgen: %s\n", problem.c_str());
    return 1;
  }
  std::printf("artgen: %zu Dateien in %s geschrieben.\n", files.size(), dataDir.c_str());
  return 0;
}
