#pragma once
// Controls are placed as their dialog templates place them, in dialog units
// of the dialog's own font, so the layout keeps its proportions whatever
// font GTK chooses.
#include <wx/window.h>

namespace editor_app {

inline wxPoint DluPoint(wxWindow* dialog, int x, int y) { return dialog->ConvertDialogToPixels(wxPoint(x, y)); }
inline wxSize DluSize(wxWindow* dialog, int cx, int cy) { return dialog->ConvertDialogToPixels(wxSize(cx, cy)); }

// GTK draws buttons and one-line fields taller than the template allows;
// they keep their top edge and get the height they need.
inline wxSize DluControlSize(wxWindow* dialog, int cx, int cy, int minHeight) {
  wxSize size = DluSize(dialog, cx, cy);
  if (size.y < minHeight) size.y = minHeight;
  return size;
}

}  // namespace editor_app
