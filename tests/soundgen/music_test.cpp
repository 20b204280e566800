#include "music.h"

#include <gtest/gtest.h>

#include <cmath>

#include "vorbis_encoder.h"
#include "vorbis_memory.h"

namespace soundgen {
namespace {

// A short song, so the tests stay fast: every kind of section once.
SongPlan ShortPlan() {
  SongPlan plan = GameSongs().at(1);
  plan.form = {{SectionKind::Intro, 2}, {SectionKind::Verse, 2}, {SectionKind::Break, 1}, {SectionKind::Chorus, 2}};
  return plan;
}

TEST(Music, RenderingIsDeterministicAndAsLongAsPlanned) {
  const SongPlan plan = ShortPlan();
  const StereoBuffer first = RenderSong(plan);
  const StereoBuffer second = RenderSong(plan);
  EXPECT_EQ(first.left, second.left);
  EXPECT_EQ(first.right, second.right);
  EXPECT_EQ(first.frames(), SecondsToFrames(SongSeconds(plan)));
  // (2 + 2 + 1 + 2 bars + 2 closing bars) at 124 bpm, then the tail.
  EXPECT_NEAR(SongSeconds(plan), 9 * 4 * 60.0 / 124 + 3.5, 1e-9);
}

TEST(Music, MasteredSongIsLevelledAndStartsAndEndsInSilence) {
  const StereoBuffer song = RenderSong(ShortPlan());
  const Levels levels = MeasureLevels(song);
  EXPECT_LE(levels.peak, kMusicPeakCeiling + 1e-6);
  EXPECT_GT(ToDecibels(levels.activeRms), -22.0);
  EXPECT_EQ(song.left.front(), 0.0f);
  EXPECT_EQ(song.left.back(), 0.0f);
  for (float v : song.left) ASSERT_TRUE(std::isfinite(v));
}

TEST(Music, DifferentPlansSoundDifferent) {
  SongPlan other = ShortPlan();
  other.seed += 1;  // same key, tempo and sounds: only the tune changes
  const StereoBuffer a = RenderSong(ShortPlan());
  const StereoBuffer b = RenderSong(other);
  ASSERT_EQ(a.frames(), b.frames());
  double difference = 0.0;
  for (std::size_t i = 0; i < a.frames(); ++i) difference += std::abs(a.left[i] - b.left[i]);
  EXPECT_GT(difference / a.frames(), 0.005);
}

TEST(Music, GameSongsCoverEveryTrackWithTheirLengths) {
  const auto songs = GameSongs();
  ASSERT_EQ(songs.size(), 8u);
  // Music is not looped: a play track has to outlast a level, the menu and
  // credits tracks a long stay on those screens.
  for (int track : {1, 4, 5, 7}) EXPECT_GE(SongSeconds(songs[track]), 100.0) << track;
  for (int track : {2, 3}) EXPECT_GE(SongSeconds(songs[track]), 120.0) << track;
  for (int track : {0, 6}) EXPECT_GE(SongSeconds(songs[track]), 60.0) << track;
}

TEST(Music, VorbisRoundTripKeepsLengthAndLevel) {
  const StereoBuffer song = RenderSong(ShortPlan());
  auto encoded = EncodeVorbis(song, 0.3f);
  ASSERT_TRUE(encoded.ok()) << encoded.reason();
  const auto decoded = testing::DecodeVorbis(encoded.value());
  ASSERT_TRUE(decoded.ok);
  EXPECT_EQ(decoded.channels, 2);
  EXPECT_EQ(decoded.rate, 44100);
  EXPECT_EQ(decoded.totalFrames, static_cast<long long>(song.frames()));
  ASSERT_EQ(decoded.sound.frames(), song.frames());
  const double before = MeasureLevels(song).activeRms;
  const double after = MeasureLevels(decoded.sound).activeRms;
  EXPECT_NEAR(ToDecibels(after), ToDecibels(before), 0.5);
  EXPECT_LT(MeasureLevels(decoded.sound).peak, 1.0);
  auto again = EncodeVorbis(song, 0.3f);
  EXPECT_EQ(again.value(), encoded.value());  // the same bytes on every build
}

}  // namespace
}  // namespace soundgen
