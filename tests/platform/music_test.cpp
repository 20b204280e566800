// Music tracks: the four-state machine, the play rules of the screens, the
// volume mapping and the streamed mixing up to and past a track's end.
#include <gtest/gtest.h>

#include <cmath>

#include "fixtures.h"

using platform::MusicTrack;

namespace {

int Peak(const std::vector<std::int16_t>& samples) {
  int peak = 0;
  for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

std::vector<std::int16_t> Pull(platform::MusicMixer& mixer, double seconds) {
  std::vector<std::int16_t> out(static_cast<std::size_t>(seconds * 44100) * 2);
  mixer.Mix(out.data(), static_cast<int>(out.size() / 2));
  return out;
}

class Music : public ::testing::Test {
 protected:
  void SetUp() override {
    game.backend = &backend;
    fixtures::WriteOgg("song.dat", 0.25);
    for (int track = 0; track < platform::kMusicTrackCount; ++track) game.music[track].Attach(&backend, track);
    ASSERT_EQ(game.music[2].Open("song.dat"), MusicTrack::kSucceeded);
    backend.audioCalls.clear();
  }
  fixtures::ScopedWorkDir dir;
  platform::HeadlessBackend backend;
  platform::Platform game;
};

TEST(MusicVolume, SettingsMapToHundredthsOfADecibel) {
  EXPECT_EQ(platform::MusicVolumeToHundredthsDb(43), -1400);
  EXPECT_EQ(platform::MusicVolumeToHundredthsDb(50), 0);
  EXPECT_EQ(platform::MusicVolumeToHundredthsDb(200), 0);
  EXPECT_EQ(platform::MusicVolumeToHundredthsDb(0), -10000);
}

TEST_F(Music, TracksMoveThroughTheirStates) {
  MusicTrack& track = game.music[2];
  EXPECT_EQ(track.state(), MusicTrack::kStopped);
  EXPECT_EQ(track.fileName(), "song.dat");
  EXPECT_EQ(track.Stop(), MusicTrack::kFailed);
  EXPECT_EQ(track.Run(), MusicTrack::kSucceeded);
  EXPECT_EQ(track.state(), MusicTrack::kRunning);
  EXPECT_EQ(track.Run(), MusicTrack::kFailed);
  EXPECT_EQ(track.Rewind(), MusicTrack::kSucceeded);
  EXPECT_EQ(track.state(), MusicTrack::kStopped);
  EXPECT_EQ(backend.audioCalls,
            (std::vector<std::string>{"music-start 2", "music-stop 2", "music-rewind 2"}));

  // A file that is not Ogg Vorbis (or missing) leaves the track unloaded,
  // and an unloaded track refuses everything.
  fixtures::WriteFile("noise.dat", fixtures::WaveBytes(100));
  MusicTrack& other = game.music[5];
  EXPECT_EQ(other.Open("noise.dat"), MusicTrack::kFailed);
  EXPECT_EQ(other.Open("missing.dat"), MusicTrack::kFailed);
  EXPECT_EQ(other.state(), MusicTrack::kNotLoaded);
  EXPECT_EQ(other.fileName(), "");
  EXPECT_EQ(other.SetVolume(0), MusicTrack::kFailed);
  EXPECT_EQ(other.Rewind(), MusicTrack::kFailed);
  EXPECT_EQ(other.Run(), MusicTrack::kFailed);
}

TEST_F(Music, PlayMusicFollowsTheMusicSwitchAndNeverRestarts) {
  platform::PlayMusic(game, 2);
  platform::PlayMusic(game, 2);
  EXPECT_EQ(backend.audioCalls, (std::vector<std::string>{"music-volume 2 -1400", "music-start 2",
                                                          "music-volume 2 -1400"}));
  platform::StopMusic(game, 2);
  backend.audioCalls.clear();
  game.sound.musicOn = 0;
  platform::PlayMusic(game, 2);
  EXPECT_TRUE(backend.audioCalls.empty());
  EXPECT_EQ(game.music[2].state(), MusicTrack::kStopped);
  platform::SetMusicVolume(game, 2, 60);
  EXPECT_EQ(backend.audioCalls, std::vector<std::string>{"music-volume 2 0"});
  platform::PlayMusic(game, 9);  // no such track
  platform::RewindMusic(game, -1);
}

TEST_F(Music, AFinishedTrackStaysRunningAndSilentUntilRewound) {
  platform::MusicMixer& mixer = backend.mixer();
  game.sound.musicVolume = 50;
  platform::PlayMusic(game, 2);
  const auto start = Pull(mixer, 0.1);
  EXPECT_GT(Peak(start), 10000);  // a 0.5 tone at full level
  Pull(mixer, 0.3);
  EXPECT_TRUE(mixer.IsFinished(2));
  EXPECT_EQ(Peak(Pull(mixer, 0.1)), 0);
  EXPECT_EQ(game.music[2].state(), MusicTrack::kRunning);

  platform::PlayMusic(game, 2);  // still "running": nothing starts
  EXPECT_EQ(Peak(Pull(mixer, 0.1)), 0);
  platform::RewindMusic(game, 2);
  platform::PlayMusic(game, 2);
  EXPECT_GT(Peak(Pull(mixer, 0.1)), 10000);
}

TEST_F(Music, VolumeAndStopApplyToEachTrackAlone) {
  platform::MusicMixer& mixer = backend.mixer();
  ASSERT_EQ(game.music[3].Open("song.dat"), MusicTrack::kSucceeded);
  game.sound.musicVolume = 50;
  platform::PlayMusic(game, 2);
  const int single = Peak(Pull(mixer, 0.05));
  platform::RewindMusic(game, 2);
  platform::SetMusicVolume(game, 3, 0);
  platform::PlayMusic(game, 2);
  game.music[3].Run();  // started without PlayMusic, so it keeps its silent volume
  EXPECT_NEAR(Peak(Pull(mixer, 0.05)), single, single / 20);
  platform::SetMusicVolume(game, 2, 40);  // -20 dB
  platform::SetMusicVolume(game, 3, 50);
  platform::StopMusic(game, 3);
  const int quieter = Peak(Pull(mixer, 0.05));
  EXPECT_NEAR(quieter, single / 10, single / 50);
}

}  // namespace
