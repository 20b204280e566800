// The "Info" box of the difference editor, built by the real dialog code on
// the test display: its icon, text and button stand where its template puts
// them, in dialog units.
#include <gtest/gtest.h>
#include <wx/wx.h>

#include "about_dialog.h"

namespace {

class AboutBoxTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "about_box_test";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp);
    started_ = wxEntryStart(argc, argv);
  }
  static void TearDownTestSuite() {
    if (started_) wxEntryCleanup();
  }
  static bool started_;
};
bool AboutBoxTest::started_ = false;

template <typename Control>
Control* OnlyChild(wxWindow& parent) {
  Control* found = nullptr;
  for (wxWindow* child : parent.GetChildren()) {
    if (auto* control = dynamic_cast<Control*>(child)) {
      EXPECT_EQ(found, nullptr) << "more than one";
      found = control;
    }
  }
  return found;
}

TEST_F(AboutBoxTest, TextIconAndButtonStandWhereTheTemplatePutsThem) {
  ASSERT_TRUE(started_) << "no display for the toolkit";
  CAboutDlg about(nullptr);
  EXPECT_EQ(about.GetTitle(), "Info");

  auto* text = OnlyChild<wxStaticText>(about);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->GetPosition(), about.ConvertDialogToPixels(wxPoint(55, 17)));
  EXPECT_TRUE(text->GetLabel().StartsWith("Vistrel Bildeditor\n"));
  EXPECT_EQ(text->GetLabel().Freq('\n'), 2);  // three lines

  auto* icon = OnlyChild<wxStaticBitmap>(about);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->GetPosition(), about.ConvertDialogToPixels(wxPoint(18, 15)));

  auto* close = OnlyChild<wxButton>(about);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->GetPosition(), about.ConvertDialogToPixels(wxPoint(150, 18)));
  EXPECT_EQ(close->GetId(), 1);
  EXPECT_EQ(close->GetLabel(), wxString::FromUTF8("schön!    ;)"));
}

}  // namespace
