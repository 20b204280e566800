#pragma once
// Ogg Vorbis encoding of a finished track, in memory, so the caller can
// write the file atomically.
#include "audio.h"
#include "gamefile/file_io.h"

namespace soundgen {

// quality is libvorbisenc's VBR quality (-0.1 .. 1.0). Fails only when the
// encoder refuses the settings.
Outcome<gamefile::Bytes> EncodeVorbis(const StereoBuffer& sound, float quality);

}  // namespace soundgen
