// quorvel add: one curve checked as the 绘制 button checks it and added to a list file,
// as the window adds it: the same reader of the entry, the same stored record.
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/curve_rules.h"
#include "catalogue/families.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/derived_add.h"
#include "cli/list_opening.h"
#include "cli/marked_add.h"
#include "cli/option_parsing.h"
#include "cli/plane_curve_add.h"
#include "cli/region_add.h"
#include "document/form_entry.h"
#include "document/read_entry.h"
#include "document/typed_record.h"
#include "files/atomic_file.h"
#include "plot/plotter.h"

namespace quorvel::cli {

namespace {

constexpr OptionRule kAddOptions[] = {
    {"--family", true},
    {"--form", true},
    {"--p1", true},
    {"--p2", true},
    {"--p3", true},
    {"--expr", true},
    {"--x-from", true},
    {"--x-to", true},
    {"--y-from", true},
    {"--y-to", true},
    {"--int", false},
    {"--no-int", false},
    {"--color", true},
    {"--help", false},
    {"--p4", true},
    {"--xt", true},
    {"--yt", true},
    {"--polar", true},
    {"--from", true},
    {"--to", true},
    {"--equation", true},
    // Piecewise functions and marked points.
    {"--piece", true, true},
    {"--points", true},
    // Curves derived from another entry.
    {"--derivative", true},
    {"--second", false},
    {"--tangent", true},
    {"--at", true},
    {"--normal", false},
    {"--area", true},
    {"--with", true},
    // Regions given by inequalities.
    {"--region", true, true},
    {"--objective", true},
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
         "         [--y-to TEXT] [--int | --no-int] [--color RRGGBB] [--p4 TEXT]\n"
         "       quorvel add LIST --xt TEXT --yt TEXT [--from TEXT] [--to TEXT] [--color RRGGBB]\n"
         "       quorvel add LIST --polar TEXT [--from TEXT] [--to TEXT] [--color RRGGBB]\n"
         "       quorvel add LIST --equation TEXT [--color RRGGBB]\n"
         "       quorvel add LIST --piece \"EXPR, [A, B)\" [--piece …] [--color RRGGBB]\n"
         "       quorvel add LIST --points \"A(1, 2) B(3, -1)\" [--color RRGGBB]\n"
         "       quorvel add LIST.QVJ --derivative N [--second] [--color RRGGBB]\n"
         "       quorvel add LIST.QVJ --tangent N --at X0 [--normal] [--color RRGGBB]\n"
         "       quorvel add LIST.QVJ --area N [--with M] --from A --to B [--color RRGGBB]\n"
         "       quorvel add LIST.QVJ --region TEXT [--region …] [--objective TEXT]\n"
         "         [--color RRGGBB]\n"
         "\n"
         "Checks one curve the way the 绘制 button does and adds it to the list file\n"
         "LIST.QVX (opened first when it exists, created when it does not), then\n"
         "prints the curve's line of the list.\n"
         "\n"
         "  --family N        the function family, 0 to 14 (below)\n"
         "  --form M          the equation form of the family (default 0)\n"
         "  --p1, --p2, --p3  the texts of the three parameter boxes (default empty,\n"
         "                    which the program takes as 0)\n"
         "  --p4 TEXT         the fourth parameter of the forms that have one (k of\n"
         "                    y = A sin(ωx + φ) + k, of a conic's centre (h, k)); the\n"
         "                    exponent α of family 14 is --p1: 1/3, −1, 0.4\n"
         "                    Family 14 and the forms after a family's first ones are\n"
         "                    kept in a list document (.QVJ); into a .QVX they are refused.\n"
         "  --expr TEXT       the expression of family 13 (needed there, only there)\n"
         "                    in the evaluator's tokens or as a textbook writes it:\n"
         "                    √x, sqrt(x), |x−1|, 2π, x², sin²x, arcsin x, log₂x, y=…\n"
         "  --x-from, --x-to, --y-from, --y-to TEXT\n"
         "                    the ends of the ranges (default: as the form sets them,\n"
         "                    open \" -∞\" / \" +∞\", or 0 for the start of Ｓｘ＝)\n"
         "  --int, --no-int   tick or untick 整数 (default: as the form sets it)\n"
         "  --color RRGGBB    the pen colour, red first (default: 自动选色)\n"
         "  --help            show this help\n" +
         planeCurveUsage() + markedKindsUsage() + derivedCurvesUsage() + regionUsage() +
         "\n"
         "Families and forms:\n" +
         familyTable() +
         "\n"
         "Exit status: 0 added; 1 the program refused the input (its message is\n"
         "printed as TITLE: MESSAGE, then the box and the place in its text on a\n"
         "line of its own); 2 wrong usage; 3 a file could not be read or written\n"
         "(the list file is then left as it was).\n";
}

struct AddRequest {
  std::filesystem::path list;
  int family = 0;
  int form = 0;
  std::optional<std::int32_t> color;
};

// Checks the words; returns the problem, or an empty text.
std::string readRequest(const SplitWords& words, AddRequest& request) {
  if (std::string problem = listOperandProblem(words); !problem.empty()) return problem;
  request.list = words.operands.front();
  // An empty name is what a cancelled save dialog answers: nothing would be saved.
  if (request.list.empty()) return "the list file name is empty";
  const std::string* familyText = words.value("--family");
  if (familyText == nullptr) return "--family is needed";
  const std::optional<int> f = parseBoundedInteger(*familyText, 0, kFamilyCount - 1);
  if (!f) {
    return "--family must be a whole number from 0 to " + std::to_string(kFamilyCount - 1) +
           ", not '" + *familyText + "'";
  }
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
  if (words.has("--p4") && !box4Visible(request.family, request.form)) {
    return "--p4 is the fourth parameter of the forms that have one only";
  }
  if (std::string problem = colourOptionProblem(words); !problem.empty()) return problem;
  if (const std::string* colorText = words.value("--color"))
    request.color = parseHexColour(*colorText);
  return {};
}

std::string valueOr(const SplitWords& words, std::string_view option, std::string fallback) {
  const std::string* v = words.value(option);
  return v != nullptr ? *v : std::move(fallback);
}

// The curve as the 绘制 page holds it once the family and form are chosen and the
// words typed in: the boxes, the ranges (open, or x from 0 for the running sum Ｓｘ＝,
// which alone offers 整数 and ticks it) and the colour.
FuncRecord typedRecord(const SplitWords& words, const AddRequest& request, std::int32_t colour) {
  const bool sum = request.family == kCustomFamily && request.form == 1;
  FuncRecord r;
  r.family = static_cast<std::int16_t>(request.family);
  r.form = static_cast<std::int16_t>(request.form);
  if (request.family == kCustomFamily) {
    r.para1 = *words.value("--expr");
    r.zeroPara23 = true;
  } else {
    r.para1 = valueOr(words, "--p1", "");
    r.para2 = valueOr(words, "--p2", "");
    r.para3 = valueOr(words, "--p3", "");
  }
  r.color = colour;
  r.rangeX1 = valueOr(words, "--x-from", sum ? "0" : kOpenLow);
  r.rangeX2 = valueOr(words, "--x-to", kOpenHigh);
  r.rangeY1 = valueOr(words, "--y-from", kOpenLow);
  r.rangeY2 = valueOr(words, "--y-to", kOpenHigh);
  r.intX = words.has("--int") || (sum && !words.has("--no-int")) ? 1 : 0;
  return r;
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
  // A region first: every other kind's option is refused beside its --region.
  if (asksForRegion(words)) return addRegion(words, addUsage(), out, err);
  // A derived curve first: its --from and --to are an area's, not a parametric curve's.
  if (asksForDerivedCurve(words)) return addDerivedCurve(words, addUsage(), out, err);
  if (asksForPlaneCurve(words)) return addPlaneCurve(words, addUsage(), out, err);
  if (asksForMarkedKind(words)) return addMarkedKind(words, addUsage(), out, err);
  AddRequest request;
  if (const std::string problem = readRequest(words, request); !problem.empty()) {
    return usageError(err, "add", problem, addUsage());
  }
  const RandomNumbers random = commandRandom();
  int exit = kExitDone;
  // Records that fail their checks stay in the list as they are.
  std::optional<ListToChange> target = openListToChange(request.list, random, err, exit);
  if (!target) return exit;
  if (words.has("--int") && !(request.family == kCustomFamily && request.form == 1)) {
    return usageError(err, "add", "--int does not apply to this form (整数 is not offered there)",
                      addUsage());
  }
  // 自动选色 chooses by the current line unless a colour is given.
  const std::int32_t colour = request.color ? *request.color : target->nextAutoColour();
  const FuncRecord typedCurve = typedRecord(words, request, colour);
  const TypedReading typed = inListFile(request.family, request.form)
                                 ? readTypedRecord(typedCurve, random)
                                 : readTypedForm(typedCurve, valueOr(words, "--p4", ""), random);
  const EntryReading& reading = typed.reading;
  if (!reading.curve) {
    err << reading.refusal.title << ": " << reading.refusal.message << '\n';
    // Which box, and where in its text as typed.
    if (!typed.detail.empty()) err << typed.detail << '\n';
    return kExitRefused;
  }
  target->list.add(ListEntry{curveContent(typed.stored, typed.storedPara4), true,
                             reading.curve->text, reading.curve->printed});
  if (exit = writeListFile("add", request.list, target->list, target->existing, err);
      exit != kExitDone) {
    return exit;
  }
  out << reading.curve->text << '\n';
  return kExitDone;
}

}  // namespace quorvel::cli
