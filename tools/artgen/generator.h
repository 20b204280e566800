#pragma once
// Produces the whole artwork of the data folder: the bitmaps of the image
// table and the built-in pictures file.
#include <cstdint>
#include <string>
#include <vector>

#include "text.h"

namespace artgen {

struct OutputFile {
  std::string path;  // relative to the data folder
  std::vector<std::uint8_t> bytes;
};

// Paints and encodes every file in memory. Fails only when a picture
// cannot be encoded; `problem` then says which one, in German.
bool GenerateArtwork(const Fonts& fonts, std::vector<OutputFile>& files, std::string& problem);

// Writes the files below dataDir, each one atomically, creating the
// folders as needed. On failure `problem` names the file, in German.
bool WriteOutputFiles(const std::string& dataDir, const std::vector<OutputFile>& files, std::string& problem);

}  // namespace artgen
