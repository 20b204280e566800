#pragma once
// The catalogue of data files loaded at start-up and their table positions.
#include <functional>
#include <string>
#include <vector>

namespace platform {

struct Platform;

// One row of the bitmap catalogue, in load order.
struct BitmapEntry {
  int slot;
  std::string path;
  int width;
  int height;
  bool blackTransparent;
};
std::vector<BitmapEntry> BitmapCatalogue();

// The data file path of music track `track` (0..7), sound buffer `buffer`
// (0..32; empty for 26) and the name the missing-file message gives it.
std::string MusicTrackPath(int track);
std::string SoundBufferPath(int buffer);
std::string MessageNameForPath(const std::string& path);

// Opens the eight music tracks, then loads the 32 sound buffers. On a
// missing or damaged file shows the missing-file message, sets
// platform.endRequested and returns false.
bool LoadSoundAndMusic(Platform& platform);

// Loads the eight built-in pictures of data//igdata.qxs and every bitmap of
// the catalogue into the image table. `chooseGameFile` (the game logic's
// choice of game file) runs first when given. On any failure shows the
// message, sets platform.endRequested and returns false.
bool LoadAssets(Platform& platform, const std::function<void()>& chooseGameFile = {});

}  // namespace platform
