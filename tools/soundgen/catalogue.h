#pragma once
// Which data file holds which sound: the game loads music tracks 0..6 from
// mdat001..007 and track 7 from mdat040; sound buffer k from mdat(008 + k)
// for k = 0..25 and from mdat(007 + k) for k = 27..32 (buffer 26 has no file).
#include <string>
#include <vector>

namespace soundgen {

enum class AssetKind { Music, Effect, Speech };

struct AssetEntry {
  int fileNumber;  // NNN of mdatNNN.dat
  AssetKind kind;
  int index;       // music track or sound buffer
};

constexpr int kFirstFile = 1;
constexpr int kLastFile = 40;

std::string DataFileName(int fileNumber);  // "mdat007.dat"

// All forty files in file order.
std::vector<AssetEntry> SoundCatalogue();

// True for buffers the screens play with PlaySpeech.
bool IsSpeechBuffer(int buffer);

}  // namespace soundgen
