// The difference editor's rules: where a press starts a drag, how a drag
// shapes the rectangle, what Accept and Cancel write, and what is drawn.
#include "wizard/difference_editor.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>

#include <turbojpeg.h>

#include "gamefile/file_io.h"
#include "handoff/dat_file.h"
#include "handoff/done_signal.h"
#include "test_support/jpeg.h"
#include "test_support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using handoff::ExchangeRect;
using handoff::ExchangeRects;
using wizard::ClientRect;

class FakeUi : public wizard::WizardUi {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& question) override {
    questions.push_back(question);
    bool answer = answers.empty() ? false : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;
};

class DifferenceEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    handoff::DeleteDoneSignal(signal_);
    editor_ = std::make_unique<wizard::DifferenceEditor>(ui_, DatPath(), signal_);
  }
  void TearDown() override {
    handoff::DeleteDoneSignal(signal_);
  }

  std::string DatPath() const { return (dir_ / "dat.txt").string(); }

  void WriteRequest(const ExchangeRects& rects) {
    ASSERT_TRUE(handoff::WriteRequestFile(DatPath(), {"/bilder/eins.jpg", "/bilder/zwei.jpg", rects}).ok());
  }

  wizard::DifferenceEditor& Opened(const ExchangeRects& rects = {}) {
    WriteRequest(rects);
    editor_->Open();
    return *editor_;
  }

  ExchangeRects WrittenResult() {
    auto result = handoff::ReadResultFile(DatPath());
    EXPECT_TRUE(result.ok());
    return result.ok() ? *result : ExchangeRects{};
  }

  testsupport::TempDir temp_{"wizard"};
  fs::path dir_ = temp_.path();
  std::string signal_ = "/vistrel-wizard-test-" + std::to_string(getpid());
  FakeUi ui_;
  std::unique_ptr<wizard::DifferenceEditor> editor_;
};

TEST_F(DifferenceEditorTest, OpenReadsPathsAndShiftsRectanglesIntoClientCoordinates) {
  ExchangeRects rects{};
  rects[0] = {.x1 = 12, .y1 = 30, .x2 = 40, .y2 = 50};
  rects[3] = {.x1 = -2147483647 - 1, .y1 = 2147483647, .x2 = 300, .y2 = -2147483647 - 1};  // shown as they are
  auto& editor = Opened(rects);
  EXPECT_EQ(editor.LeftPicturePath(), "/bilder/eins.jpg");
  EXPECT_EQ(editor.RightPicturePath(), "/bilder/zwei.jpg");
  EXPECT_EQ(editor.Rects()[0], (ClientRect{.x1 = 22, .x2 = 50, .y1 = 40, .y2 = 60}));
  EXPECT_EQ(editor.CurrentIndex(), 0);
  EXPECT_FALSE(editor.Dragging());
  EXPECT_TRUE(ui_.messages.empty());
  // Untouched, even extreme numbers go back exactly as read.
  ASSERT_TRUE(editor.Accept());
  EXPECT_EQ(WrittenResult()[3], rects[3]);
}

TEST_F(DifferenceEditorTest, PressOnlyInsideLeftPicture) {
  auto& editor = Opened();
  for (auto [x, y] : {std::pair{9, 100}, {500, 100}, {100, 9}, {100, 440}, {700, 100}}) {
    editor.Press(x, y);
    EXPECT_FALSE(editor.Dragging()) << x << "," << y;
  }
  EXPECT_EQ(editor.Rects()[0], ClientRect{});  // unchanged
  editor.Press(10, 10);
  EXPECT_TRUE(editor.Dragging());
  editor.Release();
  editor.Press(499, 439);
  EXPECT_TRUE(editor.Dragging());
  EXPECT_EQ(editor.Rects()[0], (ClientRect{.x1 = 499, .x2 = 499, .y1 = 439, .y2 = 439}));
}

TEST_F(DifferenceEditorTest, DragGrowsOnlyRightAndDownAndStopsAtPictureEdge) {
  auto& editor = Opened();
  editor.Press(100, 100);
  editor.Move(50, 60);
  EXPECT_EQ(editor.Rects()[0], (ClientRect{.x1 = 100, .x2 = 100, .y1 = 100, .y2 = 100}));
  editor.Move(600, 460);
  EXPECT_EQ(editor.Rects()[0], (ClientRect{.x1 = 100, .x2 = 498, .y1 = 100, .y2 = 440}));
  editor.Release();
  editor.Move(200, 200);  // no longer dragging: the rectangle stays
  EXPECT_EQ(editor.Rects()[0].x2, 498);
  ASSERT_TRUE(editor.Accept());
  EXPECT_EQ(WrittenResult()[0], (ExchangeRect{.x1 = 90, .y1 = 90, .x2 = 490, .y2 = 430}));
}

TEST_F(DifferenceEditorTest, MoveLimitsCurrentRectangleEvenWithoutDrag) {
  ExchangeRects rects{};
  rects[1] = {.x1 = 0, .y1 = 0, .x2 = 700, .y2 = 500};
  auto& editor = Opened(rects);
  editor.Move(20, 20);
  EXPECT_EQ(editor.Rects()[1].x2, 710);  // not the current one
  editor.Choose(1);
  editor.Move(20, 20);
  EXPECT_EQ(editor.Rects()[1], (ClientRect{.x1 = 10, .x2 = 498, .y1 = 10, .y2 = 440}));
}

TEST_F(DifferenceEditorTest, RightEdgeRuleOnAccept) {
  ExchangeRects rects{};
  rects[0] = {.x1 = 10, .y1 = 10, .x2 = 487, .y2 = 430};  // client x2 497
  rects[1] = {.x1 = 10, .y1 = 10, .x2 = 488, .y2 = 430};  // client x2 498
  rects[2] = {.x1 = 10, .y1 = 10, .x2 = 600, .y2 = 700};  // beyond: also 490, y2 untouched
  auto& editor = Opened(rects);
  ASSERT_TRUE(editor.Accept());
  const ExchangeRects written = WrittenResult();
  EXPECT_EQ(written[0].x2, 487);
  EXPECT_EQ(written[1].x2, 490);
  EXPECT_EQ(written[2].x2, 490);
  EXPECT_EQ(written[2].y2, 700);
  EXPECT_EQ(written[3], ExchangeRect{});  // zeros stay zeros
}

TEST_F(DifferenceEditorTest, AcceptWritesNumbersOnlyThenSetsFlag) {
  ExchangeRects rects{};
  rects[4] = {.x1 = 1, .y1 = 2, .x2 = 3, .y2 = 4};
  auto& editor = Opened(rects);
  EXPECT_FALSE(handoff::IsDoneSignalSet(signal_));
  ASSERT_TRUE(editor.Accept());
  auto bytes = gamefile::ReadWholeFile(DatPath());
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(*bytes, handoff::EncodeResult(rects));  // the two paths are gone
  EXPECT_TRUE(handoff::IsDoneSignalSet(signal_));
}

TEST_F(DifferenceEditorTest, AcceptThatCannotWriteKeepsEditingAndSetsNoFlag) {
  auto& editor = Opened();
  editor.Press(100, 100);
  editor.Move(150, 150);
  fs::remove(DatPath());
  fs::create_directory(DatPath());  // a folder in its place cannot be replaced
  EXPECT_FALSE(editor.Accept());
  EXPECT_EQ(ui_.messages, std::vector<std::string>{wizard::kMsgCannotWrite});
  EXPECT_FALSE(handoff::IsDoneSignalSet(signal_));
  EXPECT_EQ(editor.Rects()[0].x2, 150);  // nothing lost
}

TEST_F(DifferenceEditorTest, CancelAsksAndNeverWrites) {
  auto& editor = Opened();
  const auto before = gamefile::ReadWholeFile(DatPath());
  editor.Press(100, 100);
  editor.Move(200, 200);
  ui_.answers = {false, true};
  EXPECT_FALSE(editor.Cancel());
  EXPECT_EQ(editor.Rects()[0], (ClientRect{.x1 = 100, .x2 = 200, .y1 = 100, .y2 = 200}));
  EXPECT_TRUE(editor.Cancel());
  EXPECT_EQ(ui_.questions, (std::vector<std::string>(2, wizard::kCancelQuestion)));
  EXPECT_EQ(*gamefile::ReadWholeFile(DatPath()), *before);
  EXPECT_FALSE(handoff::IsDoneSignalSet(signal_));
}

TEST_F(DifferenceEditorTest, MouseFieldsShowPictureCoordinatesAnywhere) {
  auto& editor = Opened();
  editor.Move(700, 100);
  EXPECT_EQ(editor.MouseXText(), "690");
  EXPECT_EQ(editor.MouseYText(), "90");
  editor.Move(3, 0);
  EXPECT_EQ(editor.MouseXText(), "-7");
  EXPECT_EQ(editor.MouseYText(), "-10");
}

TEST_F(DifferenceEditorTest, ChooseSwitchesRectangleEvenDuringDrag) {
  auto& editor = Opened();
  editor.Press(100, 100);
  editor.Choose(2);
  editor.Move(300, 300);
  EXPECT_EQ(editor.CurrentIndex(), 2);
  EXPECT_EQ(editor.Rects()[0], (ClientRect{.x1 = 100, .x2 = 100, .y1 = 100, .y2 = 100}));
  EXPECT_EQ(editor.Rects()[2], (ClientRect{.x1 = 10, .x2 = 300, .y1 = 10, .y2 = 300}));
  editor.Choose(7);  // not a box: ignored
  EXPECT_EQ(editor.CurrentIndex(), 2);
}

TEST_F(DifferenceEditorTest, OutlinesNestFourRingsMirroredOntoRightPicture) {
  ExchangeRects rects{};
  rects[1] = {.x1 = 90, .y1 = 40, .x2 = 190, .y2 = 140};
  auto& editor = Opened(rects);
  editor.Choose(1);
  const auto outlines = editor.Outlines();
  ASSERT_EQ(outlines.size(), 5u * 4u * 2u);
  // Rectangle 2 (current): red shades fading inwards, white inner line.
  const wizard::Outline* r = &outlines[8];
  EXPECT_EQ(r[0], (wizard::Outline{608, 50, 708, 150, {50, 0, 0}}));   // ring 0 on the right picture
  EXPECT_EQ(r[1], (wizard::Outline{100, 50, 200, 150, {50, 0, 0}}));   // ring 0 on the left picture
  EXPECT_EQ(r[3], (wizard::Outline{101, 51, 199, 149, {100, 0, 0}}));
  EXPECT_EQ(r[5], (wizard::Outline{102, 52, 198, 148, {200, 0, 0}}));
  EXPECT_EQ(r[7], (wizard::Outline{103, 53, 197, 147, {255, 255, 255}}));
  // The others in blue.
  EXPECT_EQ(outlines[1].colour, (wizard::Colour{0, 0, 50}));
  EXPECT_EQ(outlines[5].colour, (wizard::Colour{0, 0, 200}));
  EXPECT_EQ(outlines[39].colour, (wizard::Colour{255, 255, 255}));
}

TEST_F(DifferenceEditorTest, MissingDatFileOpensEmptyWithMessage) {
  editor_->Open();
  EXPECT_EQ(ui_.messages, std::vector<std::string>{wizard::kMsgCannotOpen});
  EXPECT_TRUE(editor_->LeftPicturePath().empty());
  for (const auto& rect : editor_->Rects()) EXPECT_EQ(rect, ClientRect{});  // top-left corner
  // Accepting still hands back five empty rectangles.
  ASSERT_TRUE(editor_->Accept());
  EXPECT_EQ(WrittenResult(), ExchangeRects{});
}

TEST_F(DifferenceEditorTest, DamagedNumbersKeepPicturesAndReport) {
  std::ofstream(DatPath(), std::ios::binary) << std::string("a.jpg\0b.jpg\0" "12\0" "x", 16);
  editor_->Open();
  EXPECT_EQ(ui_.messages, std::vector<std::string>{wizard::kMsgDamaged});
  EXPECT_EQ(editor_->LeftPicturePath(), "a.jpg");
  EXPECT_EQ(editor_->RightPicturePath(), "b.jpg");
  EXPECT_EQ(editor_->Rects()[0], ClientRect{});
}

TEST_F(DifferenceEditorTest, LongPathsAreKeptWhole) {
  const std::string longPath = "/" + std::string(600, 'b') + ".jpg";
  ASSERT_TRUE(handoff::WriteRequestFile(DatPath(), {longPath, "kurz.jpg", {}}).ok());
  editor_->Open();
  EXPECT_EQ(editor_->LeftPicturePath(), longPath);
  EXPECT_EQ(editor_->RightPicturePath(), "kurz.jpg");
}

}  // namespace

namespace {

// A 488 x 430 picture of soft bands; `changed` paints a solid square at
// (x, y) of side 40, the kind of change a retouch leaves.
std::vector<std::uint8_t> BandJpeg(bool changed, int x, int y) {
  std::vector<unsigned char> rgb(488 * 430 * 3);
  for (int row = 0; row < 430; ++row) {
    for (int col = 0; col < 488; ++col) {
      unsigned char* p = &rgb[(row * 488 + col) * 3];
      const bool inSquare = changed && col >= x && col < x + 40 && row >= y && row < y + 40;
      p[0] = inSquare ? 230 : static_cast<unsigned char>(60 + row / 4);
      p[1] = inSquare ? 20 : static_cast<unsigned char>(90 + col / 6);
      p[2] = inSquare ? 30 : 120;
    }
  }
  return testsupport::EncodeJpeg(rgb, 488, 430, 85, TJSAMP_420);
}

}  // namespace

TEST_F(DifferenceEditorTest, SuggestFillsOnlyEmptyRectanglesAroundRealChanges) {
  const std::string one = (dir_ / "eins.jpg").string();
  const std::string two = (dir_ / "zwei.jpg").string();
  ASSERT_TRUE(gamefile::WriteFileAtomically(one, BandJpeg(false, 0, 0)).ok());
  ASSERT_TRUE(gamefile::WriteFileAtomically(two, BandJpeg(true, 300, 200)).ok());
  ExchangeRects rects{};
  rects[0] = {.x1 = 20, .y1 = 20, .x2 = 80, .y2 = 80};  // drawn by the user: stays
  ASSERT_TRUE(handoff::WriteRequestFile(DatPath(), {one, two, rects}).ok());
  editor_->Open();
  editor_->Suggest();
  const auto& shown = editor_->Rects();
  EXPECT_EQ(shown[0], (ClientRect{.x1 = 30, .x2 = 90, .y1 = 30, .y2 = 90}));
  // The change at 300..339 x 200..239 is covered by the next empty rectangle
  // (client coordinates are 10 pixels further right and down), with a margin.
  EXPECT_LT(shown[1].x1, 310);
  EXPECT_GT(shown[1].x2, 349);
  EXPECT_LT(shown[1].y1, 210);
  EXPECT_GT(shown[1].y2, 249);
  EXPECT_LT(shown[1].x2 - shown[1].x1, 70);
  // Nothing else changed, so the other rectangles stay empty.
  for (int i = 2; i < 5; ++i) EXPECT_EQ(shown[i], ClientRect{}) << i;

  // Asked again, there is nothing left to suggest; unreadable pictures say so.
  editor_->Suggest();
  EXPECT_EQ(ui_.messages.back(), wizard::kMsgNoSuggestion);
  ASSERT_TRUE(handoff::WriteRequestFile(DatPath(), {one + ".fehlt", two, {}}).ok());
  editor_->Open();
  editor_->Suggest();
  EXPECT_EQ(ui_.messages.back(), wizard::kMsgNoPictures);
}
