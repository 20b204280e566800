#include "generator.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace soundgen {
namespace {

TEST(Generator, AnUnusableOutputFolderIsReportedAndNothingIsWritten) {
  // A folder that cannot exist: its parent is a plain file.
  const auto base = std::filesystem::temp_directory_path() / ("soundgen-blocked-" + std::to_string(::getpid()));
  std::ofstream(base.string()) << "kein Ordner";
  int reported = 0;
  auto result = GenerateSoundFiles((base / "data").string(), [&](const GeneratedFile&) { ++reported; });
  EXPECT_FALSE(result.ok());
  EXPECT_NE(result.reason().find("Ordner"), std::string::npos) << result.reason();
  EXPECT_EQ(reported, 0);
  std::filesystem::remove(base);
}

}  // namespace
}  // namespace soundgen
