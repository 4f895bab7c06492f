#include "shell/qt/picture_export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRect>
#include <QSize>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>

#include "files/atomic_file.h"
#include "plot/recording_surface.h"
#include "shell/qt/raster_surface.h"
#include "shell/qt/vector_surface.h"

namespace quorvel {

namespace {

constexpr int kScreenDotsPerInch = 96;

void report(std::string* error, const std::string& text) {
  if (error != nullptr) *error = text;
}

std::string lowerCase(std::string text) {
  for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return text;
}

bool paintSvg(const VectorSurface& surface, const std::string& file, std::string* error) {
  const int width = surface.AreaWidthPixels();
  const int height = surface.AreaHeightPixels();
  QSvgGenerator generator;
  generator.setFileName(QString::fromStdString(file));
  generator.setSize(QSize(width, height));
  generator.setViewBox(QRect(0, 0, width, height));
  generator.setResolution(kScreenDotsPerInch);
  generator.setTitle(QStringLiteral("Quorvel"));
  QPainter painter;
  if (!painter.begin(&generator)) {
    report(error, "cannot write the SVG picture");
    return false;
  }
  surface.paint(painter);
  return painter.end();
}

bool paintPdf(const VectorSurface& surface, const std::string& file, std::string* error) {
  const int width = surface.AreaWidthPixels();
  const int height = surface.AreaHeightPixels();
  QPdfWriter writer(QString::fromStdString(file));
  writer.setCreator(QStringLiteral("Quorvel"));
  writer.setTitle(QStringLiteral("Quorvel"));
  writer.setResolution(kScreenDotsPerInch);
  // One page exactly the picture's size, one painter unit per pixel.
  const QPageSize page(QSizeF(width / double{kScreenDotsPerInch}, height / double{kScreenDotsPerInch}),
                       QPageSize::Inch, QString(), QPageSize::ExactMatch);
  writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  QPainter painter;
  if (!painter.begin(&writer)) {
    report(error, "cannot write the PDF picture");
    return false;
  }
  surface.paint(painter);
  return painter.end();
}

// Builds a program on `surface` with the options and opens the list in it, which
// replays every entry; with ticks, the redraw then replays the ticked ones. The
// surface is drawn afresh by that last replay, which `beforeReplay` runs just before.
PictureOutcome replayList(Surface& surface, const std::filesystem::path& listFile,
                          const PictureOptions& options, const std::function<void()>& beforeReplay) {
  PictureOutcome outcome;
  if (options.ticked && std::find(options.ticked->begin(), options.ticked->end(), true) ==
                            options.ticked->end()) {
    // Nothing ticked, nothing shown: an empty picture, whatever the list holds.
    beforeReplay();
    outcome.listOpened = true;
    return outcome;
  }
  HeadlessProgram headless(surface);
  frmControl& panel = headless.panel();
  panel.sldZoom.setValue(options.scale);
  // With ticks the opening only has to rebuild the list, which the lowest precision
  // does quickly; the redraw draws at the chosen one.
  panel.sldLevel.setValue(options.ticked ? panel.sldLevel.Min() : options.level);
  panel.sldPenWidth.setValue(options.penWidth);
  if (options.view) {
    // A graph on the screen keeps its view: the first replayed entry does not centre it.
    mdlDeclare& g = headless.program().g;
    static_cast<ViewState&>(g) = *options.view;
    g.graphOnScreen = true;
  }
  if (!options.ticked) beforeReplay();
  outcome.listOpened = headless.openList(listFile);
  if (!outcome.listOpened || !options.ticked) {
    outcome.messages = headless.messages();
    return outcome;
  }
  panel.sldLevel.setValue(options.level);
  // The panel shows its first page, so a changed tick starts no redraw of its own.
  const std::vector<bool>& ticked = *options.ticked;
  for (int line = 0; line < panel.lstExist.ListCount(); ++line) {
    const auto i = static_cast<std::size_t>(line);
    panel.lstExist.setSelected(line, i < ticked.size() && ticked[i]);
  }
  const std::size_t before = headless.messages().size();
  beforeReplay();
  panel.cmdRedraw_Click();
  const std::vector<RecordedMessage>& shown = headless.messages();
  outcome.messages.assign(shown.begin() + static_cast<std::ptrdiff_t>(before), shown.end());
  return outcome;
}

}  // namespace

std::optional<PictureFormat> pictureFormatOf(const std::filesystem::path& file) {
  const std::string extension = lowerCase(file.extension().string());
  if (extension == ".bmp") return PictureFormat::Bmp;
  if (extension == ".png") return PictureFormat::Png;
  if (extension == ".svg") return PictureFormat::Svg;
  if (extension == ".pdf") return PictureFormat::Pdf;
  return std::nullopt;
}

const char* extensionOf(PictureFormat format) {
  switch (format) {
    case PictureFormat::Bmp: return "bmp";
    case PictureFormat::Png: return "png";
    case PictureFormat::Svg: return "svg";
    case PictureFormat::Pdf: return "pdf";
    case PictureFormat::Trace: return "txt";
  }
  return "";
}

bool writeRasterPicture(const RasterSurface& surface, const std::filesystem::path& out,
                        PictureFormat format, std::string* error) {
  if (format != PictureFormat::Bmp && format != PictureFormat::Png) {
    report(error, "a raster surface writes bitmaps and PNG only");
    return false;
  }
  return replaceFile(
      out,
      [&surface, format](const std::filesystem::path& temporary, std::string* problem) {
        // Both from the one image, so they hold the same pixels.
        const bool ok = format == PictureFormat::Bmp
                            ? surface.saveBmp(temporary.string())
                            : surface.savePng(temporary.string());
        if (!ok) report(problem, "cannot write the image to '" + temporary.string() + "'");
        return ok;
      },
      error);
}

bool writeVectorPicture(const VectorSurface& surface, const std::filesystem::path& out,
                        PictureFormat format, std::string* error) {
  if (format != PictureFormat::Svg && format != PictureFormat::Pdf) {
    report(error, "a vector surface writes SVG and PDF only");
    return false;
  }
  return replaceFile(
      out,
      [&surface, format](const std::filesystem::path& temporary, std::string* problem) {
        return format == PictureFormat::Svg ? paintSvg(surface, temporary.string(), problem)
                                            : paintPdf(surface, temporary.string(), problem);
      },
      error);
}

bool writeTextFile(const std::string& text, const std::filesystem::path& out, std::string* error) {
  return replaceFileWith(out, text, error);
}

PictureOutcome writeListPicture(const std::filesystem::path& listFile,
                                const std::filesystem::path& out, PictureFormat format,
                                const PictureOptions& options) {
  // The outer size: the drawing area and the border on each side.
  const int b = std::max(0, options.borderPixels);
  const int w = options.widthPixels + 2 * b;
  const int h = options.heightPixels + 2 * b;
  PictureOutcome outcome;
  switch (format) {
    case PictureFormat::Trace: {
      RecordingSurface surface(w, h, b);
      outcome = replayList(surface, listFile, options, [&surface] { surface.clearCalls(); });
      if (outcome.listOpened) {
        outcome.written = writeTextFile(surface.traceText(), out, &outcome.writeError);
      }
      break;
    }
    case PictureFormat::Bmp:
    case PictureFormat::Png: {
      RasterSurface surface(w, h, b);
      outcome = replayList(surface, listFile, options, [] {});
      if (outcome.listOpened) {
        outcome.written = writeRasterPicture(surface, out, format, &outcome.writeError);
      }
      break;
    }
    case PictureFormat::Svg:
    case PictureFormat::Pdf: {
      VectorSurface surface(w, h, b);
      outcome = replayList(surface, listFile, options, [] {});
      if (outcome.listOpened) {
        outcome.written = writeVectorPicture(surface, out, format, &outcome.writeError);
      }
      break;
    }
  }
  return outcome;
}

}  // namespace quorvel
