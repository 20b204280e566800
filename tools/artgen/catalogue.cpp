#include "catalogue.h"

#include <cstdio>

namespace artgen {

namespace {

std::string Numbered(const char* pattern, int n) {
  char name[64];
  std::snprintf(name, sizeof name, pattern, n);
  return name;
}

std::vector<BitmapEntry> BuildCatalogue() {
  std::vector<BitmapEntry> rows = {
      {"data001.dat", 383, 70, true, 0},   {"data002.dat", 934, 12, true, 3},
      {"data003.dat", 583, 114, true, 4},  {"data004.dat", 577, 219, true, 5},
      {"data005.dat", 81, 40, true, 6},    {"data006.dat", 81, 40, true, 7},
      {"data007.dat", 28, 35, true, 8},    {"data008.dat", 201, 24, true, 9},
  };
  for (int n = 9; n <= 18; ++n) rows.push_back({Numbered("data%03d.dat", n), 40, 45, true, n == 18 ? 10 : n + 2});
  rows.push_back({"data019.dat", 40, 45, true, 20});
  rows.push_back({"data020.dat", 110, 100, true, 21});
  rows.push_back({"data021.dat", 490, 430, true, 22});
  for (int n = 1; n <= 27; ++n) rows.push_back({Numbered("qxdata/%d.dat", n), 25, 25, true, 29 + n});
  for (int n = 1; n <= 26; ++n) rows.push_back({Numbered("qxdata/l_%d.dat", n), 25, 25, true, 59 + n});
  for (int n = 1; n <= 8; ++n) rows.push_back({Numbered("qxdata_0/data%03d.dat", n), 125, 125, true, 85 + n});
  for (int n = 22; n <= 27; ++n) rows.push_back({Numbered("data%03d.dat", n), 74, 71, true, 72 + n});
  for (int n = 28; n <= 31; ++n) rows.push_back({Numbered("data%03d.dat", n), 32, 30, false, 72 + n});
  rows.push_back({"data032.dat", 31, 16, true, 104});
  rows.push_back({"data033.dat", 301, 19, false, 105});
  rows.push_back({"data034.dat", 32, 30, false, 106});
  rows.push_back({"data035.dat", 32, 30, false, 107});
  return rows;
}

}  // namespace

const std::vector<BitmapEntry>& BitmapCatalogue() {
  static const std::vector<BitmapEntry> rows = BuildCatalogue();
  return rows;
}

const std::vector<PictureEntry>& BuiltInPictures() {
  // Play background, high-score background (tiles vertically), menu
  // background, the panorama that is stretched to 20480 x 1536, the three
  // credits pictures and the title card.
  static const std::vector<PictureEntry> pictures = {
      {25, 1024, 768}, {26, 1024, 768}, {27, 1024, 768}, {28, 2048, 768},
      {108, 300, 200}, {109, 320, 240}, {110, 320, 240}, {111, 488, 430},
  };
  return pictures;
}

}  // namespace artgen
