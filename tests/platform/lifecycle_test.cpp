// Start-up in its order with its failure messages, vol.qxf, the asset
// catalogue, frame pacing, the main loop, the mouse and the key mapping.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>

#include "fixtures.h"
#include "gamefile/file_io.h"

using platform::HeadlessBackend;
using platform::Platform;

namespace {

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  auto bytes = gamefile::ReadWholeFile(path);
  return bytes ? *bytes : std::vector<std::uint8_t>{};
}

class Game : public ::testing::Test {
 protected:
  void SetUp() override { fixtures::WriteDataFolder(dir.path()); }
  bool Start() { return platform::StartUp(game, backend); }
  bool StartAndLoad() { return Start() && platform::LoadAssets(game); }
  void ExpectSingleMissingFile(const std::string& name) {
    ASSERT_EQ(backend.messages.size(), 1u);
    EXPECT_EQ(backend.messages[0].caption, "Fehler");
    EXPECT_EQ(backend.messages[0].text, platform::MissingFileMessage(name));
    EXPECT_TRUE(game.endRequested);
  }
  fixtures::ScopedWorkDir dir;
  HeadlessBackend backend;
  Platform game;
};

TEST_F(Game, StartsAndLoadsEveryAsset) {
  backend.cursorX = 321;
  backend.cursorY = 123;
  bool chosen = false;
  ASSERT_TRUE(Start());
  ASSERT_TRUE(platform::LoadAssets(game, [&] { chosen = game.images[25].surface == nullptr; }));
  EXPECT_TRUE(chosen);  // the game file is settled before any picture loads
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(game.colourDepth, 32);
  EXPECT_EQ(backend.windowsCreated, 1);
  EXPECT_EQ(game.startCursorX, 321);
  EXPECT_EQ(game.startCursorY, 123);
  EXPECT_EQ(game.startDirectory, dir.path().string());

  for (const platform::BitmapEntry& entry : platform::BitmapCatalogue()) {
    const platform::ImageSlot& slot = game.images[entry.slot];
    ASSERT_TRUE(slot.surface) << entry.path;
    EXPECT_EQ(slot.surface->w, entry.width) << entry.path;
    EXPECT_EQ(slot.width, entry.width);
    EXPECT_EQ(slot.height, entry.height);
    EXPECT_EQ(SDL_HasColorKey(slot.surface.get()) == SDL_TRUE, entry.blackTransparent) << entry.path;
  }
  for (int slot : {25, 26, 27, 28, 108, 109, 110, 111}) {
    ASSERT_TRUE(game.images[slot].surface) << slot;
    EXPECT_EQ(game.images[slot].width, 1024);
    EXPECT_EQ(game.images[slot].surface->h, 768);
    EXPECT_FALSE(SDL_HasColorKey(game.images[slot].surface.get()));
  }
  for (int slot : {1, 2, 23, 24, 29, 57, 58, 59, 112, 113, 114}) EXPECT_FALSE(game.images[slot].surface) << slot;
  for (int buffer = 0; buffer < platform::kSoundBufferCount; ++buffer) {
    EXPECT_EQ(game.soundLoaded[buffer], buffer != 26) << buffer;
  }
  for (const platform::MusicTrack& track : game.music) EXPECT_EQ(track.state(), platform::MusicTrack::kStopped);
  EXPECT_EQ(game.music[7].fileName(), "data/mdat040.dat");
}

TEST(Catalogue, PathsAndMessageNamesFollowTheTables) {
  EXPECT_EQ(platform::MusicTrackPath(0), "data/mdat001.dat");
  EXPECT_EQ(platform::MusicTrackPath(6), "data/mdat007.dat");
  EXPECT_EQ(platform::MusicTrackPath(7), "data/mdat040.dat");
  EXPECT_EQ(platform::SoundBufferPath(0), "data/mdat008.dat");
  EXPECT_EQ(platform::SoundBufferPath(25), "data/mdat033.dat");
  EXPECT_EQ(platform::SoundBufferPath(26), "");
  EXPECT_EQ(platform::SoundBufferPath(27), "data/mdat034.dat");
  EXPECT_EQ(platform::SoundBufferPath(32), "data/mdat039.dat");
  EXPECT_EQ(platform::MessageNameForPath("data/qxdata/l_5.dat"), "l_5.dat");
  EXPECT_EQ(platform::MessageNameForPath("data/qxdata_0/data003.dat"), "qxdata_0 - data003.dat");
  EXPECT_EQ(platform::MessageNameForPath("data/data003.dat"), "data003.dat");

  const auto table = platform::BitmapCatalogue();
  EXPECT_EQ(table.size(), 96u);  // with the 8 built-in pictures and 11 empty slots: 115
  EXPECT_EQ(table.front().path, "data/data001.dat");
  auto row = [&](int slot) {
    return *std::find_if(table.begin(), table.end(), [slot](const auto& e) { return e.slot == slot; });
  };
  EXPECT_EQ(row(10).path, "data/data018.dat");
  EXPECT_EQ(row(11).path, "data/data009.dat");
  EXPECT_EQ(row(19).path, "data/data017.dat");
  EXPECT_EQ(row(56).path, "data/qxdata/27.dat");
  EXPECT_EQ(row(85).path, "data/qxdata/l_26.dat");
  EXPECT_EQ(row(93).path, "data/qxdata_0/data008.dat");
  EXPECT_EQ(row(99).path, "data/data027.dat");
  EXPECT_FALSE(row(105).blackTransparent);
  EXPECT_TRUE(row(104).blackTransparent);
  EXPECT_EQ(row(107).path, "data/data035.dat");
}

TEST_F(Game, MissingArtworkIsNamedAsTheCatalogueNamesIt) {
  std::filesystem::remove("data/qxdata/l_5.dat");
  ASSERT_TRUE(Start());
  EXPECT_FALSE(platform::LoadAssets(game));
  ExpectSingleMissingFile("l_5.dat");
  EXPECT_FALSE(game.backBuffer);  // the display is released before the message
  EXPECT_EQ(backend.minimiseCount, 1);
}

TEST_F(Game, MissingIntroPictureNamesItsFolder) {
  std::filesystem::remove("data/qxdata_0/data003.dat");
  EXPECT_FALSE(StartAndLoad());
  ExpectSingleMissingFile("qxdata_0 - data003.dat");
}

TEST_F(Game, DamagedArtworkEndsLikeMissingArtwork) {
  fixtures::WriteFile("data/data021.dat", std::vector<std::uint8_t>{'B', 'M', 1, 2, 3});
  EXPECT_FALSE(StartAndLoad());
  ExpectSingleMissingFile("data021.dat");
}

TEST_F(Game, MissingOrDamagedSoundAndMusicEndStartUp) {
  std::filesystem::remove("data/mdat015.dat");
  EXPECT_FALSE(Start());
  ExpectSingleMissingFile("mdat015.dat");
}

TEST_F(Game, NonPcmSoundEndsStartUp) {
  fixtures::WriteFile("data/mdat039.dat", fixtures::WaveBytes(100, 22050, 0x55));
  EXPECT_FALSE(Start());
  ExpectSingleMissingFile("mdat039.dat");
}

TEST_F(Game, DamagedMusicEndsStartUp) {
  fixtures::WriteFile("data/mdat040.dat", std::vector<std::uint8_t>(500, 7));
  EXPECT_FALSE(Start());
  ExpectSingleMissingFile("mdat040.dat");
}

TEST_F(Game, BuiltInPicturesMissingOrDamagedEndTheGame) {
  const auto good = ReadBytes("data/igdata.qxs");
  const std::string expected = std::string("Auf die Datei igdata.qxs konnte nicht zugegriffen werden.") +
                               "\n\nVersuchen sie Vistrel zu deinstallieren und wieder zu installieren." +
                               "\n\nKonnte dies ihr Problem nicht lösen, so wenden sie sich an den " +
                               "Qualdrex Support.\n\nKontaktmöglichkeiten finden sie unter " +
                               std::string(platform::kMakerWebAddress);
  for (std::size_t size : {std::size_t{0}, std::size_t{40}, good.size() - 41}) {
    HeadlessBackend freshBackend;
    Platform fresh;
    fixtures::WriteFile("data/igdata.qxs", std::vector<std::uint8_t>(good.begin(), good.begin() + size));
    ASSERT_TRUE(platform::StartUp(fresh, freshBackend));
    EXPECT_FALSE(platform::LoadAssets(fresh));
    ASSERT_EQ(freshBackend.messages.size(), 1u) << size;
    EXPECT_EQ(freshBackend.messages[0].text, expected);
  }
  std::filesystem::remove("data/igdata.qxs");
  ASSERT_TRUE(Start());
  EXPECT_FALSE(platform::LoadAssets(game));
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text, expected);
}

TEST_F(Game, FallsBackToSixteenBitsWithOneMessage) {
  backend.refuseDepth32 = true;
  ASSERT_TRUE(StartAndLoad());
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].caption, "Fehler");
  EXPECT_NE(backend.messages[0].text.find("1024x768 16-Bit Modus"), std::string::npos);
  EXPECT_EQ(game.colourDepth, 16);
  EXPECT_EQ(backend.windowsCreated, 2);
  EXPECT_EQ(game.backBuffer->format->format, SDL_PIXELFORMAT_RGB555);
  EXPECT_EQ(game.images[30].surface->format->format, SDL_PIXELFORMAT_RGB555);
  EXPECT_EQ(game.images[25].surface->format->format, SDL_PIXELFORMAT_RGB555);
}

TEST_F(Game, EndsWhenNeitherDepthCanBeShown) {
  backend.refuseDepth32 = backend.refuseDepth16 = true;
  EXPECT_FALSE(Start());
  ASSERT_EQ(backend.messages.size(), 2u);
  EXPECT_EQ(backend.messages[1].text.rfind("Konnte DirectX nicht initialisieren\n\nMögliche Ursachen:", 0), 0u);
  EXPECT_TRUE(game.endRequested);
}

TEST_F(Game, RunsSilentWithoutASoundDevice) {
  backend.noSoundDevice = true;
  ASSERT_TRUE(StartAndLoad());
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text.rfind("Konnte DirectSound nicht initialisieren.", 0), 0u);
  EXPECT_TRUE(game.soundLoaded[0]);
}

TEST_F(Game, SoundSettingsAreCreatedReadAndWritten) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(ReadBytes("vol.qxf"), (std::vector<std::uint8_t>{1, 43, 1, 70, 1, 70}));

  fixtures::WriteFile("vol.qxf", {0, 10, 7, 20, 0, 30});
  platform::ReadSoundSettings(game);
  EXPECT_EQ(game.sound.effectsOn, 1);
  EXPECT_EQ(game.sound.musicOn, 0);
  EXPECT_EQ(game.sound.speechVolume, 30);
  game.sound.effectsOn = 9;  // stored as 0 or 1 whatever the record holds
  platform::ShutDown(game);
  EXPECT_EQ(ReadBytes(dir.path().string() + "/vol.qxf"), (std::vector<std::uint8_t>{0, 10, 1, 20, 0, 30}));
  EXPECT_FALSE(game.backBuffer);
  EXPECT_EQ(backend.audioCalls.back(), "sound-release");
  platform::ReleaseDisplay(game);  // a second release does nothing
}

TEST(SoundSettings, ShortFilesReadMissingFlagsAsOnAndVolumesAs255) {
  const std::vector<std::uint8_t> three{0, 12, 0};
  const platform::SoundSettings s = platform::DecodeSoundSettings(three);
  EXPECT_EQ(s.musicOn, 0);
  EXPECT_EQ(s.musicVolume, 12);
  EXPECT_EQ(s.effectsOn, 0);
  EXPECT_EQ(s.effectsVolume, 255);
  EXPECT_EQ(s.speechOn, 1);
  EXPECT_EQ(s.speechVolume, 255);
  const platform::SoundSettings empty = platform::DecodeSoundSettings({});
  EXPECT_EQ(empty.musicOn, 1);
  EXPECT_EQ(empty.musicVolume, 255);
}

TEST(FramePacing, HighResolutionClockGivesAHundredFramesASecond) {
  HeadlessBackend backend;
  Platform game;
  game.backend = &backend;
  backend.clock = 5000;
  platform::StartFramePacing(game);
  EXPECT_EQ(game.pacing.interval, 10'000u);
  EXPECT_FALSE(platform::FrameDue(game));  // equal is not later
  backend.clock = 5001;
  EXPECT_TRUE(platform::FrameDue(game));
  backend.clock = 15'001;
  EXPECT_FALSE(platform::FrameDue(game));
  // A frame far too late moves the schedule instead of catching up.
  backend.clock = 100'000;
  EXPECT_TRUE(platform::FrameDue(game));
  backend.clock = 100'500;
  EXPECT_FALSE(platform::FrameDue(game));
  EXPECT_EQ(game.pacing.nextFrame, 110'000u);
}

TEST(FramePacing, MillisecondTimerGivesThirtyThreeMilliseconds) {
  HeadlessBackend backend;
  backend.highResolutionClock = false;
  Platform game;
  game.backend = &backend;
  platform::StartFramePacing(game);
  EXPECT_FALSE(game.pacing.highResolution);
  EXPECT_EQ(game.pacing.interval, 33u);
  backend.clock = 1000;  // 1 ms
  EXPECT_TRUE(platform::FrameDue(game));
  backend.clock = 34'000;
  EXPECT_FALSE(platform::FrameDue(game));
  backend.clock = 35'000;
  EXPECT_TRUE(platform::FrameDue(game));
}

TEST(MainLoop, EventsRunNoFrameAndAQuitEndsTheLoopAtOnce) {
  HeadlessBackend backend;
  Platform game;
  game.backend = &backend;
  backend.clockStepPerQuery = 2'000;
  std::vector<std::string> log;
  int frames = 0;
  platform::LoopHooks hooks;
  hooks.keyDown = [&](int key) { log.push_back("key " + std::to_string(key)); };
  hooks.frame = [&](std::uint32_t) {
    ++frames;
    log.push_back("frame");
    if (frames == 2) {
      backend.ScriptKey(27);
      backend.ScriptMotion(3, 4);
      backend.ScriptKey(65);
    }
    if (frames == 3) {
      backend.ScriptQuit();
      backend.ScriptKey(13);  // never reached
    }
  };
  hooks.running = [] { return true; };
  EXPECT_EQ(platform::RunMainLoop(game, hooks), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"frame", "frame", "key 27", "key 65", "frame"}));
  EXPECT_EQ(platform::ReadMouse(game).dx, 3);
}

TEST(MainLoop, EndsWhenTheRunningFlagClearsOrAFatalMessageWasShown) {
  HeadlessBackend backend;
  Platform game;
  game.backend = &backend;
  backend.clockStepPerQuery = 5'000;
  bool running = true;
  int frames = 0;
  platform::LoopHooks hooks;
  std::vector<std::uint32_t> frameTimes;
  hooks.frame = [&](std::uint32_t milliseconds) {
    // The frame's time is the reading that made it due: nothing has read
    // the clock since.
    EXPECT_EQ(milliseconds, backend.clock / 1000);
    frameTimes.push_back(milliseconds);
    running = ++frames < 5;
  };
  hooks.running = [&] { return running; };
  platform::RunMainLoop(game, hooks);
  EXPECT_EQ(frames, 5);
  for (std::size_t i = 1; i < frameTimes.size(); ++i) EXPECT_GE(frameTimes[i] - frameTimes[i - 1], 10u);
  // Frames are paced: 5 frames need at least 4 intervals of clock.
  EXPECT_GE(backend.clock, 40'000u);

  frames = 0;
  running = true;
  hooks.frame = [&](std::uint32_t) {
    ++frames;
    platform::FailWithMessage(game, "", "Error reading image");
  };
  platform::RunMainLoop(game, hooks);
  EXPECT_EQ(frames, 1);
}

TEST(MainLoop, IdlesUntilJustBeforeTheNextFrame) {
  HeadlessBackend backend;
  Platform game;
  game.backend = &backend;
  // The clock for each iteration (microseconds), set as the loop asks
  // whether it still runs.
  const std::vector<std::uint64_t> clockPerIteration{1, 2'000, 9'800, 10'002};
  std::size_t iteration = 0;
  std::vector<int> idleCallsAfter;
  int frames = 0;
  platform::LoopHooks hooks;
  hooks.frame = [&](std::uint32_t) { ++frames; };
  hooks.running = [&] {
    if (iteration > 0) idleCallsAfter.push_back(backend.idleCalls);
    if (iteration == clockPerIteration.size()) return false;
    backend.clock = clockPerIteration[iteration++];
    return true;
  };
  platform::RunMainLoop(game, hooks);
  // Frame at 1, due again after 10'001. At 2'000 the loop sleeps to a
  // quarter millisecond before that; 0.2 ms before it, it polls on; then
  // the frame.
  EXPECT_EQ(idleCallsAfter, (std::vector<int>{0, 1, 1, 1}));
  EXPECT_EQ(backend.idleMicroseconds, (std::vector<int>{10'001 - 2'000 - 250}));
  EXPECT_EQ(frames, 2);
}

TEST(Mouse, QuickClicksBetweenReadingsAreNotLost) {
  HeadlessBackend backend;
  Platform game;
  game.backend = &backend;
  platform::PumpedEvent event;
  backend.ScriptMotion(5, -2);
  backend.ScriptMotion(1, 1);
  backend.ScriptClick(0);
  while (platform::PumpEvent(game, event)) {}
  platform::MouseReading reading = platform::ReadMouse(game);
  EXPECT_EQ(reading.dx, 6);
  EXPECT_EQ(reading.dy, -1);
  EXPECT_EQ(reading.wheel, 0);
  EXPECT_EQ(reading.buttons[0], 0x80);
  EXPECT_EQ(reading.buttons[1], 0);
  reading = platform::ReadMouse(game);
  EXPECT_EQ(reading.dx, 0);
  EXPECT_EQ(reading.buttons[0], 0);

  backend.ScriptButton(1, true);
  while (platform::PumpEvent(game, event)) {}
  for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(platform::ReadMouse(game).buttons[1], 0x80);
  backend.ScriptButton(1, false);
  backend.ScriptWheel(-3);
  backend.ScriptButton(9, true);  // a button the reading has no place for
  while (platform::PumpEvent(game, event)) {}
  reading = platform::ReadMouse(game);
  EXPECT_EQ(reading.buttons[1], 0);
  EXPECT_EQ(reading.wheel, -3);
  EXPECT_EQ(game.mouse.latest.wheel, -3);
}

TEST(Keys, SdlKeysMapToWindowsVirtualKeys) {
  EXPECT_EQ(platform::VirtualKeyFromSdl(SDLK_a), 65);
  EXPECT_EQ(platform::VirtualKeyFromSdl(SDLK_z), 90);
  EXPECT_EQ(platform::VirtualKeyFromSdl(SDLK_ESCAPE), 27);
  EXPECT_EQ(platform::VirtualKeyFromSdl(SDLK_BACKSPACE), 8);
  EXPECT_EQ(platform::VirtualKeyFromSdl(SDLK_RETURN), 13);
  EXPECT_EQ(platform::VirtualKeyFromSdl(SDLK_SPACE), 32);
  EXPECT_EQ(platform::VirtualKeyFromSdl(SDLK_LGUI), 91);
  EXPECT_EQ(platform::VirtualKeyFromSdl(SDLK_RGUI), 92);
  EXPECT_EQ(platform::VirtualKeyFromSdl(SDLK_F1), 0);
  EXPECT_EQ(platform::VirtualKeyFromSdl(SDLK_1), 0);
}

TEST(Keys, DesktopCursorPositionsMapIntoTheLetterboxedFrame) {
  auto mapped = [](int width, int height, int x, int y) {
    platform::DesktopPointToFrame(width, height, x, y);
    return std::pair{x, y};
  };
  EXPECT_EQ(mapped(1024, 768, 300, 200), std::pair(300, 200));
  // Wide desktop: bars left and right, the centre stays the centre.
  EXPECT_EQ(mapped(1600, 900, 800, 450), std::pair(512, 384));
  EXPECT_EQ(mapped(1600, 900, 200, 0), std::pair(0, 0));
  EXPECT_EQ(mapped(1600, 900, 0, 899).first, -171);
  // Tall desktop: bars above and below.
  EXPECT_EQ(mapped(1024, 1024, 1023, 128), std::pair(1023, 0));
  EXPECT_EQ(mapped(2048, 1536, 1024, 768), std::pair(512, 384));
  EXPECT_EQ(mapped(0, 0, 5, 6), std::pair(5, 6));  // no desktop size known: unchanged
}

// fenster.qxf: one byte, 1 = window; anything else, a damaged or missing
// file, is the full screen the game always started in.
TEST(WindowSettings, OnlyAOneMeansAWindow) {
  const std::vector<std::uint8_t> one{1}, zero{0}, other{2}, longer{1, 7, 7};
  EXPECT_TRUE(platform::DecodeWindowedSetting(one));
  EXPECT_TRUE(platform::DecodeWindowedSetting(longer));
  EXPECT_FALSE(platform::DecodeWindowedSetting(zero));
  EXPECT_FALSE(platform::DecodeWindowedSetting(other));
  EXPECT_FALSE(platform::DecodeWindowedSetting({}));
}

TEST_F(Game, WindowModeIsReadBeforeTheWindowOpensAndSwitchingIsNoKey) {
  ASSERT_TRUE(gamefile::WriteFileAtomically("fenster.qxf", std::vector<std::uint8_t>{1}).ok());
  ASSERT_TRUE(Start());
  EXPECT_TRUE(game.windowed);
  EXPECT_TRUE(backend.windowedChosen);

  backend.ScriptWindowModeSwitch(false);
  platform::PumpedEvent pumped;
  ASSERT_TRUE(platform::PumpEvent(game, pumped));
  EXPECT_EQ(pumped.virtualKey, 0);
  EXPECT_FALSE(pumped.quit);
  EXPECT_FALSE(game.windowed);
  EXPECT_EQ(ReadBytes("fenster.qxf"), std::vector<std::uint8_t>{0});
  platform::ShutDown(game);
  EXPECT_EQ(ReadBytes("vol.qxf").size(), 6u);
}

TEST_F(Game, ScreenSaverChangesReachTheBackendOnce) {
  ASSERT_TRUE(Start());
  platform::AllowScreenSaver(game, false);  // SDL starts with it off
  platform::AllowScreenSaver(game, true);
  platform::AllowScreenSaver(game, true);
  platform::AllowScreenSaver(game, false);
  EXPECT_EQ(backend.screenSaverChanges, (std::vector<bool>{true, false}));
}

}  // namespace
