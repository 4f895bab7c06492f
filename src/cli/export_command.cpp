// quorvel export: a list file's picture as a bitmap, PNG, SVG or PDF file, or the
// trace of the calls its drawing makes, drawn by the same drawing function as the
// window's picture.
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/gui_application.h"
#include "cli/list_opening.h"
#include "cli/list_picture.h"
#include "cli/option_parsing.h"
#include "plot/view.h"
#include "render/picture_writer.h"

namespace quorvel::cli {

namespace {

constexpr OptionRule kExportOptions[] = {
    {"--size", true},    {"--cm", true},      {"--dpi", true},     {"--scale", true},
    {"--level", true},   {"--pen", true},     {"--smooth", false}, {"--grid", false},
    {"--pi", false},     {"--labels", false}, {"--legend", false}, {"--label-size", true},
    {"--modern", false}, {"--trace", false},  {"--help", false},
};

constexpr std::string_view kExportUsage =
    "Usage: quorvel export LIST.QVX OUT [--size WxH | --cm WxH [--dpi N]] [--scale N]\n"
    "         [--level N] [--pen N] [--modern] [--smooth] [--grid] [--pi]\n"
    "         [--labels | --legend] [--label-size N] [--trace]\n"
    "\n"
    "Draws every record of the list file on a drawing surface of W x H pixels in\n"
    "the centred view, as the toolbar's 打开 does, and writes the picture to OUT in\n"
    "the format its extension names:\n"
    "  .bmp  24-bit Windows bitmap, as the toolbar's 导出 writes it\n"
    "  .png  the same pixels as the bitmap\n"
    "  .svg  vector picture: axes, labels and curves as lines, dots and text\n"
    "  .pdf  vector picture on one page of the picture's size\n"
    "OUT is replaced only by a complete new picture; on a failure it stays as it was.\n"
    "\n"
    "  --size WxH  the picture in pixels, each side 1 to 8000 (default 800x800)\n"
    "  --cm WxH    the picture in centimetres for print, e.g. 10x7.5: the bitmap holds\n"
    "              W / 2.54 x dpi pixels (10x10 at 300 dpi: 1181 x 1181) and looks like\n"
    "              the screen's picture of that size, its lines and labels only sharper\n"
    "              (SVG and PDF are W x H centimetres)\n"
    "  --dpi N     the resolution of --cm, 72 to 1200 dots per inch (default 300)\n"
    "  --scale N   the 缩放 slider, view units per curve unit, 0 to 16000 (default 500)\n"
    "  --level N   the 精度 slider, steps per curve, 1 to 10000 (default 2000)\n"
    "  --pen N     the 笔宽 slider, pen width in pixels, 1 to 5 (default 2)\n"
    "  the picture options (图像选项), all off by default (the classic look):\n"
    "  --modern    the modern look, as a new user's window shows it: ticks at 1, 2, 2.5\n"
    "              or 5 x 10^n whose labels never touch, every label whole and clear\n"
    "              of the others or left out, curves run to the picture's edge, smooth\n"
    "              curves (the colours are those the list file keeps)\n"
    "  --smooth    smooth curves: antialiased, with points added where a curve turns\n"
    "              steep (circles close, no line across a pole)\n"
    "  --grid      light grid lines at the ticks, under the curves\n"
    "  --pi        the x axis labelled in multiples of π/2\n"
    "  --labels    each curve's list text beside it, in its colour\n"
    "  --legend    a legend of the curves in a corner instead\n"
    "  --label-size N  the size of the labels in points, 9 to 24 (default 9)\n"
    "  --trace     write instead every call the drawing made on the surface, one per\n"
    "              line, fields separated by a TAB, whatever OUT's extension:\n"
    "                Scale x1 y1 x2 y2 | Cls | ForeColor RGB | DrawWidth N |\n"
    "                AutoRedraw 0/1 | Line x1 y1 x2 y2 | PSet x y | Print x y TEXT |\n"
    "                FontSize POINTS | Smooth 0/1 (these two only with the options)\n"
    "              (colours in decimal with red in the low byte; numbers read back as\n"
    "              the same single-precision values; Print at CurrentX, CurrentY)\n"
    "  --help      show this help\n"
    "\n"
    "A record that fails the draw command's checks is left out of the picture and\n"
    "reported on standard error as 'LIST.QVX: record N: TITLE: MESSAGE'.\n"
    "\n"
    "Exit status: 0 written; 1 the program refused the list file (nothing written)\n"
    "or a record (the rest written); 2 wrong usage; 3 a file could not be read or\n"
    "written.\n";

// Reads a whole-number option into `value`; returns the problem, or an empty text.
std::string readNumber(const SplitWords& words, std::string_view option, int min, int max,
                       int& value) {
  const std::string* text = words.value(option);
  if (text == nullptr) return {};
  const std::optional<int> v = parseBoundedInteger(*text, min, max);
  if (!v) {
    return std::string(option) + " must be a whole number from " + std::to_string(min) + " to " +
           std::to_string(max) + ", not '" + *text + "'";
  }
  value = *v;
  return {};
}

// --cm and --dpi into the picture's size; returns the problem, or an empty text.
std::string readPrintSize(const SplitWords& words, PictureSpec& picture) {
  const std::string* cm = words.value("--cm");
  if (cm == nullptr) return words.has("--dpi") ? "--dpi goes with --cm" : "";
  if (words.has("--size")) return "give --size or --cm, not both";
  const std::optional<CentimetreSize> c = parseCentimetreSize(*cm);
  if (!c)
    return "--cm must be WxH, two numbers of centimetres above 0 joined by x, not '" + *cm + "'";
  PictureSize size;
  size.unit = SizeUnit::Centimetres;
  size.widthCm = c->width;
  size.heightCm = c->height;
  if (const std::string problem =
          readNumber(words, "--dpi", kMinDotsPerInch, kMaxDotsPerInch, size.dotsPerInch);
      !problem.empty()) {
    return problem;
  }
  const std::string asked = "--cm " + *cm + " at " + std::to_string(size.dotsPerInch) + " dpi";
  switch (sizeFault(size)) {
    case SizeFault::None: break;
    case SizeFault::TooSmall: return asked + " is too small: under one pixel a side";
    case SizeFault::TooLarge:
      return asked + " is too large: more than " + std::to_string(kMaxPicturePixels) +
             " pixels a side";
    case SizeFault::Resolution: return asked + ": the resolution is not allowed";
  }
  picture = pictureSpecFor(picture.format, size, picture.widthPixels, picture.heightPixels,
                           picture.borderPixels);
  return {};
}

// Checks the words; returns the problem, or an empty text.
std::string readRequest(const SplitWords& words, ListPictureRequest& request) {
  if (words.operands.size() != 2) return "give the list file LIST.QVX and the picture file OUT";
  const std::filesystem::path outFile = words.operands[1];
  PictureFormat& format = request.picture.format;
  if (words.has("--trace")) {
    format = PictureFormat::Trace;
  } else if (const std::optional<PictureFormat> f = pictureFormatOf(outFile)) {
    format = *f;
  } else {
    return "the picture file must end in .bmp, .png, .svg or .pdf (or give --trace), not '" +
           outFile.filename().string() + "'";
  }
  if (const std::string* size = words.value("--size")) {
    const std::optional<PixelSize> s = parsePixelSize(*size);
    if (!s) {
      return "--size must be WxH, two whole numbers from 1 to " +
             std::to_string(kMaxPicturePixels) + " joined by x, not '" + *size + "'";
    }
    request.picture.widthPixels = s->width;
    request.picture.heightPixels = s->height;
  }
  for (const std::string& problem : {readNumber(words, "--scale", 0, kMaxScale, request.scale),
                                     readNumber(words, "--level", 1, 10000, request.level),
                                     readNumber(words, "--pen", 1, 5, request.penWidth),
                                     readNumber(words, "--label-size", kMinLabelPoints,
                                                kMaxLabelPoints, request.style.labelPoints)}) {
    if (!problem.empty()) return problem;
  }
  if (const std::string problem = readPrintSize(words, request.picture); !problem.empty()) {
    return problem;
  }
  if (words.has("--labels") && words.has("--legend")) return "give --labels or --legend, not both";
  PictureStyle& style = request.style;
  style.modern = words.has("--modern");
  style.smooth = style.modern || words.has("--smooth");
  style.grid = words.has("--grid");
  style.piTicks = words.has("--pi");
  if (words.has("--labels")) style.labels = CurveLabels::Beside;
  if (words.has("--legend")) style.labels = CurveLabels::Legend;
  return {};
}

}  // namespace

int exportCommand(const std::vector<std::string>& args, std::istream& /*in*/, std::ostream& out,
                  std::ostream& err) {
  const SplitWords words = splitWords(args, kExportOptions);
  if (!words.problem.empty()) return usageError(err, "export", words.problem, kExportUsage);
  if (words.has("--help")) {
    out << kExportUsage;
    return kExitDone;
  }
  ListPictureRequest request;
  if (const std::string problem = readRequest(words, request); !problem.empty()) {
    return usageError(err, "export", problem, kExportUsage);
  }
  const std::filesystem::path list = words.operands[0];
  const std::filesystem::path outFile = words.operands[1];
  if (const std::string why = unreadableReason(list); !why.empty()) {
    err << "quorvel export: cannot read '" << list.string() << "': " << why << '\n';
    return kExitFileError;
  }
  if (const std::string why = unwritableReason(outFile); !why.empty()) {
    err << "quorvel export: cannot write '" << outFile.string() << "': " << why << '\n';
    return kExitFileError;
  }
  std::error_code ec;
  if (std::filesystem::equivalent(list, outFile, ec)) {
    return usageError(err, "export", "the picture would replace the list file itself",
                      kExportUsage);
  }
  int exit = kExitDone;
  const std::optional<OpenedList> opened = openListFile("export", list, commandRandom(), err, exit);
  if (!opened) return exit;
  const std::size_t refused = reportRefusals(err, "export", list, opened->refused);
  // Fonts and painting need the application; the trace draws nothing.
  std::optional<GuiApplicationScope> gui;
  if (request.picture.format != PictureFormat::Trace) gui.emplace();
  FilePictureWriter writer;
  const std::string writeError = writeListPicture(opened->list, outFile, request, writer);
  if (!writeError.empty()) {
    err << "quorvel export: cannot write '" << outFile.string() << "': " << writeError << '\n';
    return kExitFileError;
  }
  return refused == 0 ? kExitDone : kExitRefused;
}

}  // namespace quorvel::cli
