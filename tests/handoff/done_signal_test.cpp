// The completion flag and the detached program start, against the real
// system calls (each test uses a flag name of its own).
#include "handoff/done_signal.h"
#include "handoff/program_start.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "test_support/temp_dir.h"
#include "test_support/wait.h"

namespace {

std::string UniqueFlagName(const char* what) {
  return std::string("/vistrel-test-") + what + "-" + std::to_string(getpid());
}

TEST(DoneSignal, AddTestDeleteCycle) {
  const std::string name = UniqueFlagName("cycle");
  handoff::DeleteDoneSignal(name);
  EXPECT_FALSE(handoff::IsDoneSignalSet(name));
  ASSERT_TRUE(handoff::AddDoneSignal(name).ok());
  EXPECT_TRUE(handoff::IsDoneSignalSet(name));
  // A second difference editor accepting while the flag is still up must not
  // be told it failed.
  EXPECT_TRUE(handoff::AddDoneSignal(name).ok());
  handoff::DeleteDoneSignal(name);
  EXPECT_FALSE(handoff::IsDoneSignalSet(name));
  handoff::DeleteDoneSignal(name);  // deleting twice is harmless
}

TEST(DoneSignal, InvalidNameReportsFailure) {
  // shm names may not contain a second slash: the failure must reach the caller.
  EXPECT_FALSE(handoff::AddDoneSignal("/no/such/flag").ok());
}

bool WaitForFile(const std::filesystem::path& path) {
  return testsupport::WaitUntil([&] { return std::filesystem::exists(path); });
}

TEST(StartDetached, RunsProgramInCurrentDirectoryWithoutArguments) {
  testsupport::TempDir temp("handoff-start");
  const std::filesystem::path& dir = temp.path();
  const auto program = dir / "fake";
  {
    std::ofstream script(program);
    // Written aside and renamed, so the file is never seen half-written.
    script << "#!/bin/sh\necho \"$#:$(pwd)\" > started.tmp && mv started.tmp started.txt\n";
  }
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  auto status = handoff::StartDetached("./fake");
  std::filesystem::current_path(previous);
  ASSERT_TRUE(status.ok()) << status.error().detail;
  ASSERT_TRUE(WaitForFile(dir / "started.txt"));
  std::ifstream in(dir / "started.txt");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "0:" + std::filesystem::canonical(dir).string());
}

TEST(StartDetached, MissingOrNotExecutableProgramFails) {
  testsupport::TempDir temp("handoff-start");
  const std::filesystem::path& dir = temp.path();
  EXPECT_FALSE(handoff::StartDetached((dir / "qxdata").string()).ok());
  std::ofstream(dir / "plain") << "not a program";
  EXPECT_FALSE(handoff::StartDetached((dir / "plain").string()).ok());
}

}  // namespace
