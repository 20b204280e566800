#pragma once
// Sound effects and speech: 33 numbered PCM sounds held in memory.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/types.h"

namespace platform {

struct Platform;

// Opens the sound device; false when there is none (the game then runs
// silent but still loads every sound).
bool StartSound(Platform& platform);

// Reads a PCM RIFF/WAVE file into sound buffer `buffer`. False when the file
// is missing, not PCM, or damaged (a chunk that claims more than the file has).
bool LoadWave(Platform& platform, const std::string& fileName, int buffer);
// The parsing part of LoadWave, on bytes already in memory.
std::optional<WaveData> ParseWave(std::span<const std::uint8_t> bytes);

void PlayEffect(Platform& platform, int buffer);  // only when effects are on
void PlaySpeech(Platform& platform, int buffer);  // only when speech is on
bool IsSoundPlaying(Platform& platform, int buffer);
void StopSound(Platform& platform, int buffer);
void ReleaseSound(Platform& platform);

// Effects/speech setting (0..100) to hundredths of a decibel: (v - 100) * 50,
// at most 0.
int SoundVolumeToHundredthsDb(int setting);
// Hundredths of a decibel to the mixer's 0..128: 128 * 10^(v / 2000). Only
// -10000 and below is silent; anything above stays audible (at least 1).
int MixerVolumeFromHundredthsDb(int hundredthsDb);

}  // namespace platform
