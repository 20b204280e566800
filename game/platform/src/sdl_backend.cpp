#include "platform/sdl_backend.h"

#include <SDL_mixer.h>

#include <time.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/input.h"
#include "platform/music_mixer.h"
#include "platform/presented_frame.h"
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

// True when the renderer draws through OpenGL that is itself emulated on the
// processor (Mesa's llvmpipe, softpipe or swrast): there every frame is
// rasterised by the CPU twice over, once into a texture and once onto the
// window, and SDL's software renderer gets the same picture there cheaper.
bool DrawsThroughSoftwareOpenGl(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr) return false;
  if (std::strncmp(info.name, "opengl", 6) != 0) return false;
  using GetString = const unsigned char* (*)(unsigned int);
  const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (getString == nullptr) return false;
  constexpr unsigned int kGlRenderer = 0x1F01;
  const auto* name = reinterpret_cast<const char*>(getString(kGlRenderer));
  if (name == nullptr) return false;
  return std::strstr(name, "llvmpipe") != nullptr || std::strstr(name, "softpipe") != nullptr ||
         std::strstr(name, "swrast") != nullptr;
}

// The renderer that costs least on this machine: SDL's first choice where a
// graphics processor does the work, SDL's software renderer straight onto
// the window's shared-memory image where OpenGL is only emulated. A renderer
// the user names in SDL_RENDER_DRIVER is taken as it is. No vertical sync:
// presenting never waits.
SDL_Renderer* CreateCheapestRenderer(SDL_Window* window) {
  const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
  if (renderer == nullptr || (asked != nullptr && *asked != '\0')) return renderer;
  if (!DrawsThroughSoftwareOpenGl(renderer)) return renderer;
  SDL_DestroyRenderer(renderer);
  // Without this SDL would hand the software renderer's window image to an
  // OpenGL texture again, the very cost avoided here.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_Renderer* software = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  return software != nullptr ? software : SDL_CreateRenderer(window, -1, 0);
}

// Window events after which the screen no longer shows the last frame, or
// shows it at another size: the next frame is presented even if unchanged.
bool WindowNeedsRedraw(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_DISPLAY_CHANGED:
      return true;
    default:
      return false;
  }
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
  PresentedFrame presented;
  bool redrawPending = true;

  // Uploads only the rows and columns that changed since the last present
  // and skips the present when nothing changed, unless the window asked to
  // be drawn again. Frame pacing is the main loop's; this never waits.
  void PresentChangedPart(const SDL_Surface& frame) {
    const FrameChange change = presented.Take(frame);
    if (!change.changed && !redrawPending) return;
    if (change.changed) {
      const auto* first = static_cast<const std::uint8_t*>(frame.pixels) +
                          static_cast<std::ptrdiff_t>(change.area.y) * frame.pitch +
                          change.area.x * frame.format->BytesPerPixel;
      SDL_UpdateTexture(texture, &change.area, first, frame.pitch);
    }
    // The renderer's own back buffer is undefined after a present, so the
    // whole texture is drawn again; that stays on the graphics side.
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
    redrawPending = false;
  }

  void DestroyPresentation() {
    if (texture != nullptr) SDL_DestroyTexture(texture);
    if (renderer != nullptr) SDL_DestroyRenderer(renderer);
    texture = nullptr;
    renderer = nullptr;
    presented.Forget();
    redrawPending = true;
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
  impl_->renderer = CreateCheapestRenderer(impl_->window);
  if (impl_->renderer == nullptr) return false;
  SDL_RenderSetLogicalSize(impl_->renderer, kScreenWidth, kScreenHeight);
  impl_->texture = SDL_CreateTexture(impl_->renderer, PixelFormatForDepth(depth),
                                     SDL_TEXTUREACCESS_STREAMING, kScreenWidth, kScreenHeight);
  return impl_->texture != nullptr;
}

void SdlBackend::ReleaseDisplay() { impl_->DestroyPresentation(); }

void SdlBackend::Present(SDL_Surface& backBuffer) {
  if (impl_->texture == nullptr) return;
  impl_->PresentChangedPart(backBuffer);
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
      case SDL_WINDOWEVENT:
        if (WindowNeedsRedraw(sdl.window)) impl_->redrawPending = true;
        break;
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        impl_->presented.Forget();  // the texture's pixels are gone
        impl_->redrawPending = true;
        break;
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
void SdlBackend::Idle(int microseconds) {
  // SDL_Delay counts whole milliseconds; the frame needs finer steps.
  timespec wait{0, static_cast<long>(microseconds) * 1000};
  while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
  }
}

}  // namespace platform
