#pragma once
// A round magnifying lens drawn into the back buffer: a disc showing part of
// an image enlarged, with a ring around it.
#include "platform/types.h"

namespace platform {

struct Platform;

struct Lens {
  int centreX = 0, centreY = 0;  // on the screen
  int radius = 0;                // of the disc, in screen pixels
  int zoom = 2;                  // screen pixels per image pixel
};

// Shows the image of `slot` around its pixel (imageX, imageY) enlarged in
// the disc. Outside the image the disc is black; outside the screen nothing
// is drawn. The ring is two pixels wide, just outside the disc.
void DrawLens(Platform& platform, const Lens& lens, int slot, int imageX, int imageY);

}  // namespace platform
