#include "shell/program.h"

#include <stdexcept>
#include <utility>

namespace quorvel {

namespace {

// Without a dialog: the style stays, every export has the window's size.
class KeepPictureOptions : public PictureOptionsDialogService {
 public:
  std::optional<PictureStyle> choose(const PictureStyle&) override { return std::nullopt; }
};
class WindowSizedExports : public ExportSizeDialogService {
 public:
  std::optional<PictureSize> choose(const PictureSize&, int, int) override { return PictureSize{}; }
};

Services checked(Services s) {
  if (!s.messages || !s.files || !s.colors || !s.printer || !s.pictures || !s.links || !s.random) {
    throw std::invalid_argument("every platform service must be given");
  }
  if (!s.preferences) s.preferences = std::make_unique<MemoryPreferences>();
  if (!s.pictureOptions) s.pictureOptions = std::make_unique<KeepPictureOptions>();
  if (!s.exportSize) s.exportSize = std::make_unique<WindowSizedExports>();
  if (!s.questions) s.questions = std::make_unique<FixedAnswer>(1);
  return s;
}

}  // namespace

Program::Program(Surface& picPic, Services s)
    : services(checked(std::move(s))),
      working(services.programFolder),
      journal(working.path()),
      main(*this, picPic),
      panel(*this),
      analysis(*this) {}

void Program::message(const std::string& prompt, const std::string& title) {
  services.messages->show(prompt, title);
}

}  // namespace quorvel
