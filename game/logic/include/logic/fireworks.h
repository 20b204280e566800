#pragma once
// The sparks shared by the high-score and credits fireworks: how a spark
// moves, when it has left the scene, and the speeds a restarted spark gets.
#include "logic/game_state.h"

namespace platform {
struct Platform;
}

namespace logic {

// Moves the spark by its speeds; the direction chooses the signs
// (0: +x +y, 1: -x -y, 2: +x -y, 3: -x +y).
void MoveSpark(Spark& spark);

// Far enough outside the screen to start again.
bool SparkLeftTheScene(const Spark& spark);

// New speeds for a restarted spark: vx 0..6 (6 only rarely), vy 0..10,
// drawn again until the spark moves at all (vx + vy >= 1).
void DrawSparkSpeeds(RandomGenerator& random, Spark& spark);

// Parks every spark far outside, so all of them start in the next frame.
template <std::size_t N>
void ParkSparks(std::array<Spark, N>& sparks) {
  for (Spark& spark : sparks) {
    spark.x = 4000.0;
    spark.y = 4000.0;
  }
}

// Draws image slot 94 + colour keyed, as a square of the spark's size.
void DrawSpark(platform::Platform& platform, const Spark& spark);

}  // namespace logic
