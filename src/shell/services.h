#pragma once
// The platform services the forms use, each behind a small interface: the Qt layer
// fills them with dialogs, a printer and the desktop shell; tests fill them with the
// scripted doubles of scripted_services.h.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plot/picture.h"
#include "plot/picture_style.h"
#include "plot/view.h"
#include "settings/preferences.h"

namespace quorvel {

class Surface;

// A modal message box with the stop icon and one OK button; a detail, when there is
// one, is shown under the prompt (which box of the panel, where in its text).
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual void show(const std::string& prompt, const std::string& title,
                    const std::string& detail) = 0;
};

// A modal question with one button per answer (the first is the default, the last
// the one Escape gives). Returns the index of the button chosen, or -1 when the box
// was closed without one.
class QuestionService {
 public:
  virtual ~QuestionService() = default;
  virtual int ask(const std::string& prompt, const std::string& title,
                  const std::vector<std::string>& buttons) = 0;
};

// Answers every question with the same button: for a program nobody sits at.
class FixedAnswer : public QuestionService {
 public:
  explicit FixedAnswer(int answer) : answer_(answer) {}
  int ask(const std::string&, const std::string&, const std::vector<std::string>&) override {
    return answer_;
  }

 private:
  int answer_;
};

// What a file dialog is given before it is shown. The filter is "text|pattern", or
// several such pairs joined by "|"; the first pair is the one selected at first.
struct FileDialogRequest {
  std::string title;
  std::string filter;
  std::string fileName;          // always empty when shown: an empty answer is a cancel
  std::string defaultExtension;  // added to a typed name without an extension
  int selectedFilter = 0;        // the filter pair shown first (from 0)

  // The number of "text|pattern" pairs of the filter.
  int filterCount() const {
    int bars = 0;
    for (const char ch : filter) bars += ch == '|' ? 1 : 0;
    return (bars + 1) / 2;
  }
  // The extension that the first pattern of pair `index` (from 0) names: "SVG" for
  // "*.SVG;*.SVGZ"; "" when there is no such pair or its pattern names none ("*.*").
  std::string filterExtension(int index) const {
    if (index < 0) return {};
    std::size_t start = 0;
    for (int bar = 0; bar < 2 * index + 1; ++bar) {
      start = filter.find('|', start);
      if (start == std::string::npos) return {};
      ++start;
    }
    const std::size_t end = filter.find_first_of("|;", start);
    const std::string pattern =
        filter.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0) return {};
    const std::string extension = pattern.substr(2);
    return extension.find_first_of("*?.") == std::string::npos ? extension : std::string();
  }
};

// What the user chose: the file name ("" when cancelled) and the filter pair that was
// selected when the dialog closed (from 0).
struct FileDialogResult {
  std::string fileName;
  int filterIndex = 0;
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  virtual FileDialogResult showOpen(const FileDialogRequest& request) = 0;
  virtual FileDialogResult showSave(const FileDialogRequest& request) = 0;
};

// Shows the dialog on the colour `current` (red in the low byte), the colour of what
// is being coloured; returns the colour chosen, or `current` when cancelled.
class ColorDialogService {
 public:
  virtual ~ColorDialogService() = default;
  virtual std::int32_t choose(std::int32_t current) = 0;
};

// How a print ended: the page went to the printer, there was no printer to send it
// to, or the page could not be printed (the printer would not start or finish it).
enum class PrintOutcome { Printed, NoPrinter, Failed };

// Prints on the default printer the picture `draw` draws on a surface of `picture`'s
// size (its format does not count), placed on the page as the print preview places it,
// and says how that went; the caller tells the user.
class PrinterService {
 public:
  virtual ~PrinterService() = default;
  virtual PrintOutcome print(const PictureSpec& picture, const DrawPicture& draw) = 0;
};

// Opens a URI (mailto:, http:) with the desktop's default program.
class LinkOpener {
 public:
  virtual ~LinkOpener() = default;
  virtual void open(const std::string& uri) = 0;
};

// The picture options (图像选项): shown with the style in force, it answers the style
// the user chose, or nothing when the dialog was cancelled.
class PictureOptionsDialogService {
 public:
  virtual ~PictureOptionsDialogService() = default;
  virtual std::optional<PictureStyle> choose(const PictureStyle& current) = 0;
};

// The export's size (导出尺寸), asked after the file is chosen: shown with the size the
// export asked last and the window's drawing area in pixels, it answers the size the
// user chose, or nothing when the export was cancelled.
class ExportSizeDialogService {
 public:
  virtual ~ExportSizeDialogService() = default;
  virtual std::optional<PictureSize> choose(const PictureSize& last, int windowWidth,
                                            int windowHeight) = 0;
};

// The text on the system clipboard ("" when it holds none), for pasting a table.
class ClipboardService {
 public:
  virtual ~ClipboardService() = default;
  virtual std::string text() = 0;
};

// Uniform random numbers in [0, 1).
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float next() = 0;
};

// Everything the program needs of the platform, owned by the program.
struct Services {
  std::unique_ptr<MessageBoxService> messages;
  std::unique_ptr<FileDialogService> files;
  std::unique_ptr<ColorDialogService> colors;
  std::unique_ptr<PrinterService> printer;
  // Writes the pictures the export command draws.
  std::unique_ptr<PictureWriter> pictures;
  std::unique_ptr<LinkOpener> links;
  std::unique_ptr<RandomSource> random;
  // The dialogs of the picture's options and of the export's size; when none is given
  // the options stay as they are and every export has the window's size.
  std::unique_ptr<PictureOptionsDialogService> pictureOptions;
  std::unique_ptr<ExportSizeDialogService> exportSize;
  // Questions with several answers; when none is given every question is answered
  // with its second button ("不保存", "不恢复"), which keeps the behaviour of old.
  std::unique_ptr<QuestionService> questions;
  // The user's preferences beyond Quorvel.ini; in memory when none is given.
  std::unique_ptr<Preferences> preferences;
  // The clipboard 粘贴 reads; when none is given it is empty.
  std::unique_ptr<ClipboardService> clipboard;
  // Where Funclist.dat and Quorvel.ini live.
  std::filesystem::path programFolder;
};

}  // namespace quorvel
