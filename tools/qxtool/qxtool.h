#pragma once
// qxtool: looks inside game files from the command line.
#include <iosfwd>
#include <string>
#include <vector>

namespace qxtool {

struct RunOptions {
  // "generate" counts its pairs on `err` as it paints them (for a terminal).
  bool showProgress = false;
};

// Runs one command line (without the program name). Returns the exit code:
// 0 success, 1 the file is not a good game file (or could not be written),
// 2 wrong usage.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const RunOptions& options = {});

}  // namespace qxtool
