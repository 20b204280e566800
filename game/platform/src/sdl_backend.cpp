#include "platform/sdl_backend.h"

#include <SDL_mixer.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <time.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/gamepad.h"
#include "platform/input.h"
#include "platform/music_mixer.h"
#include "platform/presented_frame.h"
#include "gamefile/little_endian.h"

namespace platform {
namespace {

constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kOutputChunkFrames = 1024;
constexpr Uint32 kPadMotionMilliseconds = 10;
constexpr int kEscapeKey = 27;

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

// The display the pointer is on, so the game opens where the player looks;
// the first display when the pointer lies on none.
int DisplayUnderPointer() {
  int x = 0;
  int y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  const SDL_Point pointer{x, y};
  for (int display = 0; display < SDL_GetNumVideoDisplays(); ++display) {
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(display, &bounds) == 0 && SDL_PointInRect(&pointer, &bounds)) return display;
  }
  return 0;
}

bool IsWindowModeKey(const SDL_KeyboardEvent& key) {
  if (key.keysym.sym == SDLK_F11) return true;
  const bool enter = key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER;
  return enter && (key.keysym.mod & KMOD_ALT) != 0;
}

// X11 compositors leave a window marked "bypass" unredirected, which makes
// some desktops flicker around a window. Full screen asks for the bypass
// (value 1), a window asks for none (0). Other video drivers have no such
// property and are left alone.
void MarkCompositorBypass(SDL_Window* window, bool bypass) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  const Atom property = XInternAtom(display, "_NET_WM_BYPASS_COMPOSITOR", False);
  const unsigned long value = bypass ? 1 : 0;
  XChangeProperty(display, info.info.x11.window, property, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&value), 1);
  XFlush(display);
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
  bool windowed = false;
  bool hasFocus = true;
  bool inputStarted = false;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  bool audioOpen = false;
  // Sound was started on a real device (not the silent fallback), so it
  // follows the devices that come and go.
  bool onRealDevice = false;
  int outputRate = kOutputRate;
  int outputChannels = kOutputChannels;
  int audioReopens = 0;
  std::vector<std::string> knownOutputs;
  std::array<Mix_Chunk*, 33> chunks{};
  // Every sound's wave, kept so the sounds can be loaded again into a mixer
  // opened on another device.
  std::array<std::vector<std::uint8_t>, 33> waveImages{};
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

  std::vector<SDL_GameController*> pads;
  PadCursor padCursor;
  Uint32 lastPadTicks = 0;

  // The mouse is held (relative mode: hidden, caught in the window) on the
  // full screen always, in a window only while the game has the focus, so
  // the player can reach the rest of the desktop.
  void UpdateMouseHold() {
    if (!inputStarted) return;
    const bool hold = !windowed || hasFocus;
    SDL_SetRelativeMouseMode(hold ? SDL_TRUE : SDL_FALSE);
  }

  void PlaceWindow(int display) {
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(display, &bounds) != 0) bounds = SDL_Rect{0, 0, kScreenWidth, kScreenHeight};
    if (windowed) {
      SDL_SetWindowFullscreen(window, 0);
      SDL_SetWindowSize(window, kScreenWidth, kScreenHeight);
      SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                            SDL_WINDOWPOS_CENTERED_DISPLAY(display));
    } else {
      // Without a window manager a fullscreen window is not resized, so it
      // is first made the display's size and placed on it.
      SDL_SetWindowPosition(window, bounds.x, bounds.y);
      SDL_SetWindowSize(window, bounds.w, bounds.h);
      SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    MarkCompositorBypass(window, !windowed);
  }

  // Where the window is, or (read before it exists) where it will open: the
  // whole display under the pointer, or a 1024 x 768 window centred on it.
  SDL_Rect FrameArea() const {
    SDL_Rect area{0, 0, 0, 0};
    if (window != nullptr) {
      SDL_GetWindowPosition(window, &area.x, &area.y);
      SDL_GetWindowSize(window, &area.w, &area.h);
      if (area.w > 0 && area.h > 0) return area;
    }
    if (SDL_GetDisplayBounds(DisplayUnderPointer(), &area) != 0) {
      SDL_DisplayMode desktop{};
      if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return SDL_Rect{0, 0, kScreenWidth, kScreenHeight};
      area = SDL_Rect{0, 0, desktop.w, desktop.h};
    }
    if (windowed) {
      area.x += (area.w - kScreenWidth) / 2;
      area.y += (area.h - kScreenHeight) / 2;
      area.w = kScreenWidth;
      area.h = kScreenHeight;
    }
    return area;
  }

  void SwitchWindowMode() {
    windowed = !windowed;
    const int display = SDL_GetWindowDisplayIndex(window);
    PlaceWindow(display < 0 ? 0 : display);
    UpdateMouseHold();
    redrawPending = true;  // the next frame goes up whole, not only what changed
    ShowLastFrameAgain();
  }

  // Exposed, resized or switched: the last frame is shown again at once
  // rather than with the next frame the screen draws (a frozen screen draws
  // none).
  void ShowLastFrameAgain() {
    if (renderer == nullptr || texture == nullptr) return;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
  }

  void HandleWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
      case SDL_WINDOWEVENT_EXPOSED:
      case SDL_WINDOWEVENT_SIZE_CHANGED:
      case SDL_WINDOWEVENT_RESTORED:
        ShowLastFrameAgain();
        break;
      case SDL_WINDOWEVENT_FOCUS_GAINED:
        hasFocus = true;
        UpdateMouseHold();
        break;
      case SDL_WINDOWEVENT_FOCUS_LOST:
        hasFocus = false;
        UpdateMouseHold();
        break;
      default:
        break;
    }
  }

  // --- sound devices that come and go ---

  std::vector<std::string> OutputNames() const {
    std::vector<std::string> names;
    const int count = SDL_GetNumAudioDevices(0);
    for (int i = 0; i < count; ++i) {
      const char* name = SDL_GetAudioDeviceName(i, 0);
      names.emplace_back(name != nullptr ? name : "");
    }
    return names;
  }

  bool LoadChunk(int buffer) {
    const std::vector<std::uint8_t>& image = waveImages[buffer];
    if (image.empty()) return true;
    SDL_RWops* stream = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
    Mix_Chunk* chunk = stream != nullptr ? Mix_LoadWAV_RW(stream, 1) : nullptr;
    if (chunk == nullptr) return false;
    if (chunks[buffer] != nullptr) Mix_FreeChunk(chunks[buffer]);
    chunks[buffer] = chunk;
    return true;
  }

  void CloseMixer() {
    Mix_HookMusic(nullptr, nullptr);
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : chunks) {
      if (chunk != nullptr) Mix_FreeChunk(chunk);
      chunk = nullptr;
    }
    Mix_CloseAudio();
    audioOpen = false;
  }

  // Opens the mixer on the present default device in exactly the format the
  // music mixer was made for (SDL converts for the device), so the tracks
  // go on from where they were; the sounds are loaded again from their
  // waves. False leaves the game silent until the next device comes.
  bool ReopenMixer() {
    if (audioOpen) CloseMixer();
    ++audioReopens;
    if (Mix_OpenAudioDevice(outputRate, AUDIO_S16SYS, outputChannels, kOutputChunkFrames, nullptr, 0) != 0) {
      knownOutputs = OutputNames();
      return false;
    }
    audioOpen = true;
    knownOutputs = OutputNames();
    Mix_AllocateChannels(kSoundBufferCount);
    for (int buffer = 0; buffer < kSoundBufferCount; ++buffer) LoadChunk(buffer);
    Mix_HookMusic(MixMusic, mixer.get());
    return true;
  }

  // SDL announces every device present at start as added; only a name not
  // seen before is a new device. A removal is only reported for a device
  // that is open, which is the game's own.
  void HandleAudioDeviceEvent(const SDL_AudioDeviceEvent& event) {
    if (!onRealDevice || event.iscapture != 0) return;
    if (event.type == SDL_AUDIODEVICEADDED) {
      const char* name = SDL_GetAudioDeviceName(static_cast<int>(event.which), 0);
      const std::string added = name != nullptr ? name : "";
      if (audioOpen && std::find(knownOutputs.begin(), knownOutputs.end(), added) != knownOutputs.end()) return;
    }
    ReopenMixer();
  }

  // --- gamepads ---

  void OpenPad(int joystickIndex) {
    if (SDL_IsGameController(joystickIndex) != SDL_TRUE) return;
    SDL_GameController* pad = SDL_GameControllerOpen(joystickIndex);
    if (pad == nullptr) return;
    if (std::find(pads.begin(), pads.end(), pad) == pads.end()) pads.push_back(pad);
  }

  void ClosePad(SDL_JoystickID instance) {
    for (auto it = pads.begin(); it != pads.end(); ++it) {
      if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(*it)) == instance) {
        SDL_GameControllerClose(*it);
        pads.erase(it);
        return;
      }
    }
  }

  // The strongest stick push of all pads, and every d-pad direction held.
  PadPointing ReadPadPointing() const {
    PadPointing pointing;
    for (SDL_GameController* pad : pads) {
      const double x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX) / 32767.0;
      const double y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY) / 32767.0;
      if (std::hypot(x, y) > std::hypot(pointing.stickX, pointing.stickY)) {
        pointing.stickX = x;
        pointing.stickY = y;
      }
      pointing.left |= SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT) != 0;
      pointing.right |= SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT) != 0;
      pointing.up |= SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP) != 0;
      pointing.down |= SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN) != 0;
    }
    return pointing;
  }

  // The stick and the d-pad are states, not events: while one is held, the
  // motion since the last reading is handed out as mouse motion, at most
  // every 10 ms so frames still run in between.
  bool PadMotion(InputEvent& event) {
    if (pads.empty()) return false;
    const Uint32 now = SDL_GetTicks();
    const PadPointing pointing = ReadPadPointing();
    int dx = 0;
    int dy = 0;
    if (!padCursor.Moving(pointing)) {
      padCursor.Advance(pointing, 0, dx, dy);
      lastPadTicks = now;
      return false;
    }
    if (now - lastPadTicks < kPadMotionMilliseconds) return false;
    padCursor.Advance(pointing, static_cast<int>(now - lastPadTicks), dx, dy);
    lastPadTicks = now;
    if (dx == 0 && dy == 0) return false;
    event = MotionEvent(dx, dy);
    return true;
  }

  // A clicks (left button), a shoulder button holds the right button, B and
  // Start act as Escape. False for buttons the game has no use for.
  static bool PadButtonEvent(const SDL_ControllerButtonEvent& button, InputEvent& event) {
    const bool down = button.type == SDL_CONTROLLERBUTTONDOWN;
    switch (button.button) {
      case SDL_CONTROLLER_BUTTON_A:
        event = ButtonEvent(0, down);
        return true;
      case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
      case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        event = ButtonEvent(1, down);
        return true;
      case SDL_CONTROLLER_BUTTON_B:
      case SDL_CONTROLLER_BUTTON_START:
        if (!down) return false;
        event = KeyDownEvent(kEscapeKey);
        return true;
      default:
        return false;
    }
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
    if (OpenMixerOnCurrentDriver()) return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (OpenMixerOnCurrentDriver()) audioOpen = true;
    return false;
  }

  static bool OpenMixerOnCurrentDriver() {
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
           Mix_OpenAudio(kOutputRate, AUDIO_S16SYS, kOutputChannels, kOutputChunkFrames) == 0;
  }
};

SdlBackend::SdlBackend() : impl_(std::make_unique<Impl>()) {
  // Moving the pointer to another monitor must not minimise the game.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // The bypass is set per mode by MarkCompositorBypass; SDL would otherwise
  // ask for it on every window, windows included.
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  impl_->videoReady = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) == 0;
  // Without a pad subsystem the game still runs with the mouse.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  impl_->mixer = std::make_unique<MusicMixer>(kOutputRate, kOutputChannels);
}

SdlBackend::~SdlBackend() {
  ReleaseSound();
  for (SDL_GameController* pad : impl_->pads) SDL_GameControllerClose(pad);
  impl_->pads.clear();
  impl_->DestroyPresentation();
  if (impl_->window != nullptr) SDL_DestroyWindow(impl_->window);
  impl_->mixer.reset();
  SDL_Quit();
}

bool SdlBackend::CreateGameWindow() {
  if (!impl_->videoReady) return false;
  impl_->DestroyPresentation();
  if (impl_->window != nullptr) SDL_DestroyWindow(impl_->window);
  const int display = DisplayUnderPointer();
  // High-DPI screens get a drawable of their real pixel count; the renderer
  // scales the frame into it, so the picture stays sharp.
  Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE;
  int left = SDL_WINDOWPOS_CENTERED_DISPLAY(display);
  int top = left;
  int width = kScreenWidth;
  int height = kScreenHeight;
  SDL_Rect bounds{};
  if (!impl_->windowed && SDL_GetDisplayBounds(display, &bounds) == 0) {
    // Without a window manager a fullscreen window is not resized, so it
    // is created at the display's size and the frame letterboxed into it.
    left = bounds.x;
    top = bounds.y;
    width = bounds.w;
    height = bounds.h;
  }
  if (!impl_->windowed) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  impl_->window = SDL_CreateWindow("Qualdrex Engine", left, top, width, height, flags);
  if (impl_->window == nullptr) return false;
  SDL_SetWindowMinimumSize(impl_->window, kScreenWidth / 4, kScreenHeight / 4);
  MarkCompositorBypass(impl_->window, !impl_->windowed);
  SDL_ShowCursor(SDL_DISABLE);  // the screens draw their own cursor
  return true;
}

void SdlBackend::ChooseWindowMode(bool windowed) { impl_->windowed = windowed; }

bool SdlBackend::IsWindowed() const { return impl_->windowed; }

SDL_Window* SdlBackend::Window() const { return impl_->window; }

void SdlBackend::AllowScreenSaver(bool allowed) {
  if (allowed) {
    SDL_EnableScreenSaver();
  } else {
    SDL_DisableScreenSaver();
  }
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

void SdlBackend::StartInput() {
  impl_->inputStarted = true;
  impl_->UpdateMouseHold();
}

void SdlBackend::ReleaseInput() {
  impl_->inputStarted = false;
  SDL_SetRelativeMouseMode(SDL_FALSE);
}

bool SdlBackend::PollEvent(InputEvent& event) {
  SDL_Event sdl;
  while (SDL_PollEvent(&sdl) != 0) {
    switch (sdl.type) {
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        impl_->presented.Forget();  // the texture's pixels are gone
        impl_->redrawPending = true;
        break;
      case SDL_QUIT:
        event = QuitEvent();
        return true;
      case SDL_WINDOWEVENT:
        if (WindowNeedsRedraw(sdl.window)) impl_->redrawPending = true;
        impl_->HandleWindowEvent(sdl.window);
        break;
      case SDL_AUDIODEVICEADDED:
      case SDL_AUDIODEVICEREMOVED:
        impl_->HandleAudioDeviceEvent(sdl.adevice);
        break;
      case SDL_CONTROLLERDEVICEADDED:
        impl_->OpenPad(sdl.cdevice.which);
        break;
      case SDL_CONTROLLERDEVICEREMOVED:
        impl_->ClosePad(sdl.cdevice.which);
        break;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP:
        if (Impl::PadButtonEvent(sdl.cbutton, event)) return true;
        break;
      case SDL_KEYDOWN: {
        if (IsWindowModeKey(sdl.key)) {
          // Held keys repeat; only the first press switches.
          if (sdl.key.repeat != 0 || impl_->window == nullptr) break;
          impl_->SwitchWindowMode();
          event = WindowModeEvent(impl_->windowed);
          return true;
        }
        const int key = VirtualKeyFromSdl(sdl.key.keysym.sym);
        if (key == 0) break;  // keys the game has no use for never reach it
        event = KeyDownEvent(key);
        return true;
      }
      case SDL_MOUSEMOTION:
        event = MotionEvent(sdl.motion.xrel, sdl.motion.yrel);
        return true;
      case SDL_MOUSEWHEEL:
        event = WheelEvent(sdl.wheel.y);
        return true;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        const int button = MouseButtonIndex(sdl.button.button);
        if (button < 0) break;
        event = ButtonEvent(button, sdl.type == SDL_MOUSEBUTTONDOWN);
        return true;
      }
      default:
        break;
    }
  }
  return impl_->PadMotion(event);
}

bool SdlBackend::ReadCursorPosition(int& x, int& y) {
  SDL_GetGlobalMouseState(&x, &y);
  // The frame is letterboxed into the window, so the desktop position is
  // moved into frame coordinates. Window and display rectangles are in the
  // same desktop units as the pointer, whatever the drawable's pixel count
  // on a high-DPI screen.
  const SDL_Rect area = impl_->FrameArea();
  x -= area.x;
  y -= area.y;
  DesktopPointToFrame(area.w, area.h, x, y);
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
  impl_->outputRate = rate;
  impl_->outputChannels = channels;
  impl_->onRealDevice = device;
  impl_->knownOutputs = impl_->OutputNames();
  impl_->mixer = std::make_unique<MusicMixer>(rate, channels);
  Mix_AllocateChannels(kSoundBufferCount);
  Mix_HookMusic(MixMusic, impl_->mixer.get());
  return device;
}

bool SdlBackend::CreateSoundBuffer(int buffer, const WaveData& wave) {
  if (buffer < 0 || buffer >= kSoundBufferCount) return false;
  impl_->waveImages[buffer] = CanonicalWave(wave);
  if (!impl_->audioOpen) return true;  // no device at all: the game runs silent
  if (impl_->LoadChunk(buffer)) return true;
  impl_->waveImages[buffer].clear();
  return false;
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
  impl_->onRealDevice = false;
  if (!impl_->audioOpen) return;
  impl_->CloseMixer();
}

int SdlBackend::AudioReopenCount() const { return impl_->audioReopens; }

const MusicMixer& SdlBackend::Music() const { return *impl_->mixer; }

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
