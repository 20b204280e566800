#pragma once
// Lettering from the DejaVu fonts, turned into distance fields so text gets
// the same outlines, bevels and halos as every other shape.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shapes.h"

namespace artgen {

// A grid of signed distances (in output pixels) sampled `density` times
// per output pixel; (originX, originY) is where the grid's corner lies
// relative to the text's pen origin on the baseline.
struct DistanceField {
  int width = 0, height = 0;
  float density = 1;
  float originX = 0, originY = 0;
  std::vector<float> distance;
  float Sample(float x, float y) const;  // x, y relative to the pen origin
};

// A rendered line of text with its measures relative to the pen origin
// (baseline at y = 0, y grows downwards).
struct TextShape {
  DistanceField field;
  float advance = 0;
  float inkLeft = 0, inkRight = 0, inkTop = 0, inkBottom = 0;
  float inkWidth() const { return inkRight - inkLeft; }
  float inkHeight() const { return inkBottom - inkTop; }
  // The text as a shape with its pen origin at (x, baseline).
  Sdf At(float x, float baseline) const;
  // The text as a shape whose ink is centred on (cx, cy).
  Sdf CentredAt(float cx, float cy) const;
};

class Font {
 public:
  ~Font();
  Font(Font&&) noexcept;
  Font& operator=(Font&&) noexcept;
  // Empty when the file cannot be read as a font.
  static std::unique_ptr<Font> Open(const std::string& path);

  // Renders UTF-8 text at the given pixel size (the em), squeezed or widened
  // horizontally by xScale. `margin` output pixels of room are kept around
  // the ink for outlines and halos.
  TextShape Render(std::string_view utf8, float pixelSize, float xScale = 1.0f, float margin = 6.0f) const;

 private:
  struct Impl;
  explicit Font(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// The faces the artwork uses, loaded once.
struct Fonts {
  std::unique_ptr<Font> bold;           // DejaVuSans-Bold
  std::unique_ptr<Font> condensedBold;  // DejaVuSansCondensed-Bold
  std::unique_ptr<Font> serifBold;      // DejaVuSerif-Bold
  std::unique_ptr<Font> sans;           // DejaVuSans (symbols)
  std::unique_ptr<Font> monoBold;       // DejaVuSansMono-Bold (serifed narrow letters)
};

// Loads the faces from fontDir; on failure names the file it missed.
bool LoadFonts(const std::string& fontDir, Fonts& fonts, std::string& missing);

}  // namespace artgen
