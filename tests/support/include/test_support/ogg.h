#pragma once
// Ogg Vorbis files for the music tests: a steady sine tone, or silence.
#include <string>

namespace testsupport {

struct OggTone {
  int channels = 2;
  int rate = 44100;
  double seconds = 0.2;
  float amplitude = 0.5f;  // 0: silence
  double frequency = 441.0;
};

// False when the file cannot be written.
bool WriteOgg(const std::string& path, const OggTone& tone);

}  // namespace testsupport
