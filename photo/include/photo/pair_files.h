#pragma once
// The files a picture pair is kept in outside a game file: two JPEGs and a
// text file of the five rectangles, one "x1 x2 y1 y2" line each under a
// "# x1 x2 y1 y2" heading (the form qxtool extract writes).
#include <string>
#include <string_view>

#include "gamefile/game_file.h"
#include "gamefile/result.h"
#include "photo/differences.h"

namespace photo {

std::string RectsText(const gamefile::RectSet& rects);
// Lines starting with '#' and blank lines are skipped; exactly five lines
// of four whole numbers from 0 to 65535 must remain.
gamefile::Result<gamefile::RectSet> ParseRectsText(std::string_view text);
gamefile::Result<gamefile::RectSet> ReadRectsFile(const std::string& path);

struct PairPaths {
  std::string first;   // DIR/NAME_1.jpg
  std::string second;  // DIR/NAME_2.jpg
  std::string rects;   // DIR/NAME.txt
};
PairPaths PairPathsFor(const std::string& dir, const std::string& name);

// The photo's file name without folder and extension: "Strand" for
// "/fotos/Strand.jpeg".
std::string NameOfPhoto(const std::string& path);
// The folder a file lies in ("." for a bare name).
std::string FolderOf(const std::string& path);

// Writes the three files, each replaced whole or not at all.
gamefile::Status WritePair(const PhotoPair& pair, const PairPaths& paths);

}  // namespace photo

namespace photo {

// Both pictures side by side with the five rectangles drawn in each, as a
// PNG for looking the pair over before it goes into a game file.
gamefile::Status WritePreviewPng(const PhotoPair& pair, const std::string& path);

}  // namespace photo
