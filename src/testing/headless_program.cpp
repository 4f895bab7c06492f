#include "testing/headless_program.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "catalogue/families.h"
#include "files/stale_temporaries.h"
#include "testing/scripted_services.h"

namespace quorvel {

// Keeps every message instead of showing it.
class HeadlessMessages : public MessageBoxService {
 public:
  void show(const std::string& prompt, const std::string& title) override {
    shown.push_back(RecordedMessage{0, title, prompt});
  }
  std::vector<RecordedMessage> shown;
};

namespace {

// A program without windows writes no pictures of its own.
class NoPictures : public PictureWriter {
 public:
  std::string write(const PictureSpec&, const std::filesystem::path&, const DrawPicture&) override {
    return "no pictures here";
  }
};

std::filesystem::path makePrivateFolder() {
  removeStalePrivateFolders();
  const std::filesystem::path base = temporaryFolder();
  std::string pattern = (base / (std::string(kPrivateFolderPrefix) + "XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary folder in " + base.string());
  }
  return pattern;
}

}  // namespace

HeadlessProgram::HeadlessProgram(Surface& surface, std::uint32_t seed)
    : folder_(makePrivateFolder()) {
  Services services;
  auto messages = std::make_unique<HeadlessMessages>();
  auto files = std::make_unique<ScriptedFileDialog>();
  auto colors = std::make_unique<ScriptedColorDialog>();
  auto printer = std::make_unique<ScriptedPrinter>();
  printer->noPrinter = true;
  messages_ = messages.get();
  colors_ = colors.get();
  services.messages = std::move(messages);
  services.files = std::move(files);
  services.colors = std::move(colors);
  services.printer = std::move(printer);
  services.pictures = std::make_unique<NoPictures>();
  services.links = std::make_unique<ScriptedLinkOpener>();
  services.random = std::make_unique<ScriptedRandom>(seed);
  services.programFolder = folder_;
  program_ = std::make_unique<Program>(surface, std::move(services));
  // Tests and benchmarks draw the original picture (and its colours) unless one asks
  // for another style.
  program_->panel.fixPictureStyle(PictureStyle{});
  program_->panel.Form_Load();
}

HeadlessProgram::~HeadlessProgram() {
  program_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

const std::vector<RecordedMessage>& HeadlessProgram::messages() const { return messages_->shown; }

bool HeadlessProgram::openList(const std::filesystem::path& file) {
  return program_->main.openListFile(file);
}

bool HeadlessProgram::saveList(const std::filesystem::path& file) {
  return program_->main.saveListFile(file);
}

bool HeadlessProgram::chooseFamily(int familyIndex, int formIndex) {
  if (form(familyIndex, formIndex) == nullptr) return false;
  frmControl& p = program_->panel;
  if (p.cboFuncName.ListIndex() == familyIndex) {
    p.cboFuncName_Click();
  } else {
    p.cboFuncName.setListIndex(familyIndex);
  }
  p.cboStyle[familyIndex].setListIndex(formIndex);
  return true;
}

void HeadlessProgram::choosePenColor(std::int32_t rgb) {
  frmControl& p = program_->panel;
  p.chkAutoColor.setValue(0);
  colors_->answers.assign(1, rgb);
  p.cmdColor.click();
  colors_->answers.clear();
}

}  // namespace quorvel
