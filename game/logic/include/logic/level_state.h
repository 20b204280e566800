#pragma once
// The parts of the program-wide game record that belong to one level: the
// chosen game file, the level values, the play screen and the two end screens.
// The game record (game_state.h) holds one of each, next to the screen flow's
// own values. Expected members there:
//   GameFileChoice gameFile;  LevelValues level;  PlayScreenState play;
//   LevelEndState levelEnd;   RandomGenerator random;  bool buttonReleaseLatch;
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "logic/random.h"

namespace logic {

// Level phases: 0..159 intro part A, 160..259 intro part B, 260 start of the
// search, 261 searching, then one of the two end phases.
inline constexpr int kPhaseIntroA = 0;
inline constexpr int kPhaseIntroB = 160;
inline constexpr int kPhaseSearchStart = 260;
inline constexpr int kPhaseSearching = 261;
inline constexpr int kPhaseLevelComplete = -1;
inline constexpr int kPhaseTimeOver = -2;

inline constexpr int kDifferences = 5;
inline constexpr int kRectCapacity = 10;     // only the first five are used
inline constexpr int kClickMarkers = 10;
inline constexpr int kParticleBursts = 10;
inline constexpr int kParticlesPerBurst = 13;
inline constexpr int kConfettiPieces = 14;
inline constexpr int kTimeBarWidth = 934;
inline constexpr int kTimeBarHeight = 12;

// Settled once at start-up from vst.dat and kept for the whole run.
struct GameFileChoice {
  bool builtIn = true;
  std::string picturePairFile = "data//dataset.qxs";
  std::string highScoreFile = "HS.qxf";
  std::string playedRecordFile = "qxdat.qxf";
  std::uint16_t pairCount = 0;
  // Where every record of the picture-pair file lies, validated at start-up
  // so a set-up never walks beyond the file.
  gamefile::PicturePairIndex index;
  // In-memory mirror of the played-picture record: 0 = not played, 1 = played.
  std::vector<int> played;
};

struct LevelValues {
  int levelNumber = 1;
  int phase = 0;
  int secondsLeft = 0;        // T
  int secondsAtStart = 0;     // T0
  int timeBonus = 0;          // seconds added to the next level
  std::uint8_t differencesLeft = kDifferences;
  int points = 0;             // carried from level to level
  double timeBarScale = 0.0;  // pixels of the time bar per second, 934 / T0
  int minutesDigit = 0;       // the time display always shows 0:SS
  int chosenPair = -1;        // index of the pair on screen
};

// Difference rectangles of one picture, picture-local pixels.
struct DifferenceSet {
  std::array<int, kRectCapacity> left{};
  std::array<int, kRectCapacity> right{};
  std::array<int, kRectCapacity> top{};
  std::array<int, kRectCapacity> bottom{};
  std::array<std::uint8_t, kRectCapacity> found{};
};

struct PlayClock {
  std::uint32_t lastSecondTick = 0;   // ms of the tick counter
  std::uint32_t lastStepTick = 0;     // last 70 ms step
  std::uint32_t frameTime = 0;
  std::uint32_t frameTimeCopy = 0;
  int subSecondBarOffset = 0;         // pixels the bar crept since the last second
  int idleSeconds = 0;
  bool hitThisSecond = false;
  bool tenSecondWarning = false;
  int blinkCounter = 0;
  bool timeDisplayVisible = true;
  int lastShownSeconds = 65;          // no level starts with 65 seconds
};

struct ClickMarker {
  int x = 0, y = 0;
  double rise = 0.0;
  bool active = false;
  bool hit = false;
  std::uint32_t startOrder = 0;  // which marker is the oldest when all are busy
};

struct Particle {
  int x = 0, y = 0;
  double vx = 0.0, vy = 0.0;
  int colour = 0;  // 0..5, image slots 94..99
  bool leftward = false;
};

struct ParticleBurst {
  int steps = 0;
  bool active = false;
  std::array<Particle, kParticlesPerBurst> particles{};
  std::uint32_t startOrder = 0;
};

struct PlayScreenState {
  int cursorX = 100, cursorY = 100;
  PlayClock clock;
  std::uint32_t introStart = 0;  // ms; 0 while no intro runs
  int coverOffset = 0;
  int currentPlayTrack = 0;
  int previousPlayTrack = 0;
  std::array<DifferenceSet, 2> rects{};  // set 0 drives play for both pictures
  std::array<ClickMarker, kClickMarkers> markers{};
  std::array<ParticleBurst, kParticleBursts> bursts{};
  std::uint32_t startCounter = 0;  // hands out startOrder values
};

struct ConfettiPiece {
  int colour = 0;
  double x = 0.0, y = 0.0, vy = 0.0;
  std::int8_t dx = 0;
  bool active = false;
};

// Shared by the level-complete and the game-over screen; each starts it
// afresh in its first frame.
struct LevelEndState {
  int frameCounter = 0;       // F
  int secondsLeftAtEnd = 0;
  int secondsNeeded = 0;
  std::array<ConfettiPiece, kConfettiPieces> confetti{};
  int gameOverTextX = -100, gameOverTextY = 350;
};

}  // namespace logic
