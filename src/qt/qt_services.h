#pragma once
// The platform services on Qt: message boxes, file and colour dialogs, the default
// printer, the bitmap export of the raster surface, the desktop's link handler and
// a clock-seeded random source.
#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "shell/services.h"

class QPrinter;

namespace quorvel {

class QtMessageBox : public MessageBoxService {
 public:
  void show(const std::string& prompt, const std::string& title,
            const std::string& detail) override;
};

// A question box with the question icon and one button per answer.
class QtQuestions : public QuestionService {
 public:
  int ask(const std::string& prompt, const std::string& title,
          const std::vector<std::string>& buttons) override;
};

// A save dialog adds the selected filter's extension to a name typed without one
// (the request's default extension when that filter names none).
class QtFileDialog : public FileDialogService {
 public:
  FileDialogResult showOpen(const FileDialogRequest& request) override;
  FileDialogResult showSave(const FileDialogRequest& request) override;

 private:
  FileDialogResult run(const FileDialogRequest& request, bool save);
  QString lastFolder_;
};

// Qt's colour dialog, opened on the current colour.
class QtColorDialog : public ColorDialogService {
 public:
  std::int32_t choose(std::int32_t current) override;
};

// Draws the picture as vectors and prints it on the default printer as the print
// preview does (printPicture), and says how that went: NoPrinter when there is no
// default printer, Failed when the printer will not start or finish the page.
class QtPrinter : public PrinterService {
 public:
  PrintOutcome print(const PictureSpec& picture, const DrawPicture& draw) override;
};

// Writes a RasterSurface's image as a 24-bit bitmap or PNG, or replays a list as an
// SVG or PDF picture, into a temporary file beside the target that is renamed into
// place, so a failure never leaves half a file.

class QtLinkOpener : public LinkOpener {
 public:
  void open(const std::string& uri) override;
};

class QtClipboard : public ClipboardService {
 public:
  std::string text() override;
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
// The filter pair (from 0) whose Qt name filter is `selected`; 0 when none is.
int filterIndexOf(const std::string& filter, const QString& selected);
// The name with ".EXTENSION" added when its last part has no extension of its own.
std::string withDefaultExtension(const std::string& name, const std::string& extension);

}  // namespace quorvel
