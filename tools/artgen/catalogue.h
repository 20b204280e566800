#pragma once
// Every file the generator writes below the data folder, with the size the
// game loads it at and whether the game treats black as transparent. The
// tests walk the same table.
#include <string>
#include <vector>

namespace artgen {

struct BitmapEntry {
  std::string path;  // relative to the data folder
  int width;
  int height;
  bool keyed;        // black is the transparent colour
  int firstSlot;     // image slot the game loads it into
};

const std::vector<BitmapEntry>& BitmapCatalogue();

// The eight pictures of igdata.qxs in file order, with the image slot each
// goes to and the size the game decodes it at (the record's size fields).
struct PictureEntry {
  int slot;
  int width;
  int height;
};

const std::vector<PictureEntry>& BuiltInPictures();

inline constexpr const char* kBuiltInPicturesFile = "igdata.qxs";

// The intro spells this title with eleven tiles made from eight letter
// images: qxdata_0/data00N.dat holds the N-th letter of kTitleLetters.
inline constexpr const char* kTitle = "FEHLERSUCHE";
inline constexpr const char* kTitleLetters = "FEHLRSUC";

}  // namespace artgen
