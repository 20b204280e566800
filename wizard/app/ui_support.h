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

// The application icon (there is no resource file on this platform): a small
// picture with a red difference frame, as the editor draws them.
wxIcon ApplicationIcon();

}  // namespace wizardui
