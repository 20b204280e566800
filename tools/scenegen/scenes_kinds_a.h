#pragma once
// The kitchen, classroom, market, workshop, playground, farm, forest and
// mountain village: each composed afresh from a seed, so that two pictures
// of one kind differ in viewpoint, layout, objects, light, season and
// palette rather than in a few moved things.
#include "noise.h"
#include "scenes.h"

namespace scenegen {

Scene BuildKindA(SceneKind kind, Rng& r);

}  // namespace scenegen
