#pragma once
// The editor's artwork: the program icon and the picture beside the
// previews, taken from data/icons when the build drew them there, else drawn
// here so the editor still runs from a bare folder.
#include <wx/bitmap.h>
#include <wx/iconbndl.h>

namespace editor_app {

// The window icons from data/icons/editor_{16,32,48,64,128}.png; empty when
// those files are missing.
wxIconBundle ProgramIcons();
// One icon picture for the about box: the file, else two framed photographs
// side by side with one circled difference.
wxBitmap ProgramIconBitmap(int size);

// 110 x 100 pixels: a magnifying glass over a picture pair.
wxBitmap DecorativePicture();

}  // namespace editor_app
