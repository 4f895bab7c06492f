#pragma once
// The platform services on Qt: message boxes, file and colour dialogs, the default
// printer, the bitmap export of the raster surface, the desktop's link handler and
// a clock-seeded random source.
#include <QColor>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "shell/services.h"

namespace quorvel {

class QtMessageBox : public MessageBoxService {
 public:
  void show(const std::string& prompt, const std::string& title) override;
};

class QtFileDialog : public FileDialogService {
 public:
  std::string showOpen(const FileDialogRequest& request) override;
  std::string showSave(const FileDialogRequest& request) override;

 private:
  std::string run(const FileDialogRequest& request, bool save);
  QString lastFolder_;
};

// Keeps the colour last chosen: a cancel answers it again (black at first).
class QtColorDialog : public ColorDialogService {
 public:
  std::int32_t choose() override;

 private:
  QColor current_ = Qt::black;
};

// Paints a RasterSurface's image on the default printer at (0, 0), at the size it
// has on the screen; without a printer, or on any failure, nothing happens.
class QtPrinter : public PrinterService {
 public:
  void print(const Surface& surface) override;
};

// Writes a RasterSurface's image as a 24-bit bitmap into a temporary file beside the
// target and renames it into place, so a failure never leaves half a file.
class QtImageExporter : public ImageExporter {
 public:
  bool saveBmp(const Surface& surface, const std::filesystem::path& file,
               std::string* error) override;
};

class QtLinkOpener : public LinkOpener {
 public:
  void open(const std::string& uri) override;
};

class ClockRandom : public RandomSource {
 public:
  ClockRandom();
  float next() override;

 private:
  std::mt19937 engine_;
};

// Every service on Qt, with the given program folder.
Services makeQtServices(const std::filesystem::path& programFolder);

// "text|pattern[|text|pattern…]" as a Qt name filter, each pattern in the case
// given and in lower case: "函数图像文件(*.QVX)|*.QVX" gives
// "函数图像文件(*.QVX) (*.QVX *.qvx)".
QString qtNameFilter(const std::string& filter);
// The name with ".EXTENSION" added when its last part has no extension of its own.
std::string withDefaultExtension(const std::string& name, const std::string& extension);

}  // namespace quorvel
