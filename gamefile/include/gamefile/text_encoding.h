#pragma once
// Texts in Vistrel's files are Windows-1252 bytes, so files move between
// systems unchanged. Convert only at the user-interface boundary.
#include <string>
#include <string_view>

namespace gamefile {

std::string Cp1252ToUtf8(std::string_view cp1252);

// Characters Windows-1252 cannot hold become '?'. Invalid UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace gamefile
