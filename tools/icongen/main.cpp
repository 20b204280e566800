// Draws the program icons of the launcher, the editor and the difference
// editor, and the decorative picture of the editor's main dialog, as PNG
// files below data/icons. Everything is drawn from shapes, so the output is
// the same on every build.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "canvas.h"

using icongen::Canvas;
using icongen::Colour;
using icongen::Mix;
using icongen::Solid;

namespace {

constexpr Colour kWhite{1, 1, 1, 1};
constexpr Colour kShadow{0.05, 0.05, 0.1, 0.35};
constexpr Colour kMarkRed{0.86, 0.12, 0.12, 1};
constexpr Colour kInk{0.12, 0.12, 0.16, 1};

// Shapes are designed on a 64-unit grid and scaled to the output size.
struct Scaled {
  Canvas& canvas;
  double s;
  double operator()(double units) const { return units * s; }
};

void Background(Scaled& u, Colour top, Colour bottom) {
  u.canvas.FillRoundedRect(u(2), u(3), u(62), u(63), u(11), Solid(kShadow));
  u.canvas.FillRoundedRect(u(2), u(1), u(62), u(61), u(11), [&](double, double y) {
    return Mix(top, bottom, y / u.canvas.height());
  });
}

// A small photograph: sky, sun, two hills and a white border.
void Photo(Scaled& u, double x0, double y0, double x1, double y1, bool variant) {
  u.canvas.FillRoundedRect(u(x0 + 0.6), u(y0 + 1.2), u(x1 + 0.6), u(y1 + 1.2), u(1.5), Solid(kShadow));
  u.canvas.FillRoundedRect(u(x0), u(y0), u(x1), u(y1), u(1.5), Solid(kWhite));
  const double b = 2.2, ix0 = x0 + b, iy0 = y0 + b, ix1 = x1 - b, iy1 = y1 - b;
  const double h = iy1 - iy0, w = ix1 - ix0;
  u.canvas.FillRoundedRect(u(ix0), u(iy0), u(ix1), u(iy1), u(0.5), [&](double, double y) {
    return Mix(Colour{0.45, 0.72, 0.95, 1}, Colour{0.85, 0.93, 1.0, 1}, (y - u(iy0)) / u(h));
  });
  const Colour sun = variant ? Colour{0.98, 0.55, 0.2, 1} : Colour{1.0, 0.85, 0.3, 1};
  u.canvas.FillCircle(u(ix0 + w * 0.72), u(iy0 + h * 0.3), u(h * 0.14), Solid(sun));
  u.canvas.FillPolygon({{u(ix0), u(iy1)}, {u(ix0), u(iy0 + h * 0.62)}, {u(ix0 + w * 0.35), u(iy0 + h * 0.45)},
                        {u(ix0 + w * 0.7), u(iy0 + h * 0.68)}, {u(ix1), u(iy0 + h * 0.58)}, {u(ix1), u(iy1)}},
                       [&](double, double y) {
                         return Mix(Colour{0.35, 0.68, 0.3, 1}, Colour{0.16, 0.42, 0.18, 1},
                                    (y - u(iy0 + h * 0.45)) / u(h * 0.55));
                       });
}

void Magnifier(Scaled& u, double cx, double cy, double r) {
  u.canvas.DrawLine(u(cx + r * 0.7), u(cy + r * 0.7), u(cx + r * 1.75), u(cy + r * 1.75), u(r * 0.55),
                    Colour{0.3, 0.2, 0.12, 1});
  u.canvas.FillCircle(u(cx), u(cy), u(r), Solid(Colour{0.85, 0.95, 1.0, 0.35}));
  u.canvas.FillRing(u(cx), u(cy), u(r), u(r * 0.78), Colour{0.2, 0.22, 0.28, 1});
  u.canvas.DrawLine(u(cx - r * 0.45), u(cy - r * 0.25), u(cx - r * 0.2), u(cy - r * 0.5), u(r * 0.18),
                    Colour{1, 1, 1, 0.8});
}

void DrawLauncherIcon(Canvas& canvas) {
  Scaled u{canvas, canvas.width() / 64.0};
  Background(u, Colour{0.1, 0.45, 0.55, 1}, Colour{0.04, 0.22, 0.32, 1});
  Photo(u, 7, 14, 31, 38, false);
  Photo(u, 33, 14, 57, 38, true);
  canvas.FillRing(u(50.5), u(22), u(4.2), u(3.0), kMarkRed);
  Magnifier(u, 30, 42, 9);
}

void DrawEditorIcon(Canvas& canvas) {
  Scaled u{canvas, canvas.width() / 64.0};
  Background(u, Colour{0.95, 0.6, 0.2, 1}, Colour{0.72, 0.32, 0.08, 1});
  Photo(u, 14, 8, 46, 34, true);
  Photo(u, 10, 14, 42, 40, false);
  Photo(u, 6, 20, 38, 46, false);
  // Pencil, from its tip at the lower right of the stack up to the corner.
  canvas.DrawLine(u(40), u(52), u(56), u(26), u(7.5), Colour{0.98, 0.8, 0.25, 1});
  canvas.DrawLine(u(53), u(31), u(56), u(26), u(7.5), Colour{0.9, 0.45, 0.45, 1});
  canvas.FillPolygon({{u(36.8), u(50.2)}, {u(43.3), u(54.2)}, {u(37.5), u(58.5)}},
                     Solid(Colour{0.93, 0.82, 0.65, 1}));
  canvas.FillPolygon({{u(37.2), u(55.6)}, {u(39.4), u(57)}, {u(37.5), u(58.5)}}, Solid(kInk));
}

void DrawWizardIcon(Canvas& canvas) {
  Scaled u{canvas, canvas.width() / 64.0};
  Background(u, Colour{0.5, 0.32, 0.72, 1}, Colour{0.26, 0.14, 0.45, 1});
  Photo(u, 7, 9, 57, 49, false);
  canvas.StrokeRect(u(30), u(23), u(46), u(37), u(2.2), kMarkRed);
  // Arrow cursor at the rectangle's lower right corner, as while dragging.
  canvas.FillPolygon({{u(44), u(35)}, {u(44), u(55)}, {u(48.5), u(50.5)}, {u(52), u(58)}, {u(55), u(56.5)},
                      {u(51.5), u(49.3)}, {u(57.5), u(49)}},
                     Solid(kInk));
  canvas.FillPolygon({{u(45.5), u(38.6)}, {u(45.5), u(51.6)}, {u(49), u(48)}, {u(52.6), u(55.6)},
                      {u(53.2), u(55.3)}, {u(49.8), u(47.8)}, {u(54), u(47.6)}},
                     Solid(kWhite));
}

// The editor's decorative picture: a framed pair of landscapes being searched.
void DrawEditorPicture(Canvas& canvas) {
  Scaled u{canvas, 1.0};
  canvas.FillRoundedRect(0, 0, 110, 100, 10, [](double, double y) {
    return Mix(Colour{0.98, 0.95, 0.88, 1}, Colour{0.9, 0.84, 0.72, 1}, y / 100);
  });
  Photo(u, 6, 12, 52, 62, false);
  Photo(u, 58, 12, 104, 62, true);
  canvas.FillRing(93, 22, 6, 4.5, kMarkRed);
  Magnifier(u, 48, 68, 14);
  for (int i = 0; i < 5; ++i) {
    const double cx = 12 + i * 9;
    canvas.FillCircle(cx, 90, 3.2, Solid(i < 3 ? Colour{0.2, 0.62, 0.3, 1} : Colour{0.7, 0.66, 0.58, 1}));
  }
}

bool Write(void (*draw)(Canvas&), int width, int height, const std::filesystem::path& path) {
  Canvas canvas(width, height);
  draw(canvas);
  if (canvas.WritePng(path.string())) return true;
  std::fprintf(stderr, "icongen: cannot write %s\n", path.c_str());
  return false;
}

std::string IconName(const char* program, int size) {
  char name[64];
  std::snprintf(name, sizeof name, "%s_%d.png", program, size);
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icongen DATA_DIR\n");
    return 2;
  }
  const std::filesystem::path icons = std::filesystem::path(argv[1]) / "icons";
  std::error_code error;
  std::filesystem::create_directories(icons, error);
  bool ok = true;
  for (int size : {16, 32, 48, 64, 128}) {
    ok &= Write(DrawLauncherIcon, size, size, icons / IconName("vistrel", size));
    ok &= Write(DrawEditorIcon, size, size, icons / IconName("editor", size));
    ok &= Write(DrawWizardIcon, size, size, icons / IconName("wizard", size));
  }
  ok &= Write(DrawEditorPicture, 110, 100, icons / "editor_picture.png");
  return ok ? 0 : 1;
}
