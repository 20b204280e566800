#include "speech.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "dsp.h"

namespace soundgen {
namespace {

std::string ScratchFolder() {
  auto path = std::filesystem::temp_directory_path() / ("soundgen-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(path);
  return path.string();
}

TEST(Speech, EspeakSpeaksGermanThatIsPreparedForTheGame) {
  auto spoken = SpeakGerman("Schau genau hin!", ScratchFolder());
  ASSERT_TRUE(spoken.ok()) << spoken.reason();
  EXPECT_EQ(spoken.value().sampleRate, 22050);
  const StereoBuffer plain = PrepareSpeech(spoken.value(), 0.0);
  const StereoBuffer waiting = PrepareSpeech(spoken.value(), 1.0);
  EXPECT_EQ(waiting.frames(), plain.frames() + kSampleRate);
  // espeak-ng's leading silence is trimmed to a short breath.
  std::size_t firstSound = 0;
  while (std::abs(plain.left[firstSound]) < 0.01f) ++firstSound;
  EXPECT_LT(firstSound, SecondsToFrames(0.05));
  const Levels levels = MeasureLevels(plain);
  EXPECT_GT(levels.seconds, 0.5);
  EXPECT_LT(levels.seconds, 3.0);
  EXPECT_LE(levels.peak, 0.891 + 1e-6);
}

TEST(Speech, MissingEspeakIsReportedNotCrashed) {
  const char* oldPath = std::getenv("PATH");
  const std::string saved = oldPath ? oldPath : "";
  ::setenv("PATH", "/nonexistent", 1);
  auto spoken = SpeakGerman("Hallo", ScratchFolder());
  ::setenv("PATH", saved.c_str(), 1);
  ASSERT_FALSE(spoken.ok());
  EXPECT_NE(spoken.reason().find("espeak-ng"), std::string::npos);
}

}  // namespace
}  // namespace soundgen
