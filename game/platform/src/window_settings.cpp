#include "platform/window_settings.h"

#include <array>
#include <fstream>

#include "gamefile/file_io.h"
#include "platform/lifecycle.h"
#include "platform/platform.h"

namespace platform {

bool DecodeWindowedSetting(std::span<const std::uint8_t> bytes) {
  return !bytes.empty() && bytes[0] == 1;
}

void ReadWindowSettings(Platform& platform) {
  RestoreStartDirectory(platform);
  std::ifstream file(kWindowSettingsFile, std::ios::binary);
  std::array<std::uint8_t, 1> bytes{};
  if (file) file.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
  const auto got = file ? static_cast<std::size_t>(file.gcount()) : 0;
  platform.windowed = DecodeWindowedSetting(std::span<const std::uint8_t>(bytes.data(), got));
}

bool WriteWindowSettings(Platform& platform) {
  RestoreStartDirectory(platform);
  const std::array<std::uint8_t, 1> bytes{static_cast<std::uint8_t>(platform.windowed ? 1 : 0)};
  return gamefile::WriteFileAtomically(kWindowSettingsFile, bytes).ok();
}

}  // namespace platform
