#pragma once
// A scripted stand-in for the user, real JPEG files and a scratch folder
// for the editor's tests.
#include <turbojpeg.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_core.h"
#include "editor/editor_ui.h"
#include "editor/hand_off.h"
#include "gamefile/file_io.h"
#include "test_support/jpeg.h"
#include "test_support/temp_dir.h"

namespace editortest {

// Answers the editor's questions from queues; an empty queue answers
// "Cancel", so a test that forgets an answer fails visibly instead of hanging.
class ScriptedUi final : public editor::EditorUi {
 public:
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> okAnswers;
  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<std::string>> saveAnswers;
  std::deque<std::optional<editor::TypedGameFileName>> nameAnswers;
  std::vector<std::string> browserPages;
  std::vector<editor::FileDialogRequest> dialogs;
  bool browserWorks = true;
  int nameDialogs = 0;

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskOkCancel(const std::string& text) override {
    questions.push_back(text);
    return Take(okAnswers, false);
  }
  std::optional<std::string> ChooseFileToOpen(const editor::FileDialogRequest& request) override {
    dialogs.push_back(request);
    return Take(openAnswers, std::optional<std::string>());
  }
  std::optional<std::string> ChooseFileToSave(const editor::FileDialogRequest& request) override {
    dialogs.push_back(request);
    return Take(saveAnswers, std::optional<std::string>());
  }
  std::optional<editor::TypedGameFileName> AskGameFileName() override {
    ++nameDialogs;
    return Take(nameAnswers, std::optional<editor::TypedGameFileName>());
  }
  bool OpenInBrowser(const std::string& path) override {
    browserPages.push_back(path);
    return browserWorks;
  }
  void DebugTrace(const std::string&) override {}
  // The fairness check: pictures made without rectangles are unfair, so the
  // build goes on unless a test says otherwise.
  std::vector<std::string> reports;
  std::vector<std::string> fairnessQuestions;
  bool buildAnyway = true;
  int progressCalls = 0;
  int stopAfterProgress = -1;  // answer "stop" on this call (1-based), -1 never
  void ShowReport(const std::string& text) override { reports.push_back(text); }
  bool AskBuildDespiteProblems(const std::string& text) override {
    fairnessQuestions.push_back(text);
    return buildAnyway;
  }
  bool ShowProgress(int, int) override { return ++progressCalls != stopAfterProgress; }

  std::string lastMessage() const { return messages.empty() ? std::string() : messages.back(); }

 private:
  template <typename T>
  static T Take(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

// A difference editor that does its work the moment it is started, or
// never, as the test says.
class FakeHandOff final : public editor::HandOffPort {
 public:
  bool startWorks = true;
  bool flagSet = false;
  int starts = 0;
  int deletes = 0;
  std::string startDirectory;
  std::vector<std::uint8_t> requestSeen;
  std::optional<std::vector<std::uint8_t>> answer;  // written to dat.txt on start

  bool StartWizard() override {
    ++starts;
    char buffer[4096];
    startDirectory = ::getcwd(buffer, sizeof buffer) ? buffer : "";
    if (!startWorks) return false;
    auto bytes = gamefile::ReadWholeFile("dat.txt");
    if (bytes) requestSeen = *bytes;
    if (answer) {
      gamefile::WriteFileAtomically("dat.txt", *answer);
      flagSet = true;
    }
    return true;
  }
  bool IsDoneFlagSet() override { return flagSet; }
  void DeleteDoneFlag() override {
    ++deletes;
    flagSet = false;
  }
};

class TempDir : public testsupport::TempDir {
 public:
  TempDir() : testsupport::TempDir("vistrel-editor") {}
  std::string path() const { return testsupport::TempDir::path().string(); }
};

// A real, decodable JFIF JPEG; `shade` makes pictures differ.
inline std::vector<std::uint8_t> MakeJpeg(int width, int height, int shade = 100) {
  std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 3);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<unsigned char>((i * 7 + shade) & 0xFF);
  return testsupport::EncodeJpeg(pixels, width, height, 80, TJSAMP_420);
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  auto bytes = gamefile::ReadWholeFile(path);
  return bytes ? *bytes : std::vector<std::uint8_t>{};
}

// An editor over a scratch folder that is also its start-up directory.
struct EditorFixture {
  TempDir dir;
  ScriptedUi ui;
  FakeHandOff handOff;
  editor::EditorCore core{ui, handOff, dir.path()};

  EditorFixture() { core.Start(); }

  // Writes a usable picture file and returns its path.
  std::string Picture(const std::string& name, int shade = 100) {
    const std::string path = dir.file(name);
    WriteBytes(path, MakeJpeg(488, 430, shade));
    return path;
  }

  // Loads a picture through the "laden" button of the given pair.
  void Load(int pair, int picture, const std::string& path) {
    core.Select(pair);
    ui.openAnswers.push_back(path);
    core.LoadPicture(picture);
  }

  void FillPairs(int count) {
    for (int p = 0; p < count; ++p) {
      Load(p, 1, Picture(PictureName(p, 'a'), p));
      Load(p, 2, Picture(PictureName(p, 'b'), p + 50));
    }
  }

  // "p3a.jpg" for picture 1 of pair 3.
  static std::string PictureName(int pair, char which) {
    std::string name(1, 'p');
    name.append(std::to_string(pair));
    name.push_back(which);
    name.append(".jpg");
    return name;
  }
};

}  // namespace editortest
