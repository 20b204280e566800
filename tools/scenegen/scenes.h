#pragma once
// The kinds of scene the picture set is made of, each composed from a seed.
#include <cstdint>
#include <string>

#include "scene.h"

namespace scenegen {

enum class SceneKind {
  Landscape,
  Harbour,
  Garden,
  Room,
  StillLife,
  City,
  Winter,
  Beach,
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
inline constexpr int kSceneKindCount = 16;

std::string SceneKindName(SceneKind kind);
Scene BuildScene(SceneKind kind, std::uint32_t seed);

}  // namespace scenegen
