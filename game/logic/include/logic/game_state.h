#pragma once
// The game's program-wide state: one record, created once by main and handed
// to every screen. Each screen owns one sub-record; the values that select
// the screen of a frame sit in `flow`.
#include <array>
#include <cstdint>

#include "logic/high_score_table.h"
#include "logic/level_state.h"
#include "logic/name_entry.h"
#include "logic/random.h"

namespace logic {

// Values of the game state byte; any other value runs no screen.
inline constexpr std::uint8_t kStateMenu = 0;
inline constexpr std::uint8_t kStatePlay = 1;
inline constexpr std::uint8_t kStateHighScore = 2;
inline constexpr std::uint8_t kStateCredits = 3;

struct FlowState {
  bool running = true;       // the main loop runs while set
  bool intro = true;         // the intro runs instead of the state's screen
  std::uint8_t gameState = kStateMenu;
  bool menuMusic = false;    // the menu starts track 2 when it finds this set
};

// One spark of the fireworks on the high-score and credits screens.
struct Spark {
  double x = 4000.0, y = 4000.0;
  double vx = 0.0, vy = 0.0;
  std::uint8_t colour = 0;  // image slot 94 + colour
  double size = 1.0;
  std::uint8_t direction = 0;  // 0..3, which signs the speeds move with
};

inline constexpr int kHighScoreSparks = 100;
inline constexpr int kCreditsSparks = 500;

struct HighScoreScreen {
  HighScoreTable table{};
  std::uint8_t rank = kNoRank;
  bool nameEntry = false;
  int frameCounter = 0;
  int scrollOffset = 0;
  NameEntry name;
  int pendingKey = -1;  // filled by the keyboard handling, -1 when none
  // The letter row appears with the first pointer motion or click of a name
  // entry (mouse or pad); keyboard players keep the screen as it was.
  bool letterRowShown = false;
  int letterCursorX = 500, letterCursorY = 470;
  int blinkCounter = 0;
  bool blinkOn = false;
  int backgroundY1 = 0, backgroundY2 = 768;
  int sweep = 0;
  int pattern = 0;
  int originX = -100, originY = -100;
  std::array<Spark, kHighScoreSparks> sparks{};
};

struct MenuScreen {
  // The menu's own cursor; -99999 until the first frame takes the position
  // the system cursor had at start-up.
  int cursorX = -99999, cursorY = -99999;
  bool hoverSound = false;
};

inline constexpr int kTitleTiles = 11;

struct IntroScreen {
  int counter = -50;
  int logoY = -500;
  double logoSpeed = 0.1;
  bool bouncing = false;
  bool settled = false;
  bool settleSoundAllowed = true;
  std::array<int, kTitleTiles> tileY = {-200, -200, -200, -200, -200, -200, -200, -200, -200, -200, -200};
  int slide = 0;
};

struct CreditsScreen {
  int counter = 0;
  int backgroundX = 0, backgroundY = 0;
  double rollOffset = 0.0;
  std::array<Spark, kCreditsSparks> sparks{};
};

struct GameState {
  FlowState flow;
  // Shared by all screens: a press counts as a click only after the button
  // was seen up.
  bool buttonReleaseLatch = false;

  GameFileChoice gameFile;
  LevelValues level;
  PlayScreenState play;
  LevelEndState levelEnd;
  RandomGenerator random;

  MenuScreen menu;
  HighScoreScreen highScores;
  IntroScreen intro;
  CreditsScreen credits;
};

}  // namespace logic
