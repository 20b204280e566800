#include "platform/music_mixer.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

struct MusicMixer::Track {
  OggVorbis_File file{};
  bool open = false;
  bool started = false;
  bool endOfFile = false;  // the decoder has delivered everything
  bool finished = false;   // and the converter has been drained
  float gain = 1.0f;
  SDL_AudioStream* converter = nullptr;

  void Close() {
    if (converter != nullptr) SDL_FreeAudioStream(converter);
    converter = nullptr;
    if (open) ov_clear(&file);
    open = started = endOfFile = finished = false;
  }

  // Decodes one block into the converter; at the end of the file flushes it.
  void Feed() {
    char block[8192];
    int section = 0;
    const long got = ov_read(&file, block, sizeof block, SDL_BYTEORDER == SDL_BIG_ENDIAN, 2, 1,
                             &section);
    if (got > 0) {
      SDL_AudioStreamPut(converter, block, static_cast<int>(got));
    } else if (got == OV_HOLE) {
      // A gap in the stream: skip it and go on with the next page.
    } else {
      // End of file or a damaged stream: play out what was decoded.
      endOfFile = true;
      SDL_AudioStreamFlush(converter);
    }
  }
};

MusicMixer::MusicMixer(int outputRate, int outputChannels)
    : outputRate_(outputRate), outputChannels_(outputChannels),
      tracks_(std::make_unique<Track[]>(kTracks)) {}

MusicMixer::~MusicMixer() {
  for (int i = 0; i < kTracks; ++i) tracks_[i].Close();
}

bool MusicMixer::Open(int track, const std::string& path) {
  if (track < 0 || track >= kTracks) return false;
  std::lock_guard lock(mutex_);
  Track& t = tracks_[track];
  t.Close();
  if (ov_fopen(path.c_str(), &t.file) != 0) return false;
  t.open = true;
  const vorbis_info* info = ov_info(&t.file, -1);
  if (info == nullptr || info->channels <= 0 || info->rate <= 0) {
    t.Close();
    return false;
  }
  t.converter = SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(info->channels),
                                   static_cast<int>(info->rate), AUDIO_S16SYS,
                                   static_cast<Uint8>(outputChannels_), outputRate_);
  if (t.converter == nullptr) {
    t.Close();
    return false;
  }
  return true;
}

void MusicMixer::Start(int track) {
  if (track < 0 || track >= kTracks) return;
  std::lock_guard lock(mutex_);
  if (tracks_[track].open) tracks_[track].started = true;
}

void MusicMixer::Stop(int track) {
  if (track < 0 || track >= kTracks) return;
  std::lock_guard lock(mutex_);
  tracks_[track].started = false;
}

void MusicMixer::Rewind(int track) {
  if (track < 0 || track >= kTracks) return;
  std::lock_guard lock(mutex_);
  Track& t = tracks_[track];
  if (!t.open) return;
  ov_raw_seek(&t.file, 0);
  SDL_AudioStreamClear(t.converter);
  t.endOfFile = t.finished = false;
}

void MusicMixer::SetVolume(int track, int hundredthsDb) {
  if (track < 0 || track >= kTracks) return;
  const float gain = hundredthsDb <= -10000 ? 0.0f
                                            : static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
  std::lock_guard lock(mutex_);
  tracks_[track].gain = std::min(gain, 1.0f);
}

bool MusicMixer::IsOpen(int track) const {
  std::lock_guard lock(mutex_);
  return track >= 0 && track < kTracks && tracks_[track].open;
}

bool MusicMixer::IsStarted(int track) const {
  std::lock_guard lock(mutex_);
  return track >= 0 && track < kTracks && tracks_[track].started;
}

bool MusicMixer::IsFinished(int track) const {
  std::lock_guard lock(mutex_);
  return track >= 0 && track < kTracks && tracks_[track].finished;
}

void MusicMixer::Mix(std::int16_t* out, int frames) {
  const int samples = frames * outputChannels_;
  {
    std::lock_guard lock(mutex_);
    // Scratch buffers grow once to the device's block size and are reused,
    // so the audio thread does not allocate on every call.
    if (sum_.size() < static_cast<std::size_t>(samples)) {
      sum_.resize(static_cast<std::size_t>(samples));
      part_.resize(static_cast<std::size_t>(samples));
    }
    std::fill_n(sum_.begin(), samples, 0);
    std::vector<int>& sum = sum_;
    std::vector<std::int16_t>& part = part_;
    for (int i = 0; i < kTracks; ++i) {
      Track& t = tracks_[i];
      if (!t.open || !t.started || t.finished) continue;
      const int wanted = samples * static_cast<int>(sizeof(std::int16_t));
      while (!t.endOfFile && SDL_AudioStreamAvailable(t.converter) < wanted) t.Feed();
      const int got = SDL_AudioStreamGet(t.converter, part.data(), wanted);
      const int gotSamples = got > 0 ? got / static_cast<int>(sizeof(std::int16_t)) : 0;
      for (int s = 0; s < gotSamples; ++s) sum[s] += static_cast<int>(std::lround(part[s] * t.gain));
      // A track at its end stays started and adds silence, as a finished
      // player does, until it is stopped or rewound.
      if (t.endOfFile && SDL_AudioStreamAvailable(t.converter) == 0) t.finished = true;
    }
    for (int s = 0; s < samples; ++s) out[s] = static_cast<std::int16_t>(std::clamp(sum[s], -32768, 32767));
  }
}

}  // namespace platform
