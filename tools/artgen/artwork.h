#pragma once
// The painters: each returns one finished image at its catalogue size.
#include "canvas.h"
#include "text.h"

namespace artgen {

// Lettering (glyphs.cpp).
RgbImage PaintLetter(const Fonts& fonts, char letter);  // 'A'..'Z', 'a'..'z', 25 x 25
RgbImage PaintCursorMark();                             // 25 x 25
RgbImage PaintDigit(const Fonts& fonts, int digit);     // 40 x 45
RgbImage PaintColon();                                  // 40 x 45
RgbImage PaintTitleLetter(const Fonts& fonts, char letter);  // 125 x 125

// Sprites and panels (sprites.cpp).
RgbImage PaintMenuHighlight();                    // 383 x 70
RgbImage PaintTimeBar();                          // 934 x 12
RgbImage PaintReadyBanner(const Fonts& fonts);    // 583 x 114
RgbImage PaintSearchBanner(const Fonts& fonts);   // 577 x 219
RgbImage PaintHitMarker(const Fonts& fonts);      // 81 x 40
RgbImage PaintMissMarker(const Fonts& fonts);     // 81 x 40
RgbImage PaintCursor();                           // 28 x 35
RgbImage PaintCreditsEnd(const Fonts& fonts);     // 201 x 24
RgbImage PaintLogo(const Fonts& fonts);           // 110 x 100
RgbImage PaintPictureCover();                     // 490 x 430
RgbImage PaintParticle(int colour);               // 74 x 71, colours 0..5

enum class SwitchKind { Music, Effects, Speech };
RgbImage PaintSwitch(const Fonts& fonts, SwitchKind kind, bool on);  // 32 x 30
RgbImage PaintKnob();                                                 // 31 x 16
RgbImage PaintSliderBar();                                            // 301 x 19

// Built-in pictures (scenes.cpp), encoded as JPEG by the caller.
RgbImage PaintPlayBackground(const Fonts& fonts);        // 1024 x 768
RgbImage PaintHighScoreBackground();                     // 1024 x 768, tiles vertically
RgbImage PaintMenuBackground(const Fonts& fonts);        // 1024 x 768
RgbImage PaintPanorama();                                // 2048 x 768, shown stretched
RgbImage PaintMusicCredit(const Fonts& fonts);           // 300 x 200
RgbImage PaintProgrammingCredit(const Fonts& fonts);     // 320 x 240
RgbImage PaintGraphicsCredit(const Fonts& fonts);        // 320 x 240
RgbImage PaintTitleCard(const Fonts& fonts);             // 488 x 430

}  // namespace artgen
