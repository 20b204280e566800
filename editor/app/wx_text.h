#pragma once
// Crossing between the core's byte strings and wxString. The core speaks
// UTF-8 for messages and file-system bytes for paths.
#include <wx/string.h>

#include <string>

namespace editor_app {

// UTF-8 text, or file-system bytes that are not UTF-8, shown as well as
// possible rather than as nothing.
inline wxString ToWx(const std::string& text) {
  if (text.empty()) return wxString();
  wxString converted = wxString::FromUTF8(text.data(), text.size());
  if (converted.empty()) converted = wxString(text.data(), wxConvISO8859_1, text.size());
  return converted;
}

// A message as shown: the stored texts separate lines with CR LF.
inline wxString MessageToWx(const std::string& text) {
  wxString shown = ToWx(text);
  shown.Replace("\r\n", "\n");
  return shown;
}

inline std::string FromWx(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return std::string(utf8.data(), utf8.length());
}

// A path in the file system's own bytes.
inline std::string PathFromWx(const wxString& path) {
  const wxScopedCharBuffer bytes = path.fn_str();
  if (bytes.length() == 0 && !path.empty()) return FromWx(path);
  return std::string(bytes.data(), bytes.length());
}

}  // namespace editor_app
