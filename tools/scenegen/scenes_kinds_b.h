#pragma once
// Builders of the sea floor, the space station, the railway station, the
// circus, the bedroom, the library, the garden party and the building site.
// Each composes its scene from the generator it is given.
#include "noise.h"
#include "scene.h"

namespace scenegen {

Scene BuildUnderwater(Rng& r);
Scene BuildSpaceStation(Rng& r);
Scene BuildRailwayStation(Rng& r);
Scene BuildCircus(Rng& r);
Scene BuildBedroom(Rng& r);
Scene BuildLibrary(Rng& r);
Scene BuildGardenParty(Rng& r);
Scene BuildBuildingSite(Rng& r);

}  // namespace scenegen
