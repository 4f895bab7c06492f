#include "shell/qt/qt_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <QUrl>
#include <chrono>

#include "shell/qt/picture_export.h"
#include "shell/qt/raster_surface.h"

namespace quorvel {

namespace {

QString fromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void QtMessageBox::show(const std::string& prompt, const std::string& title) {
  QMessageBox box(QMessageBox::Critical, fromUtf8(title), fromUtf8(prompt), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

QString qtNameFilter(const std::string& filter) {
  const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString pattern = p.trimmed();
      patterns << pattern;
      if (pattern.toLower() != pattern) patterns << pattern.toLower();
    }
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
  }
  return filters.join(QStringLiteral(";;"));
}

std::string withDefaultExtension(const std::string& name, const std::string& extension) {
  if (name.empty() || extension.empty()) return name;
  const std::string last = std::filesystem::path(name).filename().string();
  // A leading dot names a hidden file, not an extension.
  if (last.find('.', 1) != std::string::npos) return name;
  return name + "." + extension;
}

std::string QtFileDialog::showOpen(const FileDialogRequest& request) {
  return run(request, false);
}

std::string QtFileDialog::showSave(const FileDialogRequest& request) { return run(request, true); }

std::string QtFileDialog::run(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(QApplication::activeWindow(), fromUtf8(request.title), lastFolder_);
  dialog.setNameFilter(qtNameFilter(request.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(fromUtf8(request.defaultExtension));
  dialog.selectFile(fromUtf8(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().front();
  lastFolder_ = QFileInfo(chosen).absolutePath();
  const std::string name = chosen.toStdString();
  return save ? withDefaultExtension(name, request.defaultExtension) : name;
}

std::int32_t QtColorDialog::choose() {
  const QColor chosen = QColorDialog::getColor(current_, QApplication::activeWindow());
  if (chosen.isValid()) current_ = chosen;
  return rgbOf(current_.red(), current_.green(), current_.blue());
}

void QtPrinter::print(const Surface& surface) {
  const auto* raster = dynamic_cast<const RasterSurface*>(&surface);
  if (raster == nullptr) return;
  const QPrinterInfo target = QPrinterInfo::defaultPrinter();
  if (target.isNull()) return;
  QPrinter printer(target, QPrinter::HighResolution);
  QPainter painter;
  if (!painter.begin(&printer)) return;
  // The picture keeps its size on paper: 96 of its pixels to the inch.
  const QImage& image = raster->image();
  const double scale = printer.resolution() / 96.0;
  painter.drawImage(QRectF(0, 0, image.width() * scale, image.height() * scale), image);
  painter.end();
}

bool QtImageExporter::saveBmp(const Surface& surface, const std::filesystem::path& file,
                              std::string* error) {
  const auto* raster = dynamic_cast<const RasterSurface*>(&surface);
  if (raster == nullptr) {
    if (error != nullptr) *error = "the surface keeps no image";
    return false;
  }
  return writeRasterPicture(*raster, file, PictureFormat::Bmp, error);
}

void QtLinkOpener::open(const std::string& uri) {
  QDesktopServices::openUrl(QUrl(fromUtf8(uri)));
}

ClockRandom::ClockRandom()
    : engine_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

float ClockRandom::next() {
  // 24 random bits: every value is a float in [0, 1), 1 itself never comes.
  return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

Services makeQtServices(const std::filesystem::path& programFolder) {
  Services s;
  s.messages = std::make_unique<QtMessageBox>();
  s.files = std::make_unique<QtFileDialog>();
  s.colors = std::make_unique<QtColorDialog>();
  s.printer = std::make_unique<QtPrinter>();
  s.exporter = std::make_unique<QtImageExporter>();
  s.links = std::make_unique<QtLinkOpener>();
  s.random = std::make_unique<ClockRandom>();
  s.programFolder = programFolder;
  return s;
}

}  // namespace quorvel
