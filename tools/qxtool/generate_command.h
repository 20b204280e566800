#pragma once
// "qxtool generate": a new game file of generated picture pairs.
#include <iosfwd>
#include <string>
#include <vector>

namespace qxtool {

// `args` are those after "generate". Exit code 0 written, 1 not written,
// 2 wrong usage.
int Generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool showProgress);

}  // namespace qxtool
