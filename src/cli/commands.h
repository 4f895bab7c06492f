#pragma once
// The subcommands of the command line and what they share. Adding a subcommand
// means writing its runner in a file of its own and listing it in kSubcommands
// (cli.cpp).
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::cli {

// Exit statuses of every subcommand.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFileError = 3;

// Runs a subcommand on the words after its name and returns the exit status.
using SubcommandRunner = int (*)(const std::vector<std::string>& args, std::istream& in,
                                 std::ostream& out, std::ostream& err);

struct Subcommand {
  std::string_view name;
  std::string_view summary;  // one line for `quorvel --help`
  SubcommandRunner run;
};

// quorvel calc: evaluates an expression as the plotter does.
int calcCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err);
// quorvel add: draws a curve and adds it to a list file.
int addCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);
// quorvel list: prints the lines of a list file's curves.
int listCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err);
// quorvel export: writes a list file's picture (bitmap, PNG, SVG, PDF) or its trace.
int exportCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err);

// quorvel points: prints the key points of a list entry.
int pointsCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err);
// quorvel table: prints a table of values of a list entry.
int tableCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                 std::ostream& err);

// quorvel tangent, derivative, integral, monotonic: the calculus of a list entry y = f(x).
int tangentCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);
int derivativeCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err);
int integralCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err);
int monotonicCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err);

// quorvel lp: the corners and the optimum of a linear program typed as inequalities.
int lpCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
              std::ostream& err);

}  // namespace quorvel::cli
