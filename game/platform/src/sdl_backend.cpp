#include "platform/sdl_backend.h"

#include <SDL_mixer.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/input.h"
#include "platform/music_mixer.h"
#include "gamefile/little_endian.h"

namespace platform {
namespace {

constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kOutputChunkFrames = 1024;

using gamefile::PutU16;
using gamefile::PutU32;
using gamefile::PutTag;

// A minimal canonical WAVE image of already checked PCM data, which
// SDL_mixer converts to the device's format.
std::vector<std::uint8_t> CanonicalWave(const WaveData& wave) {
  std::vector<std::uint8_t> out;
  const auto dataSize = static_cast<std::uint32_t>(wave.samples.size());
  PutTag(out, "RIFF");
  PutU32(out, 36 + dataSize);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);
  PutU16(out, wave.format.channels);
  PutU32(out, wave.format.samplesPerSecond);
  PutU32(out, wave.format.samplesPerSecond * wave.format.blockAlign);
  PutU16(out, wave.format.blockAlign);
  PutU16(out, wave.format.bitsPerSample);
  PutTag(out, "data");
  PutU32(out, dataSize);
  out.insert(out.end(), wave.samples.begin(), wave.samples.end());
  return out;
}

// Windows line ends in the texts would show as two breaks.
std::string WithUnixLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

int MouseButtonIndex(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    case SDL_BUTTON_X1: return 3;
    case SDL_BUTTON_X2: return 4;
    default: return -1;
  }
}

void MixMusic(void* mixer, Uint8* stream, int length) {
  const int frames = length / static_cast<int>(sizeof(std::int16_t) * kOutputChannels);
  static_cast<MusicMixer*>(mixer)->Mix(reinterpret_cast<std::int16_t*>(stream), frames);
}

}  // namespace

struct SdlBackend::Impl {
  bool videoReady = false;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  bool audioOpen = false;
  int outputChannels = kOutputChannels;
  std::array<Mix_Chunk*, 33> chunks{};
  std::unique_ptr<MusicMixer> mixer;

  void DestroyPresentation() {
    if (texture != nullptr) SDL_DestroyTexture(texture);
    if (renderer != nullptr) SDL_DestroyRenderer(renderer);
    texture = nullptr;
    renderer = nullptr;
  }

  // Opens the mixer at 16-bit stereo; on failure falls back to the dummy
  // driver so that every sound still loads and the game runs silent.
  bool OpenAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
        Mix_OpenAudio(kOutputRate, AUDIO_S16SYS, kOutputChannels, kOutputChunkFrames) == 0) {
      return true;
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
        Mix_OpenAudio(kOutputRate, AUDIO_S16SYS, kOutputChannels, kOutputChunkFrames) == 0) {
      audioOpen = true;
    }
    return false;
  }
};

SdlBackend::SdlBackend() : impl_(std::make_unique<Impl>()) {
  impl_->videoReady = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) == 0;
  impl_->mixer = std::make_unique<MusicMixer>(kOutputRate, kOutputChannels);
}

SdlBackend::~SdlBackend() {
  ReleaseSound();
  impl_->DestroyPresentation();
  if (impl_->window != nullptr) SDL_DestroyWindow(impl_->window);
  impl_->mixer.reset();
  SDL_Quit();
}

bool SdlBackend::CreateGameWindow() {
  if (!impl_->videoReady) return false;
  impl_->DestroyPresentation();
  if (impl_->window != nullptr) SDL_DestroyWindow(impl_->window);
  // Without a window manager a fullscreen window is not resized, so it is
  // created at the desktop's size and the frame letterboxed into it.
  SDL_DisplayMode desktop{};
  int width = kScreenWidth;
  int height = kScreenHeight;
  if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
    width = desktop.w;
    height = desktop.h;
  }
  impl_->window = SDL_CreateWindow("Qualdrex Engine", SDL_WINDOWPOS_UNDEFINED,
                                   SDL_WINDOWPOS_UNDEFINED, width, height,
                                   SDL_WINDOW_FULLSCREEN_DESKTOP);
  if (impl_->window == nullptr) return false;
  SDL_ShowCursor(SDL_DISABLE);  // the screens draw their own cursor
  return true;
}

void SdlBackend::MinimiseWindow() {
  if (impl_->window != nullptr) SDL_MinimizeWindow(impl_->window);
}

bool SdlBackend::StartDisplay(int depth) {
  if (impl_->window == nullptr) return false;
  impl_->DestroyPresentation();
  // No vertical sync: presenting never waits.
  impl_->renderer = SDL_CreateRenderer(impl_->window, -1, 0);
  if (impl_->renderer == nullptr) return false;
  SDL_RenderSetLogicalSize(impl_->renderer, kScreenWidth, kScreenHeight);
  impl_->texture = SDL_CreateTexture(impl_->renderer, PixelFormatForDepth(depth),
                                     SDL_TEXTUREACCESS_STREAMING, kScreenWidth, kScreenHeight);
  return impl_->texture != nullptr;
}

void SdlBackend::ReleaseDisplay() { impl_->DestroyPresentation(); }

void SdlBackend::Present(SDL_Surface& backBuffer) {
  if (impl_->texture == nullptr) return;
  SDL_UpdateTexture(impl_->texture, nullptr, backBuffer.pixels, backBuffer.pitch);
  SDL_SetRenderDrawColor(impl_->renderer, 0, 0, 0, 255);
  SDL_RenderClear(impl_->renderer);
  SDL_RenderCopy(impl_->renderer, impl_->texture, nullptr, nullptr);
  SDL_RenderPresent(impl_->renderer);
}

void SdlBackend::ShowMessage(std::string_view caption, std::string_view text) {
  const std::string shownCaption(caption);
  const std::string shownText = WithUnixLineEnds(text);
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, shownCaption.c_str(), shownText.c_str(),
                               nullptr) != 0) {
    // No display to show it on: the terminal is the only place left.
    std::fprintf(stderr, "%s\n%s\n", shownCaption.c_str(), shownText.c_str());
  }
}

void SdlBackend::StartInput() { SDL_SetRelativeMouseMode(SDL_TRUE); }

void SdlBackend::ReleaseInput() { SDL_SetRelativeMouseMode(SDL_FALSE); }

bool SdlBackend::PollEvent(InputEvent& event) {
  SDL_Event sdl;
  while (SDL_PollEvent(&sdl) != 0) {
    switch (sdl.type) {
      case SDL_QUIT:
        event = InputEvent{};
        event.kind = InputEvent::Kind::Quit;
        return true;
      case SDL_KEYDOWN: {
        const int key = VirtualKeyFromSdl(sdl.key.keysym.sym);
        if (key == 0) break;  // keys the game has no use for never reach it
        event = InputEvent{};
        event.kind = InputEvent::Kind::KeyDown;
        event.virtualKey = key;
        return true;
      }
      case SDL_MOUSEMOTION:
        event = InputEvent{};
        event.kind = InputEvent::Kind::MouseMotion;
        event.dx = sdl.motion.xrel;
        event.dy = sdl.motion.yrel;
        return true;
      case SDL_MOUSEWHEEL:
        event = InputEvent{};
        event.kind = InputEvent::Kind::MouseWheel;
        event.wheel = sdl.wheel.y;
        return true;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        const int button = MouseButtonIndex(sdl.button.button);
        if (button < 0) break;
        event = InputEvent{};
        event.kind = InputEvent::Kind::MouseButton;
        event.button = button;
        event.down = sdl.type == SDL_MOUSEBUTTONDOWN;
        return true;
      }
      default:
        break;
    }
  }
  return false;
}

bool SdlBackend::ReadCursorPosition(int& x, int& y) {
  SDL_GetGlobalMouseState(&x, &y);
  // The desktop keeps its own size and shows the frame letterboxed, so the
  // desktop position is moved into frame coordinates.
  SDL_DisplayMode desktop{};
  if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) DesktopPointToFrame(desktop.w, desktop.h, x, y);
  return true;
}

bool SdlBackend::StartSound() {
  const bool device = impl_->OpenAudio();
  if (device) impl_->audioOpen = true;
  if (!impl_->audioOpen) return false;
  int rate = kOutputRate;
  Uint16 format = AUDIO_S16SYS;
  int channels = kOutputChannels;
  Mix_QuerySpec(&rate, &format, &channels);
  impl_->outputChannels = channels;
  impl_->mixer = std::make_unique<MusicMixer>(rate, channels);
  Mix_AllocateChannels(kSoundBufferCount);
  Mix_HookMusic(MixMusic, impl_->mixer.get());
  return device;
}

bool SdlBackend::CreateSoundBuffer(int buffer, const WaveData& wave) {
  if (buffer < 0 || buffer >= kSoundBufferCount) return false;
  if (!impl_->audioOpen) return true;  // no device at all: the game runs silent
  const std::vector<std::uint8_t> image = CanonicalWave(wave);
  SDL_RWops* stream = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
  Mix_Chunk* chunk = stream != nullptr ? Mix_LoadWAV_RW(stream, 1) : nullptr;
  if (chunk == nullptr) return false;
  if (impl_->chunks[buffer] != nullptr) Mix_FreeChunk(impl_->chunks[buffer]);
  impl_->chunks[buffer] = chunk;
  return true;
}

void SdlBackend::PlaySoundBuffer(int buffer, int mixerVolume) {
  if (!impl_->audioOpen || impl_->chunks.at(buffer) == nullptr) return;
  // Each sound owns the channel of its number, so playing it again restarts it.
  Mix_Volume(buffer, mixerVolume);
  Mix_PlayChannel(buffer, impl_->chunks[buffer], 0);
}

void SdlBackend::StopSoundBuffer(int buffer) {
  if (impl_->audioOpen) Mix_HaltChannel(buffer);
}

bool SdlBackend::IsSoundBufferPlaying(int buffer) {
  return impl_->audioOpen && Mix_Playing(buffer) != 0;
}

void SdlBackend::ReleaseSound() {
  if (!impl_->audioOpen) return;
  Mix_HookMusic(nullptr, nullptr);
  Mix_HaltChannel(-1);
  for (Mix_Chunk*& chunk : impl_->chunks) {
    if (chunk != nullptr) Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
  Mix_CloseAudio();
  impl_->audioOpen = false;
}

bool SdlBackend::OpenMusicStream(int track, const std::string& path) {
  return impl_->mixer->Open(track, path);
}

void SdlBackend::StartMusicStream(int track) { impl_->mixer->Start(track); }
void SdlBackend::StopMusicStream(int track) { impl_->mixer->Stop(track); }
void SdlBackend::RewindMusicStream(int track) { impl_->mixer->Rewind(track); }
void SdlBackend::SetMusicStreamVolume(int track, int hundredthsDb) {
  impl_->mixer->SetVolume(track, hundredthsDb);
}

std::uint64_t SdlBackend::PerformanceFrequency() { return SDL_GetPerformanceFrequency(); }
std::uint64_t SdlBackend::PerformanceCounter() { return SDL_GetPerformanceCounter(); }
std::uint32_t SdlBackend::Milliseconds() { return SDL_GetTicks(); }
std::int64_t SdlBackend::CalendarSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }
void SdlBackend::Idle(int milliseconds) { SDL_Delay(static_cast<Uint32>(milliseconds)); }

}  // namespace platform
