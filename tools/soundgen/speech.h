#pragma once
// German speech from espeak-ng, brought to the game's format and level.
#include <string>
#include <vector>

#include "audio.h"

namespace soundgen {

struct SpeechLine {
  int buffer;
  std::string text;  // UTF-8
};

// What the game says, by sound buffer: the level start, praise by the
// differences left, the close finish, the idle reminders, level complete.
const std::vector<SpeechLine>& SpeechLines();

// The buffer whose sentence follows the last find at once; it waits until
// the praise for the last difference has been said.
constexpr int kLevelCompleteSpeech = 10;
constexpr int kLastFindSpeeches[] = {15, 22};

// Runs `espeak-ng -v de -w <file> <text>` inside workDir and reads the
// result. Fails with a German reason when espeak-ng is missing or fails.
Outcome<MonoBuffer> SpeakGerman(const std::string& text, const std::string& workDir);

// Trims espeak-ng's silence, resamples to 44100 Hz, makes it stereo,
// optionally waits `leadingSilence` seconds first, and masters the level.
StereoBuffer PrepareSpeech(const MonoBuffer& raw, double leadingSilence);

}  // namespace soundgen
