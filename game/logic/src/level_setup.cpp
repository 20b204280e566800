#include "logic/level_setup.h"

#include <algorithm>

#include "gamefile/game_file.h"
#include "logic/game_file_choice.h"
#include "logic/game_state.h"
#include "logic/level_rules.h"
#include "logic/played_record.h"
#include "platform/asset_numbers.h"
#include "platform/platform.h"

namespace logic {

namespace {

namespace asset = platform::asset;

constexpr const char* kTimeBarFile = "data/data002.dat";

const std::string kContactParagraph =
    "Kontaktmöglichkeiten finden sie unter " + std::string(platform::kMakerWebAddress);

// Both fatal messages of the set-up go to the desktop: the window is
// minimised and the display released first, so the box is not hidden behind
// a full-screen surface.
void Fail(platform::Platform& platform, const std::string& text) {
  if (platform.backend) platform.backend->MinimiseWindow();
  platform::ReleaseDisplay(platform);
  platform::FailWithMessage(platform, "Fehler", text);
}

void ResetPlayBookkeeping(GameState& state) {
  PlayClock& clock = state.play.clock;
  clock.idleSeconds = 0;
  clock.blinkCounter = 0;
  clock.timeDisplayVisible = true;
  clock.tenSecondWarning = false;
  clock.lastShownSeconds = 65;
  state.level.differencesLeft = kDifferences;
  for (ParticleBurst& burst : state.play.bursts) burst.active = false;
}

void StartLevelClock(GameState& state) {
  LevelValues& level = state.level;
  level.levelNumber = level.phase == kPhaseLevelComplete ? level.levelNumber + 1 : 1;
  level.phase = kPhaseIntroA;
  level.secondsLeft = SecondsForLevel(level.levelNumber, level.timeBonus);
  level.secondsAtStart = level.secondsLeft;
  level.minutesDigit = 0;
  state.levelEnd.secondsLeftAtEnd = 0;
  level.timeBarScale = static_cast<double>(kTimeBarWidth) / level.secondsAtStart;
}

// Pictures larger than the screen cannot be meant; a damaged size field must
// not make the game allocate a surface of gigabytes.
bool PlausiblePictureSize(const gamefile::ResolvedPicture& picture) {
  return picture.widthField >= 1 && picture.widthField <= platform::kScreenWidth &&
         picture.heightField >= 1 && picture.heightField <= platform::kScreenHeight;
}

void TakeRectangles(const gamefile::RectSet& rects, DifferenceSet& set) {
  for (int j = 0; j < kDifferences; ++j) {
    set.left[j] = rects[j].x1;
    set.right[j] = rects[j].x2;
    set.top[j] = rects[j].y1;
    set.bottom[j] = rects[j].y2;
    set.found[j] = 0;
  }
}

// Loads one picture record into its image slot and rectangle set. False when
// the record cannot be read or decoded (a message may already be shown by
// the decoder).
bool LoadPicture(GameState& state, platform::Platform& platform, std::size_t record, int slot,
                 DifferenceSet& set) {
  platform::RestoreStartDirectory(platform);
  auto picture = gamefile::ReadPictureFromFile(state.gameFile.picturePairFile, state.gameFile.index, record);
  if (!picture || !PlausiblePictureSize(*picture)) return false;
  platform::ImageSlot& image = platform.images[slot];
  image.surface.reset();
  image.surface = platform::DecodeJpeg(platform, picture->widthField, picture->heightField,
                                       picture->jpeg.data(), picture->jpeg.size());
  if (!image.surface) return false;
  image.width = picture->widthField;
  image.height = picture->heightField;
  TakeRectangles(picture->rects, set);
  return true;
}

bool LoadPicturePair(GameState& state, platform::Platform& platform, int pick) {
  const std::size_t first = 2u * static_cast<std::size_t>(pick);
  return LoadPicture(state, platform, first, asset::kLeftPictureSlot, state.play.rects[0]) &&
         LoadPicture(state, platform, first + 1, asset::kRightPictureSlot, state.play.rects[1]);
}

void ResetPlayClocks(GameState& state) {
  PlayClock& clock = state.play.clock;
  clock.lastSecondTick = 0;
  clock.lastStepTick = 0;
  clock.frameTime = 0;
  clock.frameTimeCopy = 0;
  clock.subSecondBarOffset = 0;
  for (ClickMarker& marker : state.play.markers) marker.active = false;
}

}  // namespace

std::string PlayedRecordMessage() {
  return "Die Datei qxdat.qxf konnte nicht erzeugt werden.\n\n Stellen sie sicher dass sie mit "
         "Administratorrechten berechtigt sind.\n\nKonnte dies ihr Problem nicht lösen, so wenden "
         "sie sich an den Qualdrex Support.\n\n" +
         kContactParagraph;
}

std::string PicturePairFileMessage() {
  return "Auf die Datei Spieldatei konnte nicht zugegriffen werden.\n\nFalls sie eine selbsterstelle "
         "Spieldatei gewählt haben, so prüfen sie die Einstellungen ihrer Spieldatei.\r\nKonnte dies "
         "ihr Problem nicht lösen, so wenden sie sich an den Qualdrex Support.\n\n" +
         kContactParagraph;
}

bool ChooseGameFile(GameState& state, platform::Platform& platform) {
  platform::RestoreStartDirectory(platform);
  if (ReadGameFileChoice(state.gameFile) == ChoiceResult::Ready) return true;
  Fail(platform, PicturePairFileMessage());
  return false;
}

bool ReloadTimeBar(platform::Platform& platform) {
  platform::ImageSlot& bar = platform.images[asset::kTimeBarSlot];
  bar.surface.reset();
  platform::RestoreStartDirectory(platform);
  bar.surface = platform::LoadBitmapFile(platform, kTimeBarFile, kTimeBarWidth, kTimeBarHeight);
  if (!bar.surface) {
    if (!platform.endRequested) Fail(platform, platform::MissingFileMessage("data002.dat"));
    return false;
  }
  platform::SetBlackTransparent(bar.surface.get(), 0, 0);
  bar.width = kTimeBarWidth;
  bar.height = kTimeBarHeight;
  return true;
}

void SetUpLevel(GameState& state, platform::Platform& platform) {
  ResetPlayBookkeeping(state);
  if (!ReloadTimeBar(platform)) return;
  state.play.coverOffset = 0;
  StartLevelClock(state);

  GameFileChoice& gameFile = state.gameFile;
  platform::RestoreStartDirectory(platform);
  if (LoadPlayedRecord(gameFile.playedRecordFile, gameFile.pairCount, gameFile.played) ==
      RecordLoad::CannotCreate) {
    Fail(platform, PlayedRecordMessage());
    return;
  }
  const int pick = ChooseUnplayedPair(gameFile.played, state.random);
  platform::RestoreStartDirectory(platform);
  SavePlayedRecord(gameFile.playedRecordFile, gameFile.played);
  if (pick < 0 || !LoadPicturePair(state, platform, pick)) {
    if (!platform.endRequested) Fail(platform, PicturePairFileMessage());
    return;
  }
  state.level.chosenPair = pick;
  ResetPlayClocks(state);
}

}  // namespace logic
