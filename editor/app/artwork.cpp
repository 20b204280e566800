#include "artwork.h"

#include <wx/dcmemory.h>
#include <wx/filefn.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/log.h>

namespace editor_app {
namespace {

const wxColour kSky(96, 160, 224);
const wxColour kHill(72, 152, 72);
const wxColour kSun(248, 208, 64);
const wxColour kFrame(48, 48, 64);
const wxColour kMark(224, 32, 32);

// A tiny landscape: sky, a hill and, when `withSun`, the sun that is the
// difference between the two pictures.
void DrawLandscape(wxDC& dc, const wxRect& area, bool withSun) {
  dc.SetPen(wxPen(kFrame, 1));
  dc.SetBrush(wxBrush(kSky));
  dc.DrawRectangle(area);
  dc.SetClippingRegion(area);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(kHill));
  dc.DrawEllipse(area.x - area.width / 4, area.y + area.height * 3 / 5, area.width * 3 / 2, area.height);
  if (withSun) {
    dc.SetBrush(wxBrush(kSun));
    const int r = std::max(1, area.width / 7);
    dc.DrawCircle(area.x + area.width * 3 / 4, area.y + area.height / 3, r);
  }
  dc.DestroyClippingRegion();
  dc.SetPen(wxPen(kFrame, 1));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawRectangle(area);
}

// The build draws the program's artwork into data/icons; like every file of
// the program it is looked up against the working directory.
wxString ArtworkFile(const wxString& name) { return "data/icons/" + name; }

// The picture in that file, or nothing when it is missing or unreadable.
wxBitmap LoadArtwork(const wxString& name) {
  const wxString file = ArtworkFile(name);
  if (!wxFileExists(file)) return wxBitmap();
  wxLogNull quiet;  // a damaged file falls back like a missing one
  wxImage image;
  if (!image.LoadFile(file, wxBITMAP_TYPE_PNG) || !image.IsOk()) return wxBitmap();
  return wxBitmap(image);
}

wxBitmap DrawnIconBitmap(int size);
wxBitmap DrawnDecorativePicture();

}  // namespace

wxBitmap ProgramIconBitmap(int size) {
  const wxBitmap fromFile = LoadArtwork(wxString::Format("editor_%d.png", size));
  return fromFile.IsOk() ? fromFile : DrawnIconBitmap(size);
}

wxIconBundle ProgramIcons() {
  wxIconBundle icons;
  for (int size : {16, 32, 48, 64, 128}) {
    const wxBitmap bitmap = LoadArtwork(wxString::Format("editor_%d.png", size));
    if (!bitmap.IsOk()) continue;  // no file, no icon: the window manager's default is fine
    wxIcon icon;
    icon.CopyFromBitmap(bitmap);
    icons.AddIcon(icon);
  }
  return icons;
}

wxBitmap DecorativePicture() {
  const wxBitmap picture = LoadArtwork("editor_picture.png");
  return picture.IsOk() ? picture : DrawnDecorativePicture();
}

namespace {

wxBitmap DrawnIconBitmap(int size) {
  wxBitmap bitmap(size, size, 24);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(wxBrush(wxColour(240, 240, 232)));
  dc.Clear();
  const int half = size / 2;
  const int top = size / 5;
  DrawLandscape(dc, wxRect(1, top, half - 2, size - 2 * top), false);
  DrawLandscape(dc, wxRect(half + 1, top, half - 2, size - 2 * top), true);
  dc.SetPen(wxPen(kMark, std::max(1, size / 16)));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawCircle(half + half * 3 / 4, top + (size - 2 * top) / 3, std::max(2, size / 6));
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

wxBitmap DrawnDecorativePicture() {
  wxBitmap bitmap(110, 100, 24);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(wxBrush(wxColour(236, 236, 228)));
  dc.Clear();
  DrawLandscape(dc, wxRect(4, 22, 48, 42), false);
  DrawLandscape(dc, wxRect(58, 22, 48, 42), true);
  // The magnifying glass rests on the difference.
  dc.SetPen(wxPen(wxColour(90, 60, 30), 6));
  dc.DrawLine(96, 58, 106, 94);
  dc.SetPen(wxPen(kFrame, 3));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawCircle(94, 36, 14);
  dc.SetPen(wxPen(kMark, 2));
  dc.DrawCircle(94, 36, 9);
  dc.SetTextForeground(kFrame);
  dc.SetFont(wxFont(wxFontInfo(8).Bold()));
  dc.DrawText("5 Fehler", 8, 76);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

}  // namespace
}  // namespace editor_app
