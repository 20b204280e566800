#include <unistd.h>

#include <iostream>
#include <string_view>

#include "qxtool.h"

int main(int argc, char** argv) {
  // VISTREL_VERSION is the project's version, handed in by the build.
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "qxtool (Vistrel) " VISTREL_VERSION "\n";
    return 0;
  }
  qxtool::RunOptions options;
  options.showProgress = ::isatty(STDERR_FILENO) == 1;
  return qxtool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, options);
}
