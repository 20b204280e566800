// Collecting a scene's objects: draws, spacing, painting order and the
// picture's edges.
#include "placer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace scenegen {
namespace {

bool NeverMirrored(Kind, Rng&) { return false; }

// A rock whose painted pixels begin exactly `left` pixels from the picture's
// left edge and well below its top.
Item RockStartingAt(int left) {
  Item it;
  it.kind = Kind::Rock;
  it.x = 200, it.y = 200, it.size = 10;
  const Box b = ItemBounds(it);
  it.x += static_cast<float>(left - b.x0);
  return it;
}

TEST(PlacerMake, DrawsVariantFacingAndSeedInThatOrder) {
  Scene scene;
  Rng rng(77), expected(77);
  Placer placer(scene, rng);
  for (int i = 0; i < 20; ++i) {
    const Item it = placer.Make(Kind::Tree, 10.0f * i, 50 + i, 12, Rgb(10, 200, 30), {}, 3);
    EXPECT_EQ(it.variant, expected.Int(0, 2));
    EXPECT_EQ(it.mirrored, expected.Chance(0.5f));
    EXPECT_EQ(it.seed, static_cast<std::uint32_t>(expected.Next()));
    EXPECT_EQ(it.variants, 3);
    EXPECT_EQ(it.depth, it.y);
    EXPECT_EQ(it.x, 10.0f * i);
  }
  EXPECT_TRUE(scene.items.empty());  // making is not placing
}

TEST(PlacerMake, LeavesTheFacingToTheRulesAndTheirDraws) {
  Scene scene;
  Rng rng(5), expected(5);
  Placer placer(scene, rng, {.mirrored = NeverMirrored});
  for (int i = 0; i < 10; ++i) {
    const Item it = placer.Make(Kind::Pennant, 100, 100, 10, Rgb(200, 0, 0));
    EXPECT_FALSE(it.mirrored);
    EXPECT_EQ(it.variant, expected.Int(0, 1));
    EXPECT_EQ(it.seed, static_cast<std::uint32_t>(expected.Next()));  // no draw for the facing
  }
}

TEST(PlacerPlace, KeepsObjectsOfOneKindApart) {
  Scene scene;
  Rng rng(1);
  Placer placer(scene, rng);
  Item sheep = placer.Make(Kind::Sheep, 100, 300, 12, Rgb(240, 240, 230));
  EXPECT_TRUE(placer.Place(sheep, 40));
  sheep.x += 39;
  EXPECT_FALSE(placer.Place(sheep, 40)) << "too close to the first";
  sheep.x += 1;
  EXPECT_TRUE(placer.Place(sheep, 40)) << "exactly the spacing away is far enough";
  Item rock = sheep;
  rock.kind = Kind::Rock;
  EXPECT_TRUE(placer.Place(rock, 40)) << "another kind may stand on the same spot";
  EXPECT_TRUE(placer.Place(sheep)) << "no spacing asked for";
  EXPECT_EQ(scene.items.size(), 4u);
}

TEST(PlacerPlace, LeavesOutWhatLiesWhollyOutsideOnlyWhenTheRulesSaySo) {
  Item outside = RockStartingAt(0);
  outside.x -= 400;
  ASSERT_TRUE(ItemBounds(outside).Empty());
  Scene lenientScene, strictScene;
  Rng rng(2);
  Placer lenient(lenientScene, rng);
  Placer strict(strictScene, rng, {.dropOutOfView = true});
  EXPECT_TRUE(lenient.Place(outside));
  EXPECT_TRUE(lenient.Sky(outside));
  lenient.Fixed(outside);
  EXPECT_EQ(lenientScene.items.size(), 3u);
  EXPECT_FALSE(strict.Place(outside));
  EXPECT_FALSE(strict.Sky(outside));
  strict.Fixed(outside);
  EXPECT_TRUE(strictScene.items.empty());
  EXPECT_TRUE(strict.Place(RockStartingAt(5)));
}

TEST(PlacerDone, PaintsTheSkyFirstAndKeepsTheOrderOfEqualDepths) {
  Scene scene;
  Rng rng(3);
  Placer placer(scene, rng);
  Item near = placer.Make(Kind::Rock, 50, 400, 10, Rgb(1, 1, 1));
  Item far = placer.Make(Kind::Rock, 60, 250, 10, Rgb(2, 2, 2));
  Item bird = placer.Make(Kind::Bird, 70, 420, 6, Rgb(3, 3, 3));  // lower in the picture, yet in the sky
  Item sameDepth = placer.Make(Kind::Rock, 300, 250, 10, Rgb(4, 4, 4));
  placer.Place(near);
  placer.Place(far);
  EXPECT_TRUE(placer.Sky(bird));
  placer.Place(sameDepth);
  placer.Fixed(far);
  placer.Done();
  ASSERT_EQ(scene.items.size(), 5u);
  EXPECT_EQ(scene.items[0].kind, Kind::Bird);
  EXPECT_EQ(scene.items[0].depth, -1000 + 420.0f);
  EXPECT_EQ(scene.items[1].x, far.x);
  EXPECT_FALSE(scene.items[1].locked);
  EXPECT_EQ(scene.items[2].x, sameDepth.x);
  EXPECT_TRUE(scene.items[3].locked) << "the fixed copy, placed last of depth 250";
  EXPECT_EQ(scene.items[3].x, far.x);
  EXPECT_EQ(scene.items[4].x, near.x);
}

TEST(PlacerDone, KeepsThePlacingOrderAmongManyOfOneDepth) {
  Scene scene;
  Rng rng(10);
  Placer placer(scene, rng);
  for (int i = 0; i < 120; ++i) placer.Place(placer.Make(Kind::Flower, static_cast<float>(i), 300 - i % 3, 6, {}));
  placer.Done();
  ASSERT_EQ(scene.items.size(), 120u);
  for (std::size_t i = 1; i < scene.items.size(); ++i) {
    const Item& a = scene.items[i - 1];
    const Item& b = scene.items[i];
    ASSERT_LE(a.depth, b.depth);
    if (a.depth == b.depth) {
      ASSERT_LT(a.x, b.x) << "at " << i;
    }
  }
}

TEST(PlacerSky, KeepsItsOwnKindApartToo) {
  Scene scene;
  Rng rng(4);
  Placer placer(scene, rng);
  const Item planet = placer.Make(Kind::Planet, 100, 80, 10, Rgb(200, 100, 50));
  EXPECT_TRUE(placer.Sky(planet, 50));
  Item close = planet;
  close.y += 20;
  EXPECT_FALSE(placer.Sky(close, 50));
  EXPECT_EQ(scene.items.size(), 1u);
}

TEST(PlacerDone, MovesObjectsOffTheLeftEdgeOrLocksThem) {
  Scene scene;
  Rng rng(6);
  Placer placer(scene, rng, {.keepOffLeftAndTop = true});
  const Item grazing = RockStartingAt(0);  // reaches less than a pixel over the edge
  Item deep = RockStartingAt(0);
  deep.x -= 25;
  Item fixedOne = RockStartingAt(0);
  fixedOne.y += 60;
  const Item clear = RockStartingAt(40);
  placer.Place(grazing);
  placer.Place(deep);
  placer.Fixed(fixedOne);
  placer.Place(clear);
  placer.Done();
  ASSERT_EQ(scene.items.size(), 4u);
  // All at one depth, so they stay in the order they were placed.
  EXPECT_FALSE(scene.items[0].locked);
  EXPECT_GE(ItemBounds(scene.items[0]).x0, 1);
  EXPECT_EQ(scene.items[0].x, grazing.x + 1) << "moved by no more than it overhung";
  EXPECT_TRUE(scene.items[1].locked) << "far over the edge: part of the composition";
  EXPECT_EQ(scene.items[2].x, fixedOne.x) << "a fixed object is never moved";
  EXPECT_EQ(scene.items[3].x, clear.x);
  EXPECT_FALSE(scene.items[3].locked);
}

TEST(PlacerDone, LeavesEdgesAloneWithoutTheRule) {
  Scene scene;
  Rng rng(6);
  Placer placer(scene, rng);
  const Item deep = RockStartingAt(0);
  placer.Place(deep);
  placer.Spare(deep);
  placer.Done();
  ASSERT_EQ(scene.items.size(), 1u);
  EXPECT_EQ(scene.items[0].x, deep.x);
  EXPECT_FALSE(scene.items[0].locked);
  EXPECT_EQ(scene.spares.size(), 1u);
}

TEST(PlacerSpare, GivesUpOrNudgesSparesOnTheEdge) {
  Scene strictScene, nudgingScene;
  Rng rng(8);
  Placer strict(strictScene, rng, {.keepOffLeftAndTop = true});
  Placer nudging(nudgingScene, rng, {.keepOffLeftAndTop = true, .spareNudges = 40});
  const Item edge = RockStartingAt(0);
  strict.Spare(edge);
  strict.Spare(RockStartingAt(3));
  ASSERT_EQ(strictScene.spares.size(), 1u);
  EXPECT_EQ(ItemBounds(strictScene.spares[0]).x0, 3);

  nudging.Spare(edge);
  nudging.Spare(edge, true);
  ASSERT_EQ(nudgingScene.spares.size(), 2u);
  const Item& ground = nudgingScene.spares[0];
  EXPECT_EQ(ground.x, edge.x + 6);
  EXPECT_EQ(ground.y, edge.y);
  EXPECT_EQ(ground.depth, edge.depth);
  const Item& sky = nudgingScene.spares[1];
  EXPECT_EQ(sky.x, edge.x + 6);
  EXPECT_EQ(sky.y, edge.y + 3);
  EXPECT_EQ(sky.depth, -1000 + sky.y);
  EXPECT_TRUE(nudgingScene.items.empty());
}

TEST(PlacerSpare, GivesUpWhenNudgingCannotFreeIt) {
  Scene scene;
  Rng rng(9);
  Placer placer(scene, rng, {.keepOffLeftAndTop = true, .spareNudges = 3});
  Item deep = RockStartingAt(0);
  deep.x -= 20;  // three nudges of 6 pixels are not enough
  ASSERT_FALSE(ItemBounds(deep).Empty());
  placer.Spare(deep);
  EXPECT_TRUE(scene.spares.empty());
}

}  // namespace
}  // namespace scenegen
