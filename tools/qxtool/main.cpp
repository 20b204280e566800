#include <unistd.h>

#include <iostream>

#include "qxtool.h"

int main(int argc, char** argv) {
  qxtool::RunOptions options;
  options.showProgress = ::isatty(STDERR_FILENO) == 1;
  return qxtool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, options);
}
