#include "logic/level_rules.h"

#include <algorithm>

#include "platform/asset_numbers.h"

namespace logic {

namespace asset = platform::asset;

int SecondsForLevel(int levelNumber, int timeBonus) {
  static constexpr int kSecondsByLevel[] = {60, 50, 45, 40, 35, 30, 25};
  int seconds = 15;
  if (levelNumber >= 1 && levelNumber <= 7)
    seconds = kSecondsByLevel[levelNumber - 1];
  else if (levelNumber >= 8 && levelNumber <= 19)
    seconds = 20;
  return levelNumber == 1 ? seconds : seconds + timeBonus;
}

int TimeBonusFor(int secondsNeeded) {
  if (secondsNeeded < 10) return 20;
  if (secondsNeeded < 15) return 15;
  if (secondsNeeded < 20) return 10;
  if (secondsNeeded < 25) return 7;
  if (secondsNeeded < 30) return 5;
  return 0;
}

bool StrictlyInside(const DifferenceSet& set, int j, int x, int y) {
  return set.left[j] < x && x < set.right[j] && set.top[j] < y && y < set.bottom[j];
}

std::vector<int> DifferencesAt(const DifferenceSet& set, int x, int y) {
  std::vector<int> hits;
  for (int j = 0; j < kDifferences; ++j)
    if (set.found[j] == 0 && StrictlyInside(set, j, x, y)) hits.push_back(j);
  return hits;
}

bool InPictureArea(int cursorX, int cursorY) {
  const bool rowInside = 73 < cursorY && cursorY < 503;
  const bool leftInside = -10 < cursorX && cursorX < 492;
  const bool rightInside = 500 < cursorX && cursorX < 990;
  return rowInside && (leftInside || rightInside);
}

void ApplyWrongClick(LevelValues& level) {
  level.points = std::max(0, level.points - 10);
  level.secondsLeft = std::max(0, level.secondsLeft - 10);
}

int SpeechForDifferencesLeft(int differencesLeft, int r, int secondsLeft) {
  switch (differencesLeft) {
    case 4: return r == 0 ? asset::kFourLeftSpeech : asset::kFourLeftOtherSpeech;
    case 3: return asset::kThreeLeftSpeech;
    case 2: return r == 0 ? asset::kTwoLeftSpeech : asset::kTwoLeftOtherSpeech;
    case 1: return r == 0 ? asset::kOneLeftSpeech : asset::kOneLeftOtherSpeech;
    default: return secondsLeft > 5 ? asset::kLastFoundSpeech : asset::kLastFoundLateSpeech;
  }
}

int PlayTrackForDraw(int draw) {
  return asset::kPlayMusicTracks[std::clamp(draw, 0, 3)];
}

}  // namespace logic
