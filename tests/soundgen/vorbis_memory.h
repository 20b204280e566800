#pragma once
// Decodes an Ogg Vorbis image with libvorbisfile, as the game's player does.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "audio.h"

namespace soundgen::testing {

struct DecodedMusic {
  bool ok = false;
  int channels = 0;
  long rate = 0;
  long long totalFrames = 0;  // from the stream's own length field
  StereoBuffer sound;
};

struct MemoryCursor {
  const std::vector<std::uint8_t>* bytes;
  std::size_t at = 0;
};

inline std::size_t ReadFromMemory(void* out, std::size_t size, std::size_t count, void* source) {
  auto* cursor = static_cast<MemoryCursor*>(source);
  const std::size_t wanted = size * count;
  const std::size_t left = cursor->bytes->size() - cursor->at;
  const std::size_t n = std::min(wanted, left);
  std::memcpy(out, cursor->bytes->data() + cursor->at, n);
  cursor->at += n;
  return size > 0 ? n / size : 0;
}

inline int SeekInMemory(void* source, ogg_int64_t offset, int whence) {
  auto* cursor = static_cast<MemoryCursor*>(source);
  const long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<long long>(cursor->at)
                                                                     : static_cast<long long>(cursor->bytes->size());
  const long long target = base + offset;
  if (target < 0 || target > static_cast<long long>(cursor->bytes->size())) return -1;
  cursor->at = static_cast<std::size_t>(target);
  return 0;
}

inline long TellInMemory(void* source) { return static_cast<long>(static_cast<MemoryCursor*>(source)->at); }

inline DecodedMusic DecodeVorbis(const std::vector<std::uint8_t>& bytes) {
  DecodedMusic result;
  MemoryCursor cursor{&bytes};
  OggVorbis_File file;
  ov_callbacks callbacks{ReadFromMemory, SeekInMemory, nullptr, TellInMemory};
  if (ov_open_callbacks(&cursor, &file, nullptr, 0, callbacks) != 0) return result;
  const vorbis_info* info = ov_info(&file, -1);
  result.channels = info->channels;
  result.rate = info->rate;
  result.totalFrames = ov_pcm_total(&file, -1);
  int section = 0;
  for (;;) {
    float** pcm = nullptr;
    const long n = ov_read_float(&file, &pcm, 4096, &section);
    if (n < 0) {
      ov_clear(&file);
      return result;
    }
    if (n == 0) break;
    for (long i = 0; i < n; ++i) {
      result.sound.left.push_back(pcm[0][i]);
      result.sound.right.push_back(pcm[result.channels > 1 ? 1 : 0][i]);
    }
  }
  ov_clear(&file);
  result.ok = true;
  return result;
}

}  // namespace soundgen::testing
