#pragma once
// The kinds of scene the picture set is made of, each composed from a seed.
#include <cstdint>
#include <string>

#include "scene.h"

namespace scenegen {

enum class SceneKind {
  Landscape, Harbour, Garden, Room, StillLife, City, Winter, Beach,
  Kitchen, Classroom, Market, Workshop, Playground, Farm, Forest, MountainVillage,
  // scenes_kinds_b.cpp
  Underwater,
  SpaceStation,
  RailwayStation,
  Circus,
  Bedroom,
  Library,
  GardenParty,
  BuildingSite,
};
inline constexpr int kSceneKindCount = 24;

std::string SceneKindName(SceneKind kind);
Scene BuildScene(SceneKind kind, std::uint32_t seed);

}  // namespace scenegen
