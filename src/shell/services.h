#pragma once
// The platform services the forms use, each behind a small interface: the Qt layer
// fills them with dialogs, a printer and the desktop shell; tests fill them with the
// scripted doubles of scripted_services.h.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace quorvel {

class Surface;

// A modal message box with the stop icon and one OK button.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual void show(const std::string& prompt, const std::string& title) = 0;
};

// What a file dialog is given before it is shown. The filter is "text|pattern".
struct FileDialogRequest {
  std::string title;
  std::string filter;
  std::string fileName;          // always empty when shown: an empty answer is a cancel
  std::string defaultExtension;  // added to a typed name without an extension
};

// Returns the chosen file name, or "" when the user cancelled.
class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  virtual std::string showOpen(const FileDialogRequest& request) = 0;
  virtual std::string showSave(const FileDialogRequest& request) = 0;
};

// Returns the chosen colour (red in the low byte); a cancel returns the colour the
// dialog held before (black the first time).
class ColorDialogService {
 public:
  virtual ~ColorDialogService() = default;
  virtual std::int32_t choose() = 0;
};

// Sends the surface's persistent image to the default printer at (0, 0). Failures
// (no printer) are the service's to swallow.
class PrinterService {
 public:
  virtual ~PrinterService() = default;
  virtual void print(const Surface& surface) = 0;
};

// Writes the surface's persistent image as a 24-bit Windows bitmap. On failure
// returns false and, when asked, a short reason.
class ImageExporter {
 public:
  virtual ~ImageExporter() = default;
  virtual bool saveBmp(const Surface& surface, const std::filesystem::path& file,
                       std::string* error) = 0;
};

// Opens a URI (mailto:, http:) with the desktop's default program.
class LinkOpener {
 public:
  virtual ~LinkOpener() = default;
  virtual void open(const std::string& uri) = 0;
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
  std::unique_ptr<ImageExporter> exporter;
  std::unique_ptr<LinkOpener> links;
  std::unique_ptr<RandomSource> random;
  // Where Funclist.dat and Quorvel.ini live.
  std::filesystem::path programFolder;
};

}  // namespace quorvel
