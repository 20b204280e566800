#pragma once
// What the chooser's tests share: a UI without a screen that records what it
// is told and answers the file dialog as queued, and a chooser over a fresh
// home directory.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "launcher/chooser.h"
#include "test_support/temp_dir.h"

namespace launchertest {

class RecordingUi : public launcher::ChooserUi {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  // Takes the next queued answer; with none left the user cancels.
  std::optional<std::string> AskGameFileToAdd() override {
    ++dialogsShown;
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<std::string> messages;
  std::deque<std::optional<std::string>> answers;
  int dialogsShown = 0;
};

// Start makes the home directory the current one, as the game expects; the
// test's own current directory comes back afterwards.
template <typename Ui>
class ChooserFixture : public ::testing::Test {
 protected:
  void SetUp() override { previousDirectory_ = std::filesystem::current_path(); }
  void TearDown() override { std::filesystem::current_path(previousDirectory_); }

  launcher::Chooser& Loaded() {
    chooser_.Load(home_.string());
    return chooser_;
  }

  testsupport::TempDir temp_{"launcher"};
  std::filesystem::path home_ = temp_.path();
  std::filesystem::path previousDirectory_;
  Ui ui_;
  launcher::Chooser chooser_{ui_};
};

}  // namespace launchertest
