#include "cli/cli.h"

#include <algorithm>
#include <iostream>
#include <iterator>

#include "cli/commands.h"

#ifndef QUORVEL_VERSION_TEXT
#define QUORVEL_VERSION_TEXT "1.1"
#endif

namespace quorvel::cli {

namespace {

constexpr Subcommand kSubcommands[] = {
    {"calc", "evaluate an expression the way the plotter does", calcCommand},
    {"add", "draw a curve and add it to a list file (.QVX)", addCommand},
    {"list", "print the lines of a list file's curves", listCommand},
    {"export", "write a list file's picture as BMP, PNG, SVG or PDF", exportCommand},
};

const Subcommand* findSubcommand(std::string_view name) {
  const auto it = std::find_if(std::begin(kSubcommands), std::end(kSubcommands),
                               [name](const Subcommand& c) { return c.name == name; });
  return it != std::end(kSubcommands) ? &*it : nullptr;
}

void printHelp(std::ostream& out) {
  out << "Usage: quorvel [COMMAND [ARGUMENTS...]]\n"
         "Without a command the windows open.\n"
         "\n"
         "Commands:\n";
  std::size_t width = 0;
  for (const Subcommand& c : kSubcommands) width = std::max(width, c.name.size());
  for (const Subcommand& c : kSubcommands) {
    out << "  " << c.name << std::string(width - c.name.size() + 2, ' ') << c.summary << '\n';
  }
  out << "\n"
         "Options:\n"
         "  --help     show this help\n"
         "  --version  show the version\n"
         "\n"
         "`quorvel COMMAND --help` describes a command.\n";
}

}  // namespace

bool isCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  return args[0] == "--help" || args[0] == "--version" || findSubcommand(args[0]) != nullptr;
}

int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
  if (args.empty()) {
    printHelp(err);
    return kExitUsage;
  }
  if (args[0] == "--help") {
    printHelp(out);
    return kExitDone;
  }
  if (args[0] == "--version") {
    out << "quorvel " << QUORVEL_VERSION_TEXT << '\n';
    return kExitDone;
  }
  const Subcommand* command = findSubcommand(args[0]);
  if (command == nullptr) {
    err << "quorvel: unknown command '" << args[0] << "'\n\n";
    printHelp(err);
    return kExitUsage;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  return command->run(rest, in, out, err);
}

}  // namespace quorvel::cli
