#pragma once
// Collects a scene's objects while a builder composes it: gives each object
// its shape variant, facing and seed, keeps objects of one kind apart, and
// at the end puts them in painting order. Builders differ only in a few
// rules about facing and the picture's edges, which they hand in.
#include <cstdint>

#include "noise.h"
#include "scene.h"

namespace scenegen {

// Half of all objects face the other way.
bool MirrorHalf(Kind kind, Rng& rng);

struct PlacementRules {
  // Whether a new object faces the other way. It may draw from the
  // generator or not, so each builder keeps the order of its draws.
  bool (*mirrored)(Kind kind, Rng& rng) = MirrorHalf;
  // Leaves out objects wholly outside the picture: they would only make
  // differences nobody can see.
  bool dropOutOfView = false;
  // No rectangle can begin in the picture's first column or row, so nothing
  // changeable may be drawn there: a placed object that just reaches that
  // edge is moved in, one that reaches far over becomes part of the
  // composition, and a spare that touches it is given up. What would only
  // reach the edge once moved or enlarged stays changeable: the difference
  // finder refuses that one change itself.
  bool keepOffLeftAndTop = false;
  // How often a spare touching that edge is moved 6 pixels right (and 3
  // down, if it floats) before it is given up.
  int spareNudges = 0;
};

class Placer {
 public:
  Placer(Scene& scene, Rng& rng, PlacementRules rules = {}) : scene_(scene), rng_(rng), rules_(rules) {}

  Item Make(Kind kind, float x, float y, float size, Color color, Color accent = {0.8f, 0.8f, 0.8f}, int variants = 2);
  // Places an object unless one of its kind stands within `spacing` pixels,
  // so a scene does not pile up in one spot. False when it was left out.
  bool Place(Item it, float spacing = 0);
  // Things in the sky or the water, painted before everything on the ground.
  bool Sky(Item it, float spacing = 0);
  // Part of the composition: never changed.
  void Fixed(Item it);
  // An object that fits the scene but is not in it, for differences that add.
  void Spare(Item it, bool sky = false);
  // Puts the objects in painting order; call once, when all are placed.
  void Done();
  Rng& rng() { return rng_; }

 private:
  bool Visible(const Item& it) const;

  Scene& scene_;
  Rng& rng_;
  PlacementRules rules_;
};

}  // namespace scenegen
