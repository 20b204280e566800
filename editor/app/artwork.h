#pragma once
// The editor's own artwork, drawn at start-up so the program needs no image
// files beside it: the program icon and the picture beside the previews.
#include <wx/bitmap.h>
#include <wx/iconbndl.h>

namespace editor_app {

// Two framed photographs side by side, one circled difference: the game in
// one glance. Large (32 x 32) and small (16 x 16).
wxIconBundle ProgramIcons();
wxBitmap ProgramIconBitmap(int size);

// 110 x 100 pixels: a magnifying glass over a picture pair.
wxBitmap DecorativePicture();

}  // namespace editor_app
