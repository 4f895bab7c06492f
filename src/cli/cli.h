#pragma once
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel::cli {

// What the program does with its argument words.
enum class Launch {
  CommandLine,  // the first word is a subcommand (calc, ...) or --help / --version
  Windows,      // no words, the toolkit's own options (-platform NAME, ...) and at most
                // one word that names an existing file: the list to open in the windows
  Refused,      // any other word: wrong usage
};

struct LaunchChoice {
  Launch launch = Launch::Windows;
  std::string refusal;  // when Refused: the problem, e.g. "unknown option '--bogus'"
  // When Windows: the list file given (as the word named it), empty when none was.
  std::filesystem::path listFile;
};

// Chooses the launch for the words after the program's name. It needs no display and
// makes no application object, so a refusal can be printed before either. A word
// that names a file is only checked for being a file: the windows open it as 打开
// does and report a file that is no list the same way.
LaunchChoice chooseLaunch(const std::vector<std::string>& args);

// Prints "quorvel: PROBLEM", a blank line and the usage on `err`; returns the
// wrong-usage status (2).
int refuse(const std::string& problem, std::ostream& err);

// Runs the subcommand in args (args[0] is the subcommand). Returns the exit status:
// 0 done, 1 refused, 2 wrong usage, 3 a file could not be read or written.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace quorvel::cli
