// kvcat: the catalogue compiler (see kvcat_commands.h for the command line).
#include <iostream>
#include <string>
#include <vector>

#include "tools/kvcat/kvcat_commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv, argv + argc);
  return kvcat::RunKvcat(arguments, std::cout, std::cerr);
}
