#include <iostream>

#include "qxtool.h"

int main(int argc, char** argv) {
  return qxtool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
