#include "logic/fireworks.h"

#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace logic {
namespace {

namespace asset = platform::asset;
}

void MoveSpark(Spark& spark) {
  switch (spark.direction) {
    case 0: spark.x += spark.vx; spark.y += spark.vy; break;
    case 1: spark.x -= spark.vx; spark.y -= spark.vy; break;
    case 2: spark.x += spark.vx; spark.y -= spark.vy; break;
    default: spark.x -= spark.vx; spark.y += spark.vy; break;
  }
}

bool SparkLeftTheScene(const Spark& spark) {
  return spark.x > 2500 || spark.x < -1500 || spark.y < -1500 || spark.y > 2200;
}

void DrawSparkSpeeds(RandomGenerator& random, Spark& spark) {
  do {
    const int a = RandomBetween(random, 0, 5);
    const int b = RandomBetween(random, 0, 10);
    RandomBetween(random, 0, 5);  // drawn but unused; keeps the sequence of draws
    const int d = RandomBetween(random, 0, 10);
    spark.vx = a + (b == 10 ? 1 : 0);
    spark.vy = d;
  } while (spark.vx + spark.vy < 1);
}

void DrawSpark(platform::Platform& platform, const Spark& spark) {
  const int size = static_cast<int>(spark.size);
  const platform::Rect rect{static_cast<int>(spark.x), static_cast<int>(spark.y),
                            static_cast<int>(spark.x + size), static_cast<int>(spark.y + size)};
  platform::DrawSlotKeyed(platform, rect, asset::kFirstColourSlot + spark.colour % asset::kColourCount);
}

}  // namespace logic
