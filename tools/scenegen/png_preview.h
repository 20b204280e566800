#pragma once
// PNG previews of picture pairs, to judge the set by eye.
#include <string>
#include <vector>

#include "picture_set.h"

namespace scenegen {

// Both pictures side by side, the second with the rectangles outlined.
bool WritePairPreview(const std::string& path, const PicturePair& pair);

// All pairs in one sheet, scaled to half size, `columns` pairs a row.
bool WriteContactSheet(const std::string& path, const std::vector<PicturePair>& pairs, int columns);

}  // namespace scenegen
