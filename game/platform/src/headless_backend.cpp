#include "platform/headless_backend.h"

#include <png.h>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr std::uint64_t kCounterFrequency = 1'000'000;  // one unit = 1 microsecond
constexpr int kMixerRate = 44100;
constexpr int kMixerChannels = 2;

// The colour SDL's converter gives every RGB555 value, asked of it once, so
// a looked-up frame is exactly what converting it would give.
const std::vector<std::uint32_t>& Rgb555Table() {
  static const std::vector<std::uint32_t> table = [] {
    std::vector<std::uint16_t> values(1u << 15);
    for (std::size_t value = 0; value < values.size(); ++value) values[value] = static_cast<std::uint16_t>(value);
    std::vector<std::uint32_t> colours(values.size());
    SDL_ConvertPixels(static_cast<int>(values.size()), 1, SDL_PIXELFORMAT_RGB555, values.data(),
                      static_cast<int>(values.size() * 2), SDL_PIXELFORMAT_RGB888, colours.data(),
                      static_cast<int>(colours.size() * 4));
    return colours;
  }();
  return table;
}

// Copies the surface's rows one after another into `out`. Rows that lie
// back to back go in pieces of 256 KB: large enough that the copy is not
// made of a thousand small calls, small enough that the C library keeps
// the data in the cache (it bypasses the cache for copies of megabytes,
// and the next frame would then read the back buffer from memory).
void CopyRows(void* out, const SDL_Surface& surface, int bytesPerPixel) {
  const std::size_t rowBytes = static_cast<std::size_t>(surface.w) * bytesPerPixel;
  const auto* from = static_cast<const std::uint8_t*>(surface.pixels);
  auto* target = static_cast<std::uint8_t*>(out);
  if (static_cast<std::size_t>(surface.pitch) != rowBytes) {
    for (int y = 0; y < surface.h; ++y, from += surface.pitch, target += rowBytes) std::memcpy(target, from, rowBytes);
    return;
  }
  constexpr std::size_t kPiece = 256 * 1024;
  for (std::size_t left = rowBytes * surface.h; left > 0;) {
    const std::size_t piece = std::min(left, kPiece);
    std::memcpy(target, from, piece);
    target += piece, from += piece, left -= piece;
  }
}

// Copies the back buffer into `frame`, reusing its storage: a benchmark
// presents thousands of frames, and a fresh buffer for each would cost more
// than drawing it. Other formats (none of the game's) are converted.
void Capture(SDL_Surface& surface, CapturedFrame& frame) {
  frame.width = surface.w;
  frame.height = surface.h;
  const std::size_t count = static_cast<std::size_t>(surface.w) * surface.h;
  if (surface.format->format == SDL_PIXELFORMAT_RGB555) {
    frame.pixels.clear();
    frame.pixels555.resize(count);
    CopyRows(frame.pixels555.data(), surface, 2);
    return;
  }
  frame.pixels555.clear();
  frame.pixels.resize(count);
  std::uint32_t* out = frame.pixels.data();
  if (surface.format->format == SDL_PIXELFORMAT_RGB888) {
    CopyRows(out, surface, 4);
  } else {
    SDL_ConvertPixels(surface.w, surface.h, surface.format->format, surface.pixels, surface.pitch,
                      SDL_PIXELFORMAT_RGB888, out, surface.w * 4);
  }
}

}  // namespace

std::uint32_t Rgb555AsXrgb(std::uint16_t pixel) { return Rgb555Table()[pixel & 0x7FFF]; }

HeadlessBackend::HeadlessBackend()
    : sounds_(kSoundBufferCount), mixer_(std::make_unique<MusicMixer>(kMixerRate, kMixerChannels)) {}

HeadlessBackend::~HeadlessBackend() = default;

void HeadlessBackend::ScriptKey(int virtualKey) { events_.push_back(KeyDownEvent(virtualKey)); }

void HeadlessBackend::ScriptMotion(int dx, int dy) { events_.push_back(MotionEvent(dx, dy)); }

void HeadlessBackend::ScriptWheel(int delta) { events_.push_back(WheelEvent(delta)); }

void HeadlessBackend::ScriptButton(int button, bool down) { events_.push_back(ButtonEvent(button, down)); }

void HeadlessBackend::ScriptClick(int button) {
  ScriptButton(button, true);
  ScriptButton(button, false);
}

void HeadlessBackend::ScriptQuit() { events_.push_back(QuitEvent()); }

void HeadlessBackend::ScriptWindowModeSwitch(bool windowed) { events_.push_back(WindowModeEvent(windowed)); }

void HeadlessBackend::AdvanceClock(std::uint64_t units) { clock += units; }

bool HeadlessBackend::WriteFramePng(const CapturedFrame& frame, const std::string& path) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(frame.width) * frame.height * 3);
  std::uint8_t* out = rgb.data();
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x, out += 3) {
      const std::uint32_t pixel = frame.Pixel(x, y);
      out[0] = static_cast<std::uint8_t>(pixel >> 16);
      out[1] = static_cast<std::uint8_t>(pixel >> 8);
      out[2] = static_cast<std::uint8_t>(pixel);
    }
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(frame.width);
  image.height = static_cast<png_uint_32>(frame.height);
  image.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

bool HeadlessBackend::CreateGameWindow() {
  ++windowsCreated;
  return true;
}

void HeadlessBackend::ChooseWindowMode(bool windowed) { windowedChosen = windowed; }

void HeadlessBackend::AllowScreenSaver(bool allowed) { screenSaverChanges.push_back(allowed); }

void HeadlessBackend::MinimiseWindow() { ++minimiseCount; }

bool HeadlessBackend::StartDisplay(int depth) {
  ++displayStarts;
  if (depth == 32) return !refuseDepth32;
  if (depth == 16) return !refuseDepth16;
  return false;
}

void HeadlessBackend::ReleaseDisplay() {}

void HeadlessBackend::Present(SDL_Surface& backBuffer) {
  if (keepAllFrames || frames.empty()) frames.emplace_back();
  Capture(backBuffer, frames.back());
  ++presentCount;
  if (onPresent) onPresent(*this, presentCount);
}

void HeadlessBackend::ShowMessage(std::string_view caption, std::string_view text) {
  messages.push_back({std::string(caption), std::string(text)});
}

// Like the relative mouse of a real desktop, taking the mouse moves the
// system pointer to the middle of the window.
void HeadlessBackend::StartInput() {
  cursorX = kScreenWidth / 2;
  cursorY = kScreenHeight / 2;
}
void HeadlessBackend::ReleaseInput() {}

bool HeadlessBackend::PollEvent(InputEvent& event) {
  if (events_.empty()) return false;
  event = events_.front();
  events_.pop_front();
  return true;
}

bool HeadlessBackend::ReadCursorPosition(int& x, int& y) {
  if (!cursorReadable) return false;
  x = cursorX;
  y = cursorY;
  return true;
}

bool HeadlessBackend::StartSound() { return !noSoundDevice; }

bool HeadlessBackend::CreateSoundBuffer(int buffer, const WaveData& wave) {
  if (buffer < 0 || buffer >= static_cast<int>(sounds_.size())) return false;
  SoundBuffer& sound = sounds_[buffer];
  const std::uint64_t frames = wave.samples.size() / wave.format.blockAlign;
  sound = SoundBuffer{};
  sound.loaded = true;
  sound.durationUs = frames * kCounterFrequency / wave.format.samplesPerSecond;
  return true;
}

void HeadlessBackend::PlaySoundBuffer(int buffer, int mixerVolume) {
  audioCalls.push_back("sound-play " + std::to_string(buffer) + " " + std::to_string(mixerVolume));
  SoundBuffer& sound = sounds_.at(buffer);
  sound.playing = true;
  sound.startedAt = clock;
}

void HeadlessBackend::StopSoundBuffer(int buffer) {
  audioCalls.push_back("sound-stop " + std::to_string(buffer));
  sounds_.at(buffer).playing = false;
}

bool HeadlessBackend::IsSoundBufferPlaying(int buffer) {
  const SoundBuffer& sound = sounds_.at(buffer);
  return sound.playing && clock - sound.startedAt < sound.durationUs;
}

void HeadlessBackend::ReleaseSound() {
  audioCalls.push_back("sound-release");
  for (SoundBuffer& sound : sounds_) sound = SoundBuffer{};
}

bool HeadlessBackend::OpenMusicStream(int track, const std::string& path) {
  return mixer_->Open(track, path);
}

void HeadlessBackend::StartMusicStream(int track) {
  audioCalls.push_back("music-start " + std::to_string(track));
  mixer_->Start(track);
}

void HeadlessBackend::StopMusicStream(int track) {
  audioCalls.push_back("music-stop " + std::to_string(track));
  mixer_->Stop(track);
}

void HeadlessBackend::RewindMusicStream(int track) {
  audioCalls.push_back("music-rewind " + std::to_string(track));
  mixer_->Rewind(track);
}

void HeadlessBackend::SetMusicStreamVolume(int track, int hundredthsDb) {
  audioCalls.push_back("music-volume " + std::to_string(track) + " " + std::to_string(hundredthsDb));
  mixer_->SetVolume(track, hundredthsDb);
}

std::uint64_t HeadlessBackend::PerformanceFrequency() {
  return highResolutionClock ? kCounterFrequency : 0;
}

std::uint64_t HeadlessBackend::PerformanceCounter() {
  clock += clockStepPerQuery;
  return clock;
}

std::uint32_t HeadlessBackend::Milliseconds() {
  clock += clockStepPerQuery;
  return static_cast<std::uint32_t>(clock / 1000);
}

std::int64_t HeadlessBackend::CalendarSeconds() { return 1'700'000'000; }

void HeadlessBackend::Idle(int microseconds) {
  ++idleCalls;
  idleMicroseconds.push_back(microseconds);
}

}  // namespace platform
