#pragma once
// The synthesised sound effects of the game, by sound-buffer number.
#include <optional>

#include "audio.h"

namespace soundgen {

// Loudness every short sound is mastered to, so none stands out.
constexpr double kSoundTargetRms = 0.17;     // about -15 dBFS on the audible part
constexpr double kSoundPeakCeiling = 0.891;  // -1 dBFS

// The effect for a buffer number, mastered; nothing for speech buffers and
// for the unused buffer 26.
std::optional<StereoBuffer> MakeEffect(int buffer);

// Brings a finished short sound to the common level with click-free edges.
void MasterShortSound(StereoBuffer& sound);

}  // namespace soundgen
