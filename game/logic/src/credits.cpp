#include "logic/credits.h"

#include "logic/fireworks.h"
#include "logic/screen_flow.h"
#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace logic {
namespace {

namespace asset = platform::asset;

using platform::Platform;


// Only letters and spaces have glyphs, so the credited names are written
// without digits or punctuation.
constexpr const char* kMakerName = "QUALDREX";
constexpr const char* kTeamName = "Das Vistrel Team";
constexpr const char* kProgrammerName = "Vistrel Team";
constexpr const char* kSoundName = "Vistrel Team";
constexpr const char* kGraphicsName = "Vistrel Team";
constexpr const char* kPhotosFirstName = "Vistrel Team";
constexpr const char* kPhotosSecondName = "Scene Generator";
constexpr const char* kConceptName = "Vistrel Team";
constexpr const char* kTestersName = "Vistrel Testers";
constexpr const char* kThanksName = "all our players";

void DrawText(Platform& platform, const char* text, int x, int y) { platform::DrawText(platform, text, x, y, 25, 25); }

void DrawSlotAt(Platform& platform, int slot, int x, int y, bool keyed) {
  const auto& image = platform.images[slot];
  const platform::Rect rect{x, y, x + image.width, y + image.height};
  if (keyed) {
    platform::DrawSlotKeyed(platform, rect, slot);
  } else {
    platform::DrawSlot(platform, rect, slot);
  }
}

void MoveBackground(CreditsScreen& credits) {
  const int c = credits.counter;
  if (c > 1 && c < 100) credits.backgroundX -= 60;
  if (c > 390 && c < 510) credits.backgroundX -= 65;
  if (c == 550) credits.backgroundX = -6000;
  if (c > 890 && c < 1100) credits.backgroundX += 65;
}

void StartCredits(CreditsScreen& credits, Platform& platform) {
  credits.rollOffset = 0.0;
  credits.backgroundX = -6000;
  credits.backgroundY = 0;
  ParkSparks(credits.sparks);
  platform::PlayMusic(platform, asset::kCreditsMusic);
}

// The credits track may still be running, or have run out and stay running
// silent; either way PlayMusic would leave it alone. Rewinding it lets the
// next round start the sequence together with its music from the beginning.
void StartNextRound(CreditsScreen& credits, Platform& platform) {
  credits.counter = 0;
  platform::StopMusic(platform, asset::kCreditsMusic);
  platform::RewindMusic(platform, asset::kCreditsMusic);
}

void AnimateSparks(GameState& state, Platform& platform) {
  CreditsScreen& credits = state.credits;
  for (Spark& spark : credits.sparks) {
    MoveSpark(spark);
    spark.size += 0.1;
    spark.vx += spark.size * 0.00125;
    spark.vy += spark.size * 0.00125;
    // The first twenty frames keep the sky empty.
    if (SparkLeftTheScene(spark) && credits.counter > 20) {
      DrawSparkSpeeds(state.random, spark);
      spark.direction = static_cast<std::uint8_t>(RandomBetween(state.random, 0, 3));
      spark.x = 512.0;
      spark.y = 344.0;
      spark.size = 1.0;
      spark.colour = CreditsSparkColour(credits.counter);
    }
    DrawSpark(platform, spark);
  }
}

void DrawRoll(CreditsScreen& credits, Platform& platform) {
  struct Line {
    const char* text;
    int base;
  };
  const Line lines[] = {
      {"  Game Concept and Design", 800}, {kConceptName, 850},  {"       Beta Testing", 1000},
      {kTestersName, 1050},                {" Publishing and Marketing", 1350}, {kMakerName, 1400},
      {"    special thanks to", 1600},     {kThanksName, 1650},
  };
  const int offset = static_cast<int>(credits.rollOffset);
  for (const Line& line : lines) DrawText(platform, line.text, 260, line.base - offset);
  DrawSlotAt(platform, asset::kCreditsFinalSlot, 400, 2250 - offset, true);
  credits.rollOffset += 0.5;
}

struct PlacedText {
  const char* text = nullptr;
  int x = 0;
  int y = 0;
};

// One page of the credits: shown while after < counter < before, its texts
// first and then its picture, if it has one.
constexpr int kNoPicture = -1;

struct CreditsPage {
  int after;
  int before;
  PlacedText texts[3];
  int slot = kNoPicture;
  int slotX = 0;
  int slotY = 0;
  bool keyed = false;
};

constexpr CreditsPage kPages[] = {
    {60, 400, {{"a game by", 425, 300}}},
    {410, 900, {{kMakerName, 370, 380}}, asset::kLogoSlot, 470, 260, true},
    {920, 1400, {{"a game by", 360, 300}, {kTeamName, 390, 340}}},
    {1450, 2000, {{"Programmer", 190, 240}, {kProgrammerName, 230, 280}},
     asset::kCreditsProgrammerPictureSlot, 510, 330},
    {2050, 2650, {{"Music and Sound", 520, 420}, {kSoundName, 560, 460}}, asset::kCreditsSoundPictureSlot, 200, 200},
    {2700, 3300, {{"Graphics", 500, 210}, {kGraphicsName, 500, 260}}, asset::kCreditsGraphicsPictureSlot, 180, 360},
    {3350, 3950, {{"Additional Photos", 360, 320}, {kPhotosFirstName, 380, 400}, {kPhotosSecondName, 380, 450}}},
};

void DrawPage(const CreditsPage& page, Platform& platform) {
  for (const PlacedText& line : page.texts) {
    if (line.text != nullptr) DrawText(platform, line.text, line.x, line.y);
  }
  if (page.slot != kNoPicture) DrawSlotAt(platform, page.slot, page.slotX, page.slotY, page.keyed);
}

void DrawPages(CreditsScreen& credits, Platform& platform) {
  const int c = credits.counter;
  for (const CreditsPage& page : kPages) {
    if (c > page.after && c < page.before) DrawPage(page, platform);
  }
  if (c > 4000) DrawRoll(credits, platform);
}

}  // namespace

std::uint8_t CreditsSparkColour(int counter) {
  if (counter <= 399) return 1;
  if (counter <= 919) return 2;
  if (counter <= 1399) return 0;
  if (counter <= 1999) return 4;
  if (counter <= 2699) return 2;
  if (counter <= 3349) return 1;
  return 0;
}

void CreditsFrame(GameState& state, platform::Platform& platform) {
  CreditsScreen& credits = state.credits;
  ++credits.counter;
  const platform::MouseReading mouse = platform::ReadMouse(platform);
  if ((mouse.buttons[0] & 0x80) == 0) {
    state.buttonReleaseLatch = true;
  } else if (state.buttonReleaseLatch) {
    LeaveCredits(state, platform);
    state.buttonReleaseLatch = false;
  }

  platform::ClearBackBuffer(platform, 1024, 768);
  platform::DrawSlot(platform,
                     {credits.backgroundX, credits.backgroundY, credits.backgroundX + 20480, credits.backgroundY + 1536},
                     asset::kPanoramaSlot);
  MoveBackground(credits);
  if (credits.counter == 1) StartCredits(credits, platform);
  AnimateSparks(state, platform);
  DrawPages(credits, platform);
  if (credits.counter > kCreditsCycleFrames) StartNextRound(credits, platform);
  platform::present(platform);
}

}  // namespace logic
