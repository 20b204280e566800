#pragma once
// Real photographs the tests use, from Debian packages the set-up installs,
// and small pictures made on the spot.
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gamefile/file_io.h"
#include "photo/fit.h"

namespace phototest {

inline const std::string kNature = "/usr/share/backgrounds/mate/nature/";
inline const std::string kSkimage = "/usr/lib/python3/dist-packages/skimage/data/";
inline const std::string kBeach = kNature + "Dune.jpg";
inline const std::string kLadybird = kNature + "LadyBird.jpg";
inline const std::string kCat = kSkimage + "chelsea.png";
inline const std::string kMotorcycle = kSkimage + "motorcycle_left.png";  // a busy workshop
inline const std::string kAstronaut = kSkimage + "astronaut.png";
inline const std::string kCoffee = kSkimage + "coffee.png";
inline const std::string kGreyCamera = kSkimage + "camera.png";

// Skips the test with the package to install when a photo is missing.
#define REQUIRE_PHOTO(path)                                                                              \
  if (!std::filesystem::exists(path))                                                                    \
  GTEST_SKIP() << "Foto fehlt: " << (path)                                                               \
               << " (Pakete mate-backgrounds und python3-skimage, scripts/install-deps.sh installiert sie)"

inline photo::Picture Plain(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  photo::Picture p;
  p.width = width;
  p.height = height;
  p.rgb.resize(static_cast<std::size_t>(width) * height * 3);
  for (std::size_t i = 0; i < p.rgb.size(); i += 3) p.rgb[i] = r, p.rgb[i + 1] = g, p.rgb[i + 2] = b;
  return p;
}

inline void Paint(photo::Picture& p, int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      std::uint8_t* px = &p.rgb[(static_cast<std::size_t>(y) * p.width + x) * 3];
      px[0] = r, px[1] = g, px[2] = b;
    }
}

inline double MeanLuma(const photo::Picture& p, int x0, int y0, int x1, int y1) {
  double sum = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const std::uint8_t* px = &p.rgb[(static_cast<std::size_t>(y) * p.width + x) * 3];
      sum += 0.299 * px[0] + 0.587 * px[1] + 0.114 * px[2];
    }
  return sum / ((x1 - x0) * (y1 - y0));
}

class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/vistrel-photo-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  ASSERT_TRUE(gamefile::WriteFileAtomically(path, bytes));
}

}  // namespace phototest
