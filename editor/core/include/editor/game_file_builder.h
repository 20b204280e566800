#pragma once
// Turning the picture table into a game file: the name file and, beside it,
// the picture-pair file. Each function returns the message to show when it
// fails, nothing when it succeeded.
#include <optional>
#include <string>

#include "editor/picture_table.h"
#include "gamefile/game_file.h"

namespace editor {

using FailureMessage = std::optional<std::string>;

// Checks every picture from slot 0 up to the first empty path again (files
// may have changed on disk since they were loaded) and stores each file's
// current byte count. Only the first failing picture is reported.
FailureMessage RecheckPictures(PictureTable& table);

// A hand-made project file can make a picture share another record's bytes.
// The game accepts that only when the named record is written too and holds
// its own bytes.
FailureMessage CheckSharedPictures(const PictureTable& table, int pairCount);

// Writes both files for the first pairCount pairs. Both are assembled under
// temporary names and moved into place only when complete, so a failure
// leaves any earlier game file of that name as it was.
FailureMessage WriteGameFile(PictureTable& table, int pairCount, const std::string& nameFilePath,
                             const gamefile::NameFile& nameFile);

// Game-file names typed without an extension get ".vst", the extension the
// launcher's file dialog looks for.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

// The name dialog's rule: any name but the empty one.
bool IsAcceptableGameFileName(const std::string& name);

// Name and description as stored: Windows-1252, description lines ended by
// CR LF whatever the toolkit delivered.
gamefile::NameFile ToStoredNameFile(const std::string& utf8Name, const std::string& utf8Description);

}  // namespace editor
