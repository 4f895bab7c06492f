#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (quorvel::cli::isCommandLine(args)) {
    return quorvel::cli::run(args, std::cin, std::cout, std::cerr);
  }
  std::cerr << "quorvel: the windows are not part of this build yet; "
               "see `quorvel --help` for the commands.\n";
  return 2;
}
