// quorvel list: the lines of a list file's curves, as the toolbar's 打开 rebuilds
// the list of drawn functions from it.
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/option_parsing.h"
#include "shell/headless_program.h"

namespace quorvel::cli {

namespace {

constexpr OptionRule kListOptions[] = {{"--help", false}};

constexpr std::string_view kListUsage =
    "Usage: quorvel list LIST.QVX\n"
    "\n"
    "Opens the list file as the toolbar's 打开 does, replaying every record, and\n"
    "prints the line of each record as the list of drawn functions shows it, one\n"
    "per line. A record that fails the draw command's checks is reported on\n"
    "standard error as 'LIST.QVX: record N: TITLE: MESSAGE' (its line is printed\n"
    "all the same).\n"
    "\n"
    "  --help  show this help\n"
    "\n"
    "Exit status: 0 every record was drawn; 1 the program refused the file or a\n"
    "record; 2 wrong usage; 3 the file could not be read.\n";

}  // namespace

int listCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
                std::ostream& err) {
  const SplitWords words = splitWords(args, kListOptions);
  if (!words.problem.empty()) return usageError(err, "list", words.problem, kListUsage);
  if (words.has("--help")) {
    out << kListUsage;
    return kExitDone;
  }
  if (words.operands.size() != 1) {
    return usageError(
        err, "list",
        words.operands.empty() ? "the list file LIST.QVX is needed" : "give exactly one list file",
        kListUsage);
  }
  const std::filesystem::path list = words.operands.front();
  if (const std::string why = unreadableReason(list); !why.empty()) {
    err << "quorvel list: cannot read '" << list.string() << "': " << why << '\n';
    return kExitFileError;
  }
  try {
    NullSurface surface;
    HeadlessProgram headless(surface);
    if (!headless.openList(list)) {
      err << refusalLine(headless.messages()) << '\n';
      return kExitRefused;
    }
    const CheckListBox& lines = headless.panel().lstExist;
    for (int i = 0; i < lines.ListCount(); ++i) out << lines.List(i) << '\n';
    const std::size_t refused =
        reportRecordMessages(err, "list", list, headless.panel().refusedRecords());
    return refused == 0 ? kExitDone : kExitRefused;
  } catch (const std::runtime_error& e) {
    err << "quorvel list: " << e.what() << '\n';
    return kExitFileError;
  }
}

}  // namespace quorvel::cli
