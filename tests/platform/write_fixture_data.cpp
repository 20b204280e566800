// Fills a data folder with small stand-in files wherever a real one is
// missing, so the real game can be started before every generator has run:
//   platform_fixture_data <folder that holds data/>
#include <cstdio>
#include <filesystem>

#include "fixtures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <install folder>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path target = argv[1];
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "platform-fixture-data";
  std::filesystem::remove_all(scratch);
  fixtures::WriteDataFolder(scratch);
  int added = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch)) {
    if (!entry.is_regular_file()) continue;
    const std::filesystem::path destination = target / std::filesystem::relative(entry.path(), scratch);
    if (std::filesystem::exists(destination)) continue;
    std::filesystem::create_directories(destination.parent_path());
    std::filesystem::copy_file(entry.path(), destination);
    ++added;
  }
  std::filesystem::remove_all(scratch);
  std::printf("%d stand-in files added\n", added);
  return 0;
}
