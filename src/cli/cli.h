#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel::cli {

// True when `word` names a subcommand (calc, ...) or is --help / --version.
bool isCommandLine(const std::vector<std::string>& args);

// Runs the subcommand in args (args[0] is the subcommand). Returns the exit status:
// 0 done, 1 refused, 2 wrong usage, 3 a file could not be read or written.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace quorvel::cli
