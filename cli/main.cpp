#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  return fotovuelo::cli::RunCalc(args, std::cout, std::cerr);
}
