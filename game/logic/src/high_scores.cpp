#include "logic/high_scores.h"

#include <algorithm>
#include <array>

#include "logic/fireworks.h"
#include "logic/letter_row.h"
#include "logic/screen_flow.h"
#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace logic {
namespace {

namespace asset = platform::asset;

using platform::Platform;
using platform::Rect;

constexpr int kTableScrollStart = 800;
constexpr int kSweepCycleFrames = 300;

struct Point {
  int x, y;
};
constexpr std::array<Point, 4> kPatternOrigins{{{-100, -100}, {1024, 768}, {0, 768}, {1024, 0}}};

bool LeftButtonDown(const platform::MouseReading& mouse) { return (mouse.buttons[0] & 0x80) != 0; }

const platform::ImageSlot& Slot(Platform& platform, int slot) { return platform.images[slot]; }

// The two copies of the background follow each other upwards without end.
// A copy that has left the top moves down by both copies' height, so it
// joins the other one exactly; resetting it to 768 left a two-pixel seam.
void ScrollTableBackground(HighScoreScreen& screen, Platform& platform) {
  screen.backgroundY1 -= 2;
  screen.backgroundY2 -= 2;
  if (screen.backgroundY1 < -768) screen.backgroundY1 += 2 * 768;
  if (screen.backgroundY2 < -768) screen.backgroundY2 += 2 * 768;
  const auto& image = Slot(platform, asset::kTableBackgroundSlot);
  platform::DrawSlot(platform, {0, screen.backgroundY1, image.width, screen.backgroundY1 + image.height},
                     asset::kTableBackgroundSlot);
  platform::DrawSlot(platform, {0, screen.backgroundY2, image.width, screen.backgroundY2 + image.height},
                     asset::kTableBackgroundSlot);
}

void DrawTableRows(const HighScoreScreen& screen, Platform& platform) {
  platform::DrawText(platform, "Highscore\n", 420, 50, 25, 25);
  platform::DrawText(platform, "Name", 250, 100, 25, 25);
  platform::DrawText(platform, "Punkte", 550, 100, 25, 25);
  platform::DrawText(platform, "Level", 720, 100, 25, 25);
  for (int k = 1; k <= kHighScoreEntries; ++k) {
    const HighScoreEntry& entry = screen.table[k - 1];
    const int y = screen.scrollOffset + 150 + 50 * (k - 1);
    if (k < 10) {
      platform::DrawNumber(platform, static_cast<std::uint8_t>(k), 1, 200, y, 25, 20);
    } else {
      platform::DrawNumber(platform, static_cast<std::uint8_t>(k), 2, 180, y, 25, 20);
    }
    // A foreign or damaged file may hold more than the digits can show.
    platform::DrawSixDigits(platform, 550, y, 25, 20, std::min<std::uint32_t>(entry.points, 999999));
    platform::DrawNumber(platform, std::min<std::uint8_t>(entry.level, 99), 2, 750, y, 25, 20);
    const std::string name = DisplayName(entry);
    platform::DrawText(platform, name.c_str(), 250, y, 25, 25);
  }
}

void TableViewFrame(GameState& state, Platform& platform) {
  HighScoreScreen& screen = state.highScores;
  platform::ClearBackBuffer(platform, 1024, 768);
  const platform::MouseReading mouse = platform::ReadMouse(platform);
  if (!LeftButtonDown(mouse)) {
    state.buttonReleaseLatch = true;
  } else if (state.buttonReleaseLatch) {
    LeaveHighScoresByClick(state, platform);  // the rest of this frame is still drawn
  }

  ScrollTableBackground(screen, platform);
  if (screen.frameCounter == 0) {
    screen.scrollOffset = kTableScrollStart;
    platform::PlayMusic(platform, asset::kTableMusic);
  }
  if (screen.frameCounter <= kTableScrollStart) {
    ++screen.frameCounter;
    --screen.scrollOffset;
  }

  const auto& logo = Slot(platform, asset::kLogoSlot);
  const int logoBottom = 150 + logo.height - screen.scrollOffset;
  platform::DrawSlotKeyed(platform, {80, 150, 80 + logo.width, logoBottom}, asset::kLogoSlot);
  platform::DrawSlotKeyed(platform, {850, 150, 850 + logo.width, logoBottom}, asset::kLogoSlot);
  const auto& background = Slot(platform, asset::kTableBackgroundSlot);
  platform::DrawSlot(platform, {0, screen.backgroundY2, background.width, screen.backgroundY2 + background.height},
                     asset::kTableBackgroundSlot);

  DrawTableRows(screen, platform);
  platform::present(platform);
}

void StartNameEntry(HighScoreScreen& screen, Platform& platform) {
  platform::RewindMusic(platform, asset::kNameEntryMusic);
  platform::PlayMusic(platform, asset::kNameEntryMusic);
  platform::PlayEffect(platform, asset::kNameEntryFanfareSound);
  ParkSparks(screen.sparks);
}

// The stretched background sweeps left, and each cycle the fireworks move
// to the next corner.
void AdvanceSweep(HighScoreScreen& screen) {
  ++screen.frameCounter;
  if (screen.frameCounter == kSweepCycleFrames) {
    screen.frameCounter = 1;
    screen.sweep = 0;
    screen.pattern = (screen.pattern + 1) % 4;
    screen.originX = kPatternOrigins[screen.pattern].x;
    screen.originY = kPatternOrigins[screen.pattern].y;
  } else if (screen.frameCounter >= 2) {
    screen.sweep -= 60;
  }
}

void AnimateNameEntrySparks(GameState& state, Platform& platform) {
  HighScoreScreen& screen = state.highScores;
  for (Spark& spark : screen.sparks) {
    MoveSpark(spark);
    spark.vx += spark.size * 0.00125;
    spark.vy += spark.size * 0.00125;
    spark.size = 35.0;
    if (SparkLeftTheScene(spark)) {
      DrawSparkSpeeds(state.random, spark);
      spark.x = screen.originX;
      spark.y = screen.originY;
      spark.size = 1.0;
      spark.direction = static_cast<std::uint8_t>(screen.pattern);
      spark.colour = static_cast<std::uint8_t>(screen.pattern);
    }
    DrawSpark(platform, spark);
  }
}

void DrawCongratulation(const HighScoreScreen& screen, Platform& platform) {
  platform::DrawText(platform, "DU BIST UNTER DEN BESTEN", 35, 50, 50, 50);
  platform::DrawText(platform, "PLATZ", 350, 200, 50, 50);
  const int place = screen.rank + 1;
  platform::DrawNumber(platform, static_cast<std::uint8_t>(place), place < 10 ? 1 : 2, 600, 200, 50, 50);
  platform::DrawText(platform, "Gib deinen Namen ein", 290, 350, 25, 25);
}

// Enter stores the name with the points and level of the finished game and
// turns the screen into the table view showing it.
void StoreEnteredName(GameState& state, Platform& platform) {
  HighScoreScreen& screen = state.highScores;
  HighScoreEntry& entry = screen.table[screen.rank];
  entry.name = ConfirmedName(screen.name);
  entry.points = static_cast<std::uint32_t>(std::max(state.level.points, 0));
  entry.level = static_cast<std::uint8_t>(std::clamp(state.level.levelNumber, 0, 255));
  const bool stored = SaveHighScores(state);
  const HighScoreTable entered = screen.table;
  state.level.points = 0;
  platform::StopMusic(platform, asset::kTableMusic);
  platform::RewindMusic(platform, asset::kTableMusic);
  platform::StopMusic(platform, asset::kNameEntryMusic);
  screen.blinkOn = true;
  screen.nameEntry = false;
  PrepareHighScores(state);
  // Where the table cannot be written, rereading it would show the default
  // table; the player still sees the result just entered for this visit.
  if (!stored) screen.table = entered;
}

void ConsumePendingKey(GameState& state, Platform& platform) {
  HighScoreScreen& screen = state.highScores;
  if (screen.pendingKey < 0) return;
  const int key = screen.pendingKey;
  screen.pendingKey = -1;
  if (ApplyNameEntryKey(screen.name, key) == NameEntryOutcome::Confirmed) StoreEnteredName(state, platform);
}

void DrawTypedName(HighScoreScreen& screen, Platform& platform) {
  if (++screen.blinkCounter >= 50) {
    screen.blinkCounter = 0;
    screen.blinkOn = !screen.blinkOn;
  }
  const std::string text = NameEntryText(screen.name, screen.blinkOn);
  platform::DrawText(platform, text.c_str(), 400, 450, 25, 25);
}

// The pointer moves the letter row's cursor; a click on a cell types its key
// as the keyboard would (a key typed in the same frame goes first).
void PointAtLetters(GameState& state, const platform::MouseReading& mouse) {
  HighScoreScreen& screen = state.highScores;
  const bool pressed = LeftButtonDown(mouse);
  if (mouse.dx != 0 || mouse.dy != 0 || pressed) screen.letterRowShown = true;
  screen.letterCursorX = std::clamp(screen.letterCursorX + mouse.dx, 0, 1023);
  screen.letterCursorY = std::clamp(screen.letterCursorY + mouse.dy, 0, 767);
  if (!pressed) {
    state.buttonReleaseLatch = true;
    return;
  }
  if (!state.buttonReleaseLatch) return;  // still held from an earlier click
  state.buttonReleaseLatch = false;
  const auto key = LetterKeyAt(screen.letterCursorX, screen.letterCursorY);
  if (key && screen.pendingKey < 0) screen.pendingKey = *key;
}

void DrawLettersAndCursor(const HighScoreScreen& screen, Platform& platform) {
  if (!screen.letterRowShown) return;
  DrawLetterRow(platform, screen.letterCursorX, screen.letterCursorY);
  const auto& cursor = Slot(platform, platform::asset::kCursorSlot);
  platform::DrawSlotKeyed(platform,
                          {screen.letterCursorX, screen.letterCursorY, screen.letterCursorX + cursor.width,
                           screen.letterCursorY + cursor.height},
                          platform::asset::kCursorSlot);
}

void NameEntryFrame(GameState& state, Platform& platform) {
  HighScoreScreen& screen = state.highScores;
  platform::ClearBackBuffer(platform, 1024, 768);
  if (screen.frameCounter == 0) StartNameEntry(screen, platform);
  AdvanceSweep(screen);
  platform::DrawSlot(platform, {screen.sweep, 0, screen.sweep + 20480, 1536}, asset::kPanoramaSlot);
  AnimateNameEntrySparks(state, platform);
  DrawCongratulation(screen, platform);
  PointAtLetters(state, platform::ReadMouse(platform));
  const bool stillEntering = screen.nameEntry;
  ConsumePendingKey(state, platform);
  DrawTypedName(screen, platform);
  if (stillEntering && screen.nameEntry) DrawLettersAndCursor(screen, platform);
  platform::present(platform);
}

}  // namespace

void PrepareHighScores(GameState& state) {
  HighScoreScreen& screen = state.highScores;
  screen.frameCounter = 0;
  screen.pendingKey = -1;
  screen.name = NameEntry{};
  screen.letterRowShown = false;
  // A fresh sweep each visit: left where an earlier visit stopped, the
  // stretched background would slide past its end and leave the screen black.
  screen.sweep = 0;
  screen.table = LoadOrCreateHighScores(state.gameFile.highScoreFile);
  screen.rank = RankFor(screen.table, state.level.points);
  screen.nameEntry = screen.rank != kNoRank;
  if (screen.nameEntry) InsertPlaceholder(screen.table, screen.rank);
}

bool SaveHighScores(const GameState& state) {
  return SaveHighScoreTable(state.gameFile.highScoreFile, state.highScores.table);
}

void HighScoreFrame(GameState& state, platform::Platform& platform) {
  if (state.highScores.nameEntry) {
    NameEntryFrame(state, platform);
  } else {
    TableViewFrame(state, platform);
  }
}

}  // namespace logic
