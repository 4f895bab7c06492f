#include "render/picture_writer.h"

#include <QBuffer>
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
#include <cmath>

#include "files/atomic_file.h"
#include "plot/recording_surface.h"
#include "render/raster_surface.h"
#include "render/vector_surface.h"

namespace quorvel {

namespace {

void report(std::string* error, const std::string& text) {
  if (error != nullptr) *error = text;
}

// The picture's size written: `scale` times the drawing's (at least a pixel).
QSize scaledSize(int width, int height, double scale) {
  return {std::max(1, static_cast<int>(std::lround(width * scale))),
          std::max(1, static_cast<int>(std::lround(height * scale)))};
}

// The SVG picture to a file (when `device` is null) or to the device; the view box is
// the drawing, the size `scale` times as large.
bool paintSvg(const VectorSurface& surface, const std::string& file, QIODevice* device,
              std::string* error, double scale = 1) {
  const int width = surface.AreaWidthPixels();
  const int height = surface.AreaHeightPixels();
  QSvgGenerator generator;
  if (device != nullptr) {
    generator.setOutputDevice(device);
  } else {
    generator.setFileName(QString::fromStdString(file));
  }
  generator.setSize(scale == 1 ? QSize(width, height) : scaledSize(width, height, scale));
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

bool paintPdf(const VectorSurface& surface, const std::string& file, std::string* error,
              double scale) {
  const double width = surface.AreaWidthPixels() * scale;
  const double height = surface.AreaHeightPixels() * scale;
  QPdfWriter writer(QString::fromStdString(file));
  writer.setCreator(QStringLiteral("Quorvel"));
  writer.setTitle(QStringLiteral("Quorvel"));
  writer.setResolution(kScreenDotsPerInch);
  // One page exactly the picture's size, one painter unit per pixel (of the drawing
  // scaled as asked).
  const QPageSize page(QSizeF(width / kScreenDotsPerInch, height / kScreenDotsPerInch),
                       QPageSize::Inch, QString(), QPageSize::ExactMatch);
  writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  QPainter painter;
  if (!painter.begin(&writer)) {
    report(error, "cannot write the PDF picture");
    return false;
  }
  if (scale != 1) painter.scale(scale, scale);
  surface.paint(painter);
  return painter.end();
}

}  // namespace

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
        const bool ok = format == PictureFormat::Bmp ? surface.saveBmp(temporary.string())
                                                     : surface.savePng(temporary.string());
        if (!ok) report(problem, "cannot write the image to '" + temporary.string() + "'");
        return ok;
      },
      error);
}

bool writeVectorPicture(const VectorSurface& surface, const std::filesystem::path& out,
                        PictureFormat format, std::string* error, double scale) {
  if (format != PictureFormat::Svg && format != PictureFormat::Pdf) {
    report(error, "a vector surface writes SVG and PDF only");
    return false;
  }
  return replaceFile(
      out,
      [&surface, format, scale](const std::filesystem::path& temporary, std::string* problem) {
        return format == PictureFormat::Svg
                   ? paintSvg(surface, temporary.string(), nullptr, problem, scale)
                   : paintPdf(surface, temporary.string(), problem, scale);
      },
      error);
}

QByteArray svgBytes(const VectorSurface& surface) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  paintSvg(surface, {}, &buffer, nullptr);
  return buffer.data();
}

std::string FilePictureWriter::write(const PictureSpec& pictureSpec,
                                     const std::filesystem::path& file, const DrawPicture& draw) {
  // The outer size: the drawing area and the border on each side.
  const int b = std::max(0, pictureSpec.borderPixels);
  const int w = pictureSpec.widthPixels + 2 * b;
  const int h = pictureSpec.heightPixels + 2 * b;
  constexpr const char* kNothing = "nothing to write";
  std::string error;
  switch (pictureSpec.format) {
    case PictureFormat::Trace: {
      RecordingSurface surface(w, h, b);
      if (!draw(surface)) return kNothing;
      replaceFileWith(file, surface.traceText(), &error);
      break;
    }
    case PictureFormat::Bmp:
    case PictureFormat::Png: {
      RasterSurface surface(w, h, b);
      // A print resolution: the same picture in more pixels.
      if (pictureSpec.pixelRatio != 1 || pictureSpec.imageWidthPixels > 0) {
        surface.setPixelRatio(pictureSpec.pixelRatio, pictureSpec.imageWidthPixels,
                              pictureSpec.imageHeightPixels);
      }
      surface.setFileDotsPerInch(pictureSpec.dotsPerInch);
      if (!draw(surface)) return kNothing;
      writeRasterPicture(surface, file, pictureSpec.format, &error);
      break;
    }
    case PictureFormat::Svg:
    case PictureFormat::Pdf: {
      VectorSurface surface(w, h, b);
      if (!draw(surface)) return kNothing;
      writeVectorPicture(surface, file, pictureSpec.format, &error, vectorOutputScale(pictureSpec));
      break;
    }
  }
  return error;
}

}  // namespace quorvel
