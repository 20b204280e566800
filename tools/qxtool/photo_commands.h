#pragma once
// qxtool's commands that start from photos: fit, pair and build.
#include <iosfwd>
#include <string>
#include <vector>

namespace qxtool {

// Each takes the arguments after the command's name and returns the exit
// code: 0 done, 1 refused (with a German reason on err), 2 wrong usage.
int Fit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Pair(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Build(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qxtool
