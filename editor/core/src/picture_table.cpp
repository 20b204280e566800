#include "editor/picture_table.h"

#include <cstdio>

#include "gamefile/file_io.h"

namespace editor {

void ClearPictureFields(PictureSlot& slot) {
  slot.path.clear();
  slot.fileName.clear();
  slot.byteCount = 0;
  slot.widthField = 0;
  slot.heightField = 0;
  slot.colourKeyFlag = 0;
  slot.colourKey1 = 0;
  slot.colourKey2 = 0;
}

bool CanOpenForReading(const std::string& path) {
  // A folder opens for reading on this system but holds no picture.
  if (!gamefile::FileExists(path)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

}  // namespace editor
