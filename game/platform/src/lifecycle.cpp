#include "platform/lifecycle.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "gamefile/file_io.h"
#include "platform/platform.h"

namespace platform {
namespace {

constexpr const char* kSoundSettingsFile = "vol.qxf";
constexpr std::size_t kStartDirectoryLimit = 2000;
constexpr std::uint64_t kFramesPerSecond = 100;
constexpr std::uint64_t kFallbackFrameMilliseconds = 33;
constexpr std::uint64_t kWakeMarginMicroseconds = 250;

const char kSoundMessage[] =
    "Konnte DirectSound nicht initialisieren.\n\nMögliche Ursachen: Sie haben keine Soundkarte "
    "installiert oder sie die Treiber ihrer Soundkarte sind nicht DirectX Kompatibel.\n\nUm "
    "Vistrel spielen zu können benötigen sie eine Soundkarte";

std::string SixteenBitMessage() {
  std::string text =
      "Ihr Grafiksystem unterstützt leider den gewünschten DirectX-Modus 1024x768 32-Bit "
      "nicht.\n\nEs wird versucht Vistrel im 1024x768 16-Bit Modus zu starten, wobei es jedoch zu "
      "Problemen mit der Grafikqualität kommen kann.\n\nFür mehr Informationen und "
      "Supportmöglichkeiten besuchen sie ";
  text += kMakerWebAddress;
  return text;
}

std::string DisplayMessage() {
  std::string text =
      "Konnte DirectX nicht initialisieren\n\nMögliche Ursachen:\n- DirectX ist auf ihrem Computer "
      "nicht installiert, stellen sie fest ob DirectX (min. Version 8.0) auf ihrem Rechner "
      "installiert ist.\n- Ihre Grafikkarte oder ihr Bildschirm unterstützt die Auflösung 1024x768 "
      "nicht. Überprüfen sie dies.\n\nKonnte ihr Problem nicht gelöst werden, so wenden sie sich "
      "an den Qualdrex Support, Kontaktmöglichkeiten finden sie unter\r\n\r\n";
  text += kMakerWebAddress;
  return text;
}

std::uint64_t ReadClock(Platform& platform) {
  if (platform.pacing.highResolution) return platform.backend->PerformanceCounter();
  return platform.backend->Milliseconds();  // widened with a zero high part
}

// A reading of ReadClock in milliseconds, cut to 32 bits like the
// millisecond clock itself.
std::uint32_t ClockMilliseconds(const Platform& platform, std::uint64_t reading) {
  if (!platform.pacing.highResolution) return static_cast<std::uint32_t>(reading);
  const std::uint64_t frequency = platform.pacing.frequency;
  const std::uint64_t milliseconds = reading / frequency * 1000 + reading % frequency * 1000 / frequency;
  return static_cast<std::uint32_t>(milliseconds);
}

// 32 bits first; on failure the window is made anew and 16 bits tried, with
// the user told once. False when neither depth can be shown.
bool StartDisplayWithFallback(Platform& platform) {
  if (StartDisplay(platform, kScreenWidth, kScreenHeight, 32)) return true;
  ReleaseDisplay(platform);
  platform.backend->MinimiseWindow();
  platform.backend->CreateGameWindow();
  ShowMessage(platform, "Fehler", SixteenBitMessage());
  if (StartDisplay(platform, kScreenWidth, kScreenHeight, 16)) return true;
  ReleaseDisplay(platform);
  platform.backend->MinimiseWindow();
  FailWithMessage(platform, "Fehler", DisplayMessage());
  return false;
}

std::array<std::uint8_t, 6> EncodeSoundSettings(const SoundSettings& s) {
  auto flag = [](std::uint8_t on) -> std::uint8_t { return on != 0 ? 1 : 0; };
  return {flag(s.musicOn), s.musicVolume, flag(s.effectsOn), s.effectsVolume, flag(s.speechOn),
          s.speechVolume};
}

}  // namespace

void RestoreStartDirectory(const Platform& platform) {
  if (!platform.startDirectory.empty()) {
    // A start directory that has vanished leaves the current one; the file
    // access that follows then fails with its own message.
    [[maybe_unused]] const int ignored = chdir(platform.startDirectory.c_str());
  }
}

void ShowMessage(Platform& platform, std::string_view caption, std::string_view text) {
  if (platform.backend != nullptr) platform.backend->ShowMessage(caption, text);
}

void FailWithMessage(Platform& platform, std::string_view caption, std::string_view text) {
  ShowMessage(platform, caption, text);
  platform.endRequested = true;
}

std::string MissingFileMessage(std::string_view fileName) {
  std::string text = "Konnte folgende Datei nicht öffnen:\n\n";
  text += fileName;
  text +=
      "\n\nVersuchen Sie Vistrel zu deinstallieren und erneut zu installieren.\nSollte dies nicht "
      "zum Erfolg führen, so wenden sie sich an den Support.\n\nKontaktmöglichkeiten finden sie "
      "unter\r\n\r\n";
  text += kMakerWebAddress;
  return text;
}

SoundSettings DecodeSoundSettings(std::span<const std::uint8_t> bytes) {
  // Missing bytes of a short file: "on" flags read as on, volumes as 255.
  auto byteAt = [&](std::size_t i, std::uint8_t missing) {
    return i < bytes.size() ? bytes[i] : missing;
  };
  auto flagAt = [&](std::size_t i) -> std::uint8_t { return byteAt(i, 1) != 0 ? 1 : 0; };
  SoundSettings s;
  s.musicOn = flagAt(0);
  s.musicVolume = byteAt(1, 255);
  s.effectsOn = flagAt(2);
  s.effectsVolume = byteAt(3, 255);
  s.speechOn = flagAt(4);
  s.speechVolume = byteAt(5, 255);
  return s;
}

void ReadSoundSettings(Platform& platform) {
  RestoreStartDirectory(platform);
  std::ifstream file(kSoundSettingsFile, std::ios::binary);
  if (!file) {
    WriteSoundSettings(platform);
    return;
  }
  std::array<std::uint8_t, 6> bytes{};
  file.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
  const auto got = static_cast<std::size_t>(file.gcount());
  platform.sound = DecodeSoundSettings(std::span<const std::uint8_t>(bytes.data(), got));
}

bool WriteSoundSettings(Platform& platform) {
  RestoreStartDirectory(platform);
  const auto bytes = EncodeSoundSettings(platform.sound);
  return gamefile::WriteFileAtomically(kSoundSettingsFile, bytes).ok();
}

bool StartUp(Platform& platform, Backend& backend) {
  platform.backend = &backend;
  platform.endRequested = false;
  std::error_code error;
  std::string current = std::filesystem::current_path(error).string();
  if (current.size() >= kStartDirectoryLimit) current.clear();  // too long to restore later
  platform.startDirectory = current;
  for (ImageSlot& slot : platform.images) slot = ImageSlot{};

  ReadWindowSettings(platform);
  backend.ChooseWindowMode(platform.windowed);
  // The menu cursor starts where the player left the pointer, so it is read
  // before the window and the relative mouse can move the pointer away
  // (relative mode takes it to the window's centre).
  int x = 0;
  int y = 0;
  if (backend.ReadCursorPosition(x, y)) {
    platform.startCursorX = x;
    platform.startCursorY = y;
  }
  if (!backend.CreateGameWindow()) {
    FailWithMessage(platform, "Fehler", DisplayMessage());
    return false;
  }
  StartInput(platform);
  if (!StartSound(platform)) ShowMessage(platform, "Fehler", kSoundMessage);
  ReadSoundSettings(platform);
  if (!LoadSoundAndMusic(platform)) return false;
  if (!StartDisplayWithFallback(platform)) return false;
  return true;
}

void ShutDown(Platform& platform) {
  WriteSoundSettings(platform);
  ReleaseDisplay(platform);
  ReleaseInput(platform);
  ReleaseSound(platform);
}

void StartFramePacing(Platform& platform) {
  FramePacing& pacing = platform.pacing;
  const std::uint64_t frequency = platform.backend->PerformanceFrequency();
  pacing.highResolution = frequency != 0;
  pacing.frequency = pacing.highResolution ? frequency : 1000;
  pacing.interval = pacing.highResolution ? frequency / kFramesPerSecond : kFallbackFrameMilliseconds;
  pacing.nextFrame = ReadClock(platform);
}

namespace {

bool FrameDueAt(Platform& platform, std::uint64_t now) {
  if (now <= platform.pacing.nextFrame) return false;
  // From the reading, not from the old target: a late frame is not caught up.
  platform.pacing.nextFrame = now + platform.pacing.interval;
  return true;
}

// Microseconds until the next frame is due, rounded down.
std::uint64_t MicrosecondsUntilNextFrame(Platform& platform, std::uint64_t now) {
  const std::uint64_t remaining = platform.pacing.nextFrame - now;
  return remaining * 1'000'000 / platform.pacing.frequency;
}

// Polling flat out would hold a whole core between frames (and ask the X
// server for events thousands of times a frame). The wait ends a quarter of a
// millisecond before the frame is due, as a sleep may overshoot a little, and
// the loop polls that last stretch; a late frame would slow the game, since
// late frames are not caught up.
void IdleUntilNearlyDue(Platform& platform, std::uint64_t now) {
  const std::uint64_t remaining = MicrosecondsUntilNextFrame(platform, now);
  if (remaining <= kWakeMarginMicroseconds) return;
  platform.backend->Idle(static_cast<int>(remaining - kWakeMarginMicroseconds));
}

}  // namespace

bool FrameDue(Platform& platform) { return FrameDueAt(platform, ReadClock(platform)); }

void AllowScreenSaver(Platform& platform, bool allowed) {
  if (platform.screenSaverAllowed == allowed || platform.backend == nullptr) return;
  platform.screenSaverAllowed = allowed;
  platform.backend->AllowScreenSaver(allowed);
}

bool PumpEvent(Platform& platform, PumpedEvent& pumped) {
  InputEvent event;
  if (!platform.backend->PollEvent(event)) return false;
  pumped = PumpedEvent{};
  switch (event.kind) {
    case InputEvent::Kind::Quit:
      pumped.quit = true;
      break;
    case InputEvent::Kind::KeyDown:
      pumped.virtualKey = event.virtualKey;
      break;
    case InputEvent::Kind::WindowModeChanged:
      // Remembered at once, so the next start opens the same way even if
      // this run does not end normally.
      platform.windowed = event.windowed;
      WriteWindowSettings(platform);
      break;
    default:
      ApplyMouseEvent(platform, event);
      break;
  }
  return true;
}

int RunMainLoop(Platform& platform, const LoopHooks& hooks) {
  StartFramePacing(platform);
  while (!platform.endRequested && (!hooks.running || hooks.running())) {
    PumpedEvent event;
    if (PumpEvent(platform, event)) {
      if (event.quit) break;
      if (event.virtualKey != 0 && hooks.keyDown) hooks.keyDown(event.virtualKey);
      continue;  // no frame in an iteration that handled an event
    }
    const std::uint64_t now = ReadClock(platform);
    if (FrameDueAt(platform, now)) {
      if (hooks.frame) hooks.frame(ClockMilliseconds(platform, now));
    } else {
      IdleUntilNearlyDue(platform, now);
    }
  }
  return 0;
}

}  // namespace platform
