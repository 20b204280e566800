#pragma once
// Is a picture pair fair to the player? Compares the two pictures of a pair,
// finds the places where they really differ (JPEG noise is not a change) and
// holds them against the five difference rectangles: a change no rectangle
// covers punishes a correct click, a rectangle around nothing rewards a
// lucky one. Shared by the editor, the difference editor and qxtool; knows
// no toolkit.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "gamefile/result.h"

namespace fairness {

// A decoded picture: 8-bit RGB rows without padding.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

// Decodes a JPEG held in memory. Fails (BadPicture) on anything TurboJPEG
// cannot decode or on absurd sizes.
gamefile::Result<Picture> DecodePicture(std::span<const std::uint8_t> jpeg);

// A box in picture pixels (the 488 x 430 JPEG), half-open: left <= x < right.
struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const Box&) const = default;
};

// One connected place of real change between the two pictures.
struct ChangedRegion {
  Box box;
  int pixels = 0;        // pixels that belong to it
  int strongPixels = 0;  // of those, pixels changed far beyond JPEG noise
};

// Where the two pictures really differ. Pictures of different sizes cannot
// be compared and give an empty map.
struct ChangeMap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> changed;  // 1 for a pixel of some region, row by row
  std::vector<std::uint8_t> strong;   // 1 for a pixel of some region changed beyond noise
  std::vector<ChangedRegion> regions;  // largest first
  // 1 for a pixel (of a region or not) whose brightness changed clearly:
  // what a greyscale copy of the two pictures still shows.
  std::vector<std::uint8_t> brighter;
  bool At(int x, int y) const { return changed[static_cast<std::size_t>(y) * width + x] != 0; }
};
ChangeMap FindChanges(const Picture& first, const Picture& second);

// The thresholds, measured on re-encoded pictures (see fairness.cpp).
inline constexpr int kStrongStep = 24;        // beyond the largest noise measured
inline constexpr int kWeakStep = 12;          // a change's extent: its connected pixels this far apart
inline constexpr int kMinStrongPixels = 20;   // fewer strong pixels in one place are noise
inline constexpr int kMinUncoveredPixels = 20;  // an uncovered rest smaller than this is a change's fringe
inline constexpr int kMinRectSide = 24;

// Which picture pixels a click inside a stored rectangle can reach. The game
// shows the 488 pixels wide picture stretched to 490 and counts a click at
// picture-local (X, Y) for rectangle (x1, x2, y1, y2) only when
// x1 < X < x2 and y1 < Y < y2; the box holds the picture pixels shown at
// such points. Empty when no click can find the rectangle.
Box ClickableBox(const gamefile::Rect& rect, int pictureWidth = 488, int pictureHeight = 430);
// The smallest stored rectangle whose clickable pixels include `box`, as far
// as the picture's edges allow.
gamefile::Rect RectCovering(const Box& box, int pictureWidth = 488, int pictureHeight = 430);

// A rectangle counts as drawn when it has an area; the difference editor
// stores an untouched one as four zeros.
bool IsDrawn(const gamefile::Rect& rect);

enum class ProblemKind {
  Undecodable,   // a picture cannot be decoded, or the sizes differ
  Unmarked,      // a change no rectangle covers
  EmptyRect,     // a rectangle in which nothing changed
  SmallRect,     // narrower or lower than kMinRectSide
  Overlap,       // two rectangles share an area
  TooFewRects,   // fewer than five rectangles drawn
};

struct Problem {
  ProblemKind kind = ProblemKind::Unmarked;
  int rect = -1;   // 0-based rectangle for EmptyRect, SmallRect, Overlap
  int other = -1;  // the second rectangle of an Overlap
  int picture = 0;  // 1 or 2 for Undecodable (0: the sizes differ)
  Box where;       // the uncovered change for Unmarked
  int drawn = 0;   // rectangles drawn, for TooFewRects
  bool operator==(const Problem& o) const {
    return kind == o.kind && rect == o.rect && other == o.other && picture == o.picture && where == o.where &&
           drawn == o.drawn;
  }
};

// Checks one pair: `rects` are those of its first picture, the ones the
// game tests clicks against. Problems come in a fixed order: undecodable,
// too few, small, overlapping, empty, unmarked (largest first).
std::vector<Problem> CheckPair(const gamefile::RectSet& rects, const Picture& first, const Picture& second);
std::vector<Problem> CheckPair(const gamefile::RectSet& rects, std::span<const std::uint8_t> firstJpeg,
                               std::span<const std::uint8_t> secondJpeg);

// One German line per problem, rectangles numbered "Fehler 1" to "Fehler 5"
// as the difference editor names them, positions in picture pixels as its
// "X" and "Y" fields show them.
std::string DescribeProblem(const Problem& problem);

// Colour without brightness --------------------------------------------------
//
// About one man in twelve tells red from green hardly or not at all. A
// change of hue alone (a green tree turned red at the same brightness) is
// invisible to him, so every difference should also change brightness. A
// change is "colour only" when few of its changed pixels move clearly in
// brightness: what a greyscale copy of the picture would still show. It is
// a hint to the maker, not a fault: the game can play such a pair.
//
// Measured on the 40 pairs of the first built-in picture set: re-encoding
// its 80 pictures at JPEG quality 50, 75 and 90 (4:2:0) moved no pixel's
// 3 x 3 smoothed brightness by 20 steps, so kClearLumaStep counts no noise.
// Its differences split in two groups: 0 to 3 % of the changed pixels
// clearly brighter or darker (hue swaps) or 13 to 23 % (low-contrast
// recolours, hard to see in a greyscale copy), against 25 % and more for the
// others; 14 of its 200 differences are hinted.
inline constexpr int kClearLumaStep = 20;           // brightness steps (of 255), beyond JPEG noise
inline constexpr int kMinBrightPercent = 25;        // of a change's pixels
inline constexpr int kMinBrightPixels = 25;         // however large the share: a very small change

struct ColourWarning {
  int rect = -1;          // 0-based rectangle of the difference; -1 for an unmarked change
  Box where;              // the change, in picture pixels
  int pixels = 0;         // its changed pixels
  int brightPixels = 0;   // of those, pixels whose brightness changed clearly
  int BrightPercent() const { return pixels > 0 ? brightPixels * 100 / pixels : 0; }
  bool operator==(const ColourWarning&) const = default;
};

// Every difference of the pair that is colour only: the changes inside each
// drawn rectangle measured together, in rectangle order, then the unmarked
// changes one by one.
std::vector<ColourWarning> FindColourOnlyChanges(const gamefile::RectSet& rects, const ChangeMap& map);

// The whole review of one pair: the problems (which make it unfair) and the
// colour hints (which do not), from one comparison of the two pictures.
struct PairReview {
  std::vector<Problem> problems;
  std::vector<ColourWarning> warnings;
};
PairReview ReviewPair(const gamefile::RectSet& rects, const Picture& first, const Picture& second);
PairReview ReviewPair(const gamefile::RectSet& rects, std::span<const std::uint8_t> firstJpeg,
                      std::span<const std::uint8_t> secondJpeg);

// One German line per hint, and the explanation shown once below them.
std::string DescribeWarning(const ColourWarning& warning);
// Lines end in "\n", short enough for a report window.
inline constexpr const char* kColourWarningExplanation =
    "Etwa jeder zwölfte Mann kann Rot und Grün kaum unterscheiden. Ein Unterschied,\n"
    "der nur die Farbe ändert und nicht die Helligkeit, ist für ihn unsichtbar.\n"
    "Ändern sie auch die Helligkeit, so dass der Unterschied in einer Schwarzweiß-Kopie\n"
    "des Bildes zu sehen ist (z. B. hell gegen dunkel statt rot gegen grün).\n"
    "Das Spiel kann die Bilderpaare trotzdem spielen.\n";

// Suggestions for the rectangles still empty: the largest changes that no
// drawn rectangle covers, each padded by kSuggestPadding pixels, inside the
// picture, overlapping neither a drawn rectangle nor each other. Drawn
// rectangles are returned unchanged; a rectangle stays empty when no
// change is left for it.
inline constexpr int kSuggestPadding = 4;
gamefile::RectSet SuggestRects(const gamefile::RectSet& rects, const Picture& first, const Picture& second);

}  // namespace fairness
