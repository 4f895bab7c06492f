// quorvel add: one curve drawn as the 绘制 button draws it and added to a list file,
// through the same panel, handlers and toolbar commands as the window.
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/families.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/option_parsing.h"
#include "shell/headless_program.h"

namespace quorvel::cli {

namespace {

constexpr OptionRule kAddOptions[] = {
    {"--family", true}, {"--form", true},  {"--p1", true},     {"--p2", true},
    {"--p3", true},     {"--expr", true},  {"--x-from", true}, {"--x-to", true},
    {"--y-from", true}, {"--y-to", true},  {"--int", false},   {"--no-int", false},
    {"--color", true},  {"--help", false},
};

// The families and their forms, numbered as --family and --form take them.
std::string familyTable() {
  std::string out;
  for (int f = 0; f < kFamilyCount; ++f) {
    const FamilyInfo& info = family(f);
    out += "  " + std::to_string(f) + (f < 10 ? "   " : "  ") + info.name + ":";
    for (std::size_t m = 0; m < info.forms.size(); ++m) {
      out += " " + std::to_string(m) + " " + info.forms[m].comboItem;
      if (m + 1 < info.forms.size()) out += ",";
    }
    out += '\n';
  }
  return out;
}

std::string addUsage() {
  return "Usage: quorvel add LIST.QVX --family N [--form M] [--p1 TEXT] [--p2 TEXT]\n"
         "         [--p3 TEXT] [--expr TEXT] [--x-from TEXT] [--x-to TEXT] [--y-from TEXT]\n"
         "         [--y-to TEXT] [--int | --no-int] [--color RRGGBB]\n"
         "\n"
         "Draws one curve the way the 绘制 button does and adds it to the list file\n"
         "LIST.QVX (opened first when it exists, created when it does not), then\n"
         "prints the curve's line of the list.\n"
         "\n"
         "  --family N        the function family, 0 to 13 (below)\n"
         "  --form M          the equation form of the family (default 0)\n"
         "  --p1, --p2, --p3  the texts of the three parameter boxes (default empty,\n"
         "                    which the program takes as 0)\n"
         "  --expr TEXT       the expression of family 13 (needed there, only there)\n"
         "  --x-from, --x-to, --y-from, --y-to TEXT\n"
         "                    the ends of the ranges (default: as the form sets them,\n"
         "                    open \" -∞\" / \" +∞\", or 0 for the start of Ｓｘ＝)\n"
         "  --int, --no-int   tick or untick 整数 (default: as the form sets it)\n"
         "  --color RRGGBB    the pen colour, red first (default: 自动选色)\n"
         "  --help            show this help\n"
         "\n"
         "Families and forms:\n" +
         familyTable() +
         "\n"
         "Exit status: 0 added; 1 the program refused the input (its message is\n"
         "printed as TITLE: MESSAGE); 2 wrong usage; 3 a file could not be read or\n"
         "written (the list file is then left as it was).\n";
}

struct AddRequest {
  std::filesystem::path list;
  int family = 0;
  int form = 0;
  std::optional<std::int32_t> color;
};

// Checks the words; returns the problem, or an empty text.
std::string readRequest(const SplitWords& words, AddRequest& request) {
  if (words.operands.size() != 1) {
    return words.operands.empty() ? "the list file LIST.QVX is needed"
                                  : "give exactly one list file";
  }
  request.list = words.operands.front();
  // An empty name is what a cancelled save dialog answers: nothing would be saved.
  if (request.list.empty()) return "the list file name is empty";
  const std::string* familyText = words.value("--family");
  if (familyText == nullptr) return "--family is needed";
  const std::optional<int> f = parseBoundedInteger(*familyText, 0, kFamilyCount - 1);
  if (!f) return "--family must be a whole number from 0 to 13, not '" + *familyText + "'";
  request.family = *f;
  const int lastForm = static_cast<int>(family(*f).forms.size()) - 1;
  if (const std::string* formText = words.value("--form")) {
    const std::optional<int> m = parseBoundedInteger(*formText, 0, lastForm);
    if (!m) {
      return "--form of family " + std::to_string(*f) + " must be a whole number from 0 to " +
             std::to_string(lastForm) + ", not '" + *formText + "'";
    }
    request.form = *m;
  }
  const bool custom = request.family == kCustomFamily;
  if (custom && !words.has("--expr")) return "family 13 needs --expr";
  if (!custom && words.has("--expr")) return "--expr is the expression of family 13 only";
  if (words.has("--int") && words.has("--no-int")) return "give --int or --no-int, not both";
  if (const std::string* colorText = words.value("--color")) {
    request.color = parseHexColour(*colorText);
    if (!request.color) {
      return "--color must be six hexadecimal digits RRGGBB, not '" + *colorText + "'";
    }
  }
  return {};
}

std::string valueOr(const SplitWords& words, std::string_view option, std::string fallback) {
  const std::string* v = words.value(option);
  return v != nullptr ? *v : std::move(fallback);
}

}  // namespace

int addCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
               std::ostream& err) {
  const SplitWords words = splitWords(args, kAddOptions);
  if (!words.problem.empty()) return usageError(err, "add", words.problem, addUsage());
  if (words.has("--help")) {
    out << addUsage();
    return kExitDone;
  }
  AddRequest request;
  if (const std::string problem = readRequest(words, request); !problem.empty()) {
    return usageError(err, "add", problem, addUsage());
  }
  std::error_code ec;
  const bool listExists = std::filesystem::exists(request.list, ec);
  if (listExists) {
    if (const std::string why = unreadableReason(request.list); !why.empty()) {
      err << "quorvel add: cannot read '" << request.list.string() << "': " << why << '\n';
      return kExitFileError;
    }
  }

  try {
    NullSurface surface;
    HeadlessProgram headless(surface);
    if (listExists) {
      if (!headless.openList(request.list)) {
        err << refusalLine(headless.messages()) << '\n';
        return kExitRefused;
      }
      // Records that fail their checks stay in the list as they are.
      reportRecordMessages(err, "add", request.list, headless.panel().refusedRecords());
    }
    const std::size_t messagesBefore = headless.messages().size();
    frmControl& panel = headless.panel();

    // 整数 as the chosen form sets it: unticked unless the form ticks it, offered
    // unless the form takes it away (as in a window where Ｓｘ＝ was once chosen,
    // which is what first offers it).
    panel.chkIntX.setEnabled(true);
    panel.chkIntX.setValue(0);
    headless.chooseFamily(request.family, request.form);
    for (int box = 1; box <= 3; ++box) {
      panel.txtParameter[box].setText(valueOr(words, "--p" + std::to_string(box), ""));
    }
    if (request.family == kCustomFamily) panel.txtExpression.setText(*words.value("--expr"));
    panel.cboRangeX1.setText(valueOr(words, "--x-from", panel.cboRangeX1.Text()));
    panel.cboRangeX2.setText(valueOr(words, "--x-to", panel.cboRangeX2.Text()));
    panel.cboRangeY1.setText(valueOr(words, "--y-from", panel.cboRangeY1.Text()));
    panel.cboRangeY2.setText(valueOr(words, "--y-to", panel.cboRangeY2.Text()));
    if (words.has("--int")) {
      if (!panel.chkIntX.Enabled()) {
        return usageError(err, "add",
                          "--int does not apply to this form (整数 is not offered there)",
                          addUsage());
      }
      panel.chkIntX.setValue(1);
    }
    if (words.has("--no-int")) panel.chkIntX.setValue(0);
    if (request.color) headless.choosePenColor(*request.color);

    const int linesBefore = panel.lstExist.ListCount();
    panel.cmdDraw.click();
    const std::vector<RecordedMessage>& messages = headless.messages();
    if (messages.size() > messagesBefore) {
      err << messageLine(messages[messagesBefore]) << '\n';
      return kExitRefused;
    }
    if (panel.lstExist.ListCount() == linesBefore) {
      err << "quorvel add: no curve was drawn\n";
      return kExitRefused;
    }
    if (!headless.saveList(request.list)) {
      err << "quorvel add: cannot write '" << request.list.string() << "' ("
          << messageLine(headless.messages().back()) << ")\n";
      return kExitFileError;
    }
    out << panel.lstExist.List(panel.lstExist.ListCount() - 1) << '\n';
    return kExitDone;
  } catch (const std::runtime_error& e) {
    err << "quorvel add: " << e.what() << '\n';
    return kExitFileError;
  }
}

}  // namespace quorvel::cli
