#include "cli/cli.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <string_view>
#include <system_error>

#include "cli/commands.h"
#include "quorvel_version.h"

namespace quorvel::cli {

namespace {

constexpr Subcommand kSubcommands[] = {
    {"calc", "evaluate an expression the way the plotter does", calcCommand},
    {"add", "draw a curve and add it to a list file (.QVX)", addCommand},
    {"list", "print the lines of a list file's curves", listCommand},
    {"export", "write a list file's picture as BMP, PNG, SVG or PDF", exportCommand},
    {"points", "print the key points of a list entry (zeros, turns, intersections)", pointsCommand},
    {"table", "print a table of values of a list entry", tableCommand},
    {"tangent", "print the tangent or normal of a list entry y = f(x) at a point", tangentCommand},
    {"derivative", "print f′(x) or f″(x) of a list entry over a range, or its zeros",
     derivativeCommand},
    {"integral", "print the definite integral and the area of a list entry", integralCommand},
    {"monotonic", "print where a list entry rises and falls, and its extrema", monotonicCommand},
    {"lp", "solve a linear program: the corners of the region and the optimum", lpCommand},
};

const Subcommand* findSubcommand(std::string_view name) {
  const auto it = std::find_if(std::begin(kSubcommands), std::end(kSubcommands),
                               [name](const Subcommand& c) { return c.name == name; });
  return it != std::end(kSubcommands) ? &*it : nullptr;
}

void printHelp(std::ostream& out) {
  out << "Usage: quorvel [COMMAND [ARGUMENTS...]]\n"
         "       quorvel [LIST.QVX]\n"
         "Without a command the windows open, with LIST.QVX opened when it is given.\n"
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

// How one of the toolkit's own options takes its value.
enum class ToolkitValue {
  None,          // a flag: -reverse
  Next,          // the next word: -platform offscreen
  NextOrJoined,  // the next word or after "=": -style fusion, -style=fusion
};

struct ToolkitOption {
  std::string_view name;  // without the dash
  ToolkitValue value;
};

// The options Qt 6.4 takes out of the words itself (QCoreApplication, QGuiApplication,
// QApplication and the xcb platform plugin), each spelt with one dash or two. Qt reads
// -geometry, -title and -icon (the X11 names of -qwindow...) and the xcb ones only on
// X11; on the other platforms they are left over and ignored.
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", ToolkitValue::Next},
    {"platformpluginpath", ToolkitValue::Next},
    {"platformtheme", ToolkitValue::Next},
    {"plugin", ToolkitValue::Next},
    {"qwindowgeometry", ToolkitValue::Next},
    {"qwindowicon", ToolkitValue::Next},
    {"qwindowtitle", ToolkitValue::Next},
    {"session", ToolkitValue::Next},
    {"reverse", ToolkitValue::None},
    {"testability", ToolkitValue::None},
    {"style", ToolkitValue::NextOrJoined},
    {"stylesheet", ToolkitValue::NextOrJoined},
    {"widgetcount", ToolkitValue::None},
    {"qmljsdebugger", ToolkitValue::NextOrJoined},
    {"qdevel", ToolkitValue::None},  // obsolete, ignored
    {"qdebug", ToolkitValue::None},  // obsolete, ignored
    {"geometry", ToolkitValue::Next},
    {"title", ToolkitValue::Next},
    {"icon", ToolkitValue::Next},
    {"display", ToolkitValue::Next},
    {"name", ToolkitValue::Next},
    {"visual", ToolkitValue::Next},
    {"nograb", ToolkitValue::None},
    {"dograb", ToolkitValue::None},
};

const ToolkitOption* findToolkitOption(std::string_view name) {
  const auto it = std::find_if(std::begin(kToolkitOptions), std::end(kToolkitOptions),
                               [name](const ToolkitOption& o) { return o.name == name; });
  return it != std::end(kToolkitOptions) ? &*it : nullptr;
}

// Why a word that is neither a command nor an option cannot be the list to open; ""
// when it names a file.
std::string fileProblem(const std::string& word) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(word, ec);
  if (std::filesystem::is_directory(status)) return "'" + word + "' is a folder, not a list file";
  if (std::filesystem::exists(status)) return "";
  // A word that looks like a file name was meant as one; any other, as a command.
  if (word.find_first_of("./") != std::string::npos) return "no such list file '" + word + "'";
  return "unknown command '" + word + "'";
}

}  // namespace

LaunchChoice chooseLaunch(const std::vector<std::string>& args) {
  if (!args.empty() &&
      (args[0] == "--help" || args[0] == "--version" || findSubcommand(args[0]) != nullptr)) {
    return {Launch::CommandLine, "", {}};
  }
  std::filesystem::path listFile;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (!word.starts_with('-')) {
      if (const std::string problem = fileProblem(word); !problem.empty()) {
        return {Launch::Refused, problem, {}};
      }
      if (!listFile.empty()) return {Launch::Refused, "only one list file can be opened", {}};
      listFile = word;
      continue;
    }
    // Qt reads --OPTION as -OPTION.
    std::string_view name = std::string_view(word).substr(word.starts_with("--") ? 2 : 1);
    const std::size_t equals = name.find('=');
    const ToolkitOption* option = findToolkitOption(name.substr(0, equals));
    if (option == nullptr ||
        (equals != std::string_view::npos && option->value != ToolkitValue::NextOrJoined)) {
      return {Launch::Refused, "unknown option '" + word + "'", {}};
    }
    if (equals == std::string_view::npos && option->value != ToolkitValue::None) {
      if (i + 1 >= args.size()) return {Launch::Refused, word + " needs a value", {}};
      ++i;  // the value, whatever it looks like, as Qt takes it
    }
  }
  return {Launch::Windows, "", listFile};
}

int refuse(const std::string& problem, std::ostream& err) {
  err << "quorvel: " << problem << "\n\n";
  printHelp(err);
  return kExitUsage;
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
    out << "quorvel " << kShortVersion << '\n';
    return kExitDone;
  }
  const Subcommand* command = findSubcommand(args[0]);
  if (command == nullptr) {
    return refuse("unknown command '" + args[0] + "'", err);
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  return command->run(rest, in, out, err);
}

}  // namespace quorvel::cli
