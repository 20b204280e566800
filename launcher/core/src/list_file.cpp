#include "launcher/list_file.h"

namespace launcher {

ListFile DecodeListFile(std::span<const std::uint8_t> bytes) {
  ListFile list;
  if (bytes.size() < 2) return list;
  const std::size_t count = bytes[0];
  list.storedSelection = bytes[1];
  std::size_t pos = 2;
  while (list.paths.size() < count && pos < bytes.size()) {
    std::string path;
    while (pos < bytes.size() && bytes[pos] != 0x00) path.push_back(static_cast<char>(bytes[pos++]));
    if (pos < bytes.size()) ++pos;
    list.paths.push_back(std::move(path));
  }
  return list;
}

gamefile::Bytes EncodeListFile(std::uint8_t selection, const std::vector<std::string>& paths) {
  gamefile::Bytes out;
  out.push_back(static_cast<std::uint8_t>(paths.size() & 0xFF));
  out.push_back(selection);
  for (const std::string& path : paths) {
    out.insert(out.end(), path.begin(), path.end());
    out.push_back(0x00);
  }
  return out;
}

gamefile::Bytes EncodeBuiltInChoice() { return gamefile::Bytes{kBuiltInChoice}; }

gamefile::Bytes EncodeChoice(const std::string& nameFilePath) {
  return gamefile::Bytes(nameFilePath.begin(), nameFilePath.end());
}

}  // namespace launcher
