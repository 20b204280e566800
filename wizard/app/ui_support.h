#pragma once
// Small helpers shared by the difference editor's dialogs.
#include <wx/wx.h>

#include <string>

namespace wizardui {

// The title used as the caption of every message box.
inline const char kTitle[] = "wizard";

// Texts are UTF-8 with "\r\n" line breaks; GTK wants a lone "\n".
inline wxString ToUi(const std::string& utf8) {
  wxString text = wxString::FromUTF8(utf8);
  text.Replace("\r\n", "\n");
  return text;
}

// The application icon in every size the build drew (data/icons in the
// working directory); empty when those files are missing.
wxIconBundle ApplicationIcons();
// The 32-pixel one for the about box; a small drawn frame without the files.
wxIcon ApplicationIcon();

}  // namespace wizardui
