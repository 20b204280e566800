#include "placer.h"

#include <algorithm>
#include <cmath>

namespace scenegen {

namespace {

constexpr float kSkyDepth = -1000;

bool TouchesLeftOrTop(const Item& it) {
  const Box b = ItemBounds(it);
  return b.x0 < 1 || b.y0 < 1;
}

// The measured box ends at the picture's edges, so all it tells of an object
// there is that it reaches the first column or row. Moving it in by a pixel
// frees one that only just reaches it; one that still touches the edge
// belongs to the composition and is never changed.
void KeepOffLeftAndTop(Item& it) {
  if (it.locked || !TouchesLeftOrTop(it)) return;
  const Box b = ItemBounds(it);
  if (b.x0 < 1) it.x += 1;
  if (b.y0 < 1) it.y += 1;
  if (TouchesLeftOrTop(it)) it.locked = true;
}

}  // namespace

bool MirrorHalf(Kind, Rng& rng) { return rng.Chance(0.5f); }

Item Placer::Make(Kind kind, float x, float y, float size, Color color, Color accent, int variants) {
  Item it;
  it.kind = kind;
  it.x = x, it.y = y, it.size = size;
  it.color = color, it.accent = accent;
  it.variant = rng_.Int(0, variants - 1);
  it.variants = variants;
  it.mirrored = rules_.mirrored(kind, rng_);
  it.seed = static_cast<std::uint32_t>(rng_.Next());
  it.depth = y;
  return it;
}

bool Placer::Place(Item it, float spacing) {
  if (!Visible(it)) return false;
  if (spacing > 0)
    for (const Item& other : scene_.items)
      if (other.kind == it.kind && std::hypot(other.x - it.x, other.y - it.y) < spacing) return false;
  scene_.items.push_back(it);
  return true;
}

bool Placer::Sky(Item it, float spacing) {
  it.depth = kSkyDepth + it.y;
  return Place(it, spacing);
}

void Placer::Fixed(Item it) {
  if (!Visible(it)) return;
  it.locked = true;
  scene_.items.push_back(it);
}

void Placer::Spare(Item it, bool sky) {
  if (sky) it.depth = kSkyDepth + it.y;
  if (!rules_.keepOffLeftAndTop) {
    scene_.spares.push_back(it);
    return;
  }
  // Moved away from the edge rather than lost, where the builder allows it.
  for (int step = 0; step < rules_.spareNudges && TouchesLeftOrTop(it); ++step) {
    it.x += 6;
    if (sky) it.y += 3, it.depth = kSkyDepth + it.y;
  }
  if (!TouchesLeftOrTop(it)) scene_.spares.push_back(it);
}

void Placer::Done() {
  if (rules_.keepOffLeftAndTop)
    for (Item& it : scene_.items) KeepOffLeftAndTop(it);
  std::stable_sort(scene_.items.begin(), scene_.items.end(),
                   [](const Item& a, const Item& b) { return a.depth < b.depth; });
}

bool Placer::Visible(const Item& it) const {
  return !rules_.dropOutOfView || !Intersect(ItemBounds(it), Box{0, 0, kPictureWidth, kPictureHeight}).Empty();
}

}  // namespace scenegen
