#pragma once
// The rules of the difference editor: five rectangles edited with the mouse
// on the left picture, read from and written back to dat.txt. The dialog
// passes mouse and button events in and draws what Outlines() lists.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace wizard {

// Client pixel layout: both pictures at their natural 488 x 430 size.
inline constexpr int kLeftPictureX = 10;
inline constexpr int kPictureY = 10;
inline constexpr int kRightPictureX = 520;
inline constexpr int kClientOffset = 10;     // client = picture + 10 on both axes
inline constexpr int kMirrorShift = 508;     // left rectangle to its copy on the right picture
inline constexpr int kPressRight = 500;      // presses count for 10 <= x < 500
inline constexpr int kPressBottom = 440;     //                 and 10 <= y < 440
inline constexpr int kMaxRight = 498;        // limit of x2 on every move
inline constexpr int kMaxBottom = 440;       // limit of y2 on every move
inline constexpr int kRightEdgeWritten = 500;  // x2 >= 498 is written as 490 in picture pixels
inline constexpr int kRectCount = 5;
inline constexpr int kRingCount = 4;

inline constexpr char kDatFile[] = "dat.txt";
inline constexpr char kCancelQuestion[] = "Sicher dass sie die Änderungen nicht übernehmen wollen ?";
inline constexpr char kMsgCannotOpen[] =
    "Die Datei \"dat.txt\" kann nicht geöffnet werden !\r\n"
    "Die Bilder können nicht angezeigt werden, alle Fehler beginnen in der linken oberen Ecke.";
inline constexpr char kMsgDamaged[] =
    "Die Datei \"dat.txt\" ist beschädigt !\r\n"
    "Die Fehlerkoordinaten konnten nicht gelesen werden, alle Fehler beginnen in der linken oberen Ecke.";
inline constexpr char kMsgCannotWrite[] =
    "Die Datei \"dat.txt\" kann nicht geschrieben werden !\r\n"
    "Ihre Fehler sind noch nicht übernommen. Bitte prüfen sie Platz und Schreibrecht im Editor Ordner.";
inline constexpr char kMsgNoSuggestion[] =
    "Es wurde kein weiterer Unterschied zwischen den beiden Bildern gefunden, der noch nicht markiert ist.";
inline constexpr char kMsgNoPictures[] =
    "Die beiden Bilder konnten nicht gelesen werden, daher kann nichts vorgeschlagen werden.";
inline constexpr char kCompareLabel[] = "Vergleichen (Leertaste)";
inline constexpr char kMsgCannotSignal[] =
    "Der Editor kann nicht benachrichtigt werden !\r\nBitte versuchen sie es noch einmal.";

// A rectangle in client coordinates, fields as the program keeps them. 64
// bits, so numbers from a hand-made dat.txt survive the +10 / -10 unchanged.
struct ClientRect {
  std::int64_t x1 = kClientOffset, x2 = kClientOffset, y1 = kClientOffset, y2 = kClientOffset;
  bool operator==(const ClientRect&) const = default;
};

struct Colour {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Colour&) const = default;
};

// One one-pixel outline; right and bottom lie just outside the frame.
struct Outline {
  std::int64_t left = 0, top = 0, right = 0, bottom = 0;
  Colour colour;
  bool operator==(const Outline&) const = default;
};

// What the editor needs from the screen. Texts are UTF-8.
class WizardUi {
 public:
  virtual ~WizardUi() = default;
  virtual void ShowMessage(const std::string& text) = 0;     // OK, exclamation icon
  virtual bool AskYesNo(const std::string& question) = 0;    // true for Yes
};

class DifferenceEditor {
 public:
  // `datPath` is dat.txt in the current directory; the signal name is a
  // parameter so tests do not touch the real flag.
  DifferenceEditor(WizardUi& ui, std::string datPath = kDatFile, std::string signalName = "/WIZARD_DONE");

  // Reads dat.txt. An unreadable or damaged file is reported; the editor
  // then opens with what it could read.
  void Open();

  void Press(int x, int y);
  void Move(int x, int y);
  void Release();
  void Choose(int index);  // 0..4
  // True when the dialog is to close: dat.txt is written and the flag set.
  // On failure the user is told and editing goes on, so no work is lost.
  bool Accept();
  // True when the user confirmed leaving without saving.
  bool Cancel();
  // "Vorschlagen": fills the rectangles still empty from the largest changes
  // between the two pictures (see SuggestRects in suggestions.h).
  void Suggest();

  // "Vergleichen": while the key or button is held, the left picture shows
  // the second picture in its place, so each difference flickers where it
  // is. Editing and the outlines go on as before; the picture switches back
  // when it is let go.
  void StartComparing() { comparing_ = true; }
  void StopComparing() { comparing_ = false; }
  bool Comparing() const { return comparing_; }
  // The picture to draw on the left: the first, or the second while comparing.
  const std::string& ShownLeftPicturePath() const { return comparing_ ? rightPath_ : leftPath_; }

  const std::string& LeftPicturePath() const { return leftPath_; }
  const std::string& RightPicturePath() const { return rightPath_; }
  const std::array<ClientRect, kRectCount>& Rects() const { return rects_; }
  int CurrentIndex() const { return current_; }
  bool Dragging() const { return dragging_; }
  // The "X" and "Y" fields: picture coordinates of the last mouse position.
  const std::string& MouseXText() const { return mouseX_; }
  const std::string& MouseYText() const { return mouseY_; }

  // Every outline to draw over the two pictures, in drawing order.
  std::vector<Outline> Outlines() const;

 private:
  WizardUi& ui_;
  std::string datPath_;
  std::string signalName_;
  std::string leftPath_;
  std::string rightPath_;
  std::array<ClientRect, kRectCount> rects_{};
  int current_ = 0;
  bool dragging_ = false;
  bool comparing_ = false;
  std::string mouseX_;
  std::string mouseY_;
};

}  // namespace wizard
