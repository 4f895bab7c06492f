#include "testing/scripted_services.h"

#include <fstream>

namespace quorvel {

int ScriptedQuestions::ask(const std::string& prompt, const std::string& title,
                           const std::vector<std::string>& buttons) {
  asked.push_back({prompt, title, buttons});
  if (answers.empty()) return otherwise;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

void ScriptedMessageBox::show(const std::string& prompt, const std::string& title,
                              const std::string& detail) {
  shown.emplace_back(title, prompt);
  details.push_back(detail);
}

FileDialogResult ScriptedFileDialog::answer() {
  FileDialogResult a;
  if (!filters.empty()) {
    a.filterIndex = filters.front();
    filters.pop_front();
  }
  if (answers.empty()) return a;
  a.fileName = std::move(answers.front());
  answers.pop_front();
  return a;
}

FileDialogResult ScriptedFileDialog::showOpen(const FileDialogRequest& request) {
  shown.push_back(Shown{false, request});
  return answer();
}

FileDialogResult ScriptedFileDialog::showSave(const FileDialogRequest& request) {
  shown.push_back(Shown{true, request});
  return answer();
}

std::int32_t ScriptedColorDialog::choose(std::int32_t current) {
  ++timesShown;
  shownOn.push_back(current);
  if (!answers.empty()) {
    const std::optional<std::int32_t> a = answers.front();
    answers.pop_front();
    if (a) return *a;
  }
  return current;
}

PrintOutcome ScriptedPrinter::print(const PictureSpec& picture, const DrawPicture& draw) {
  ++attempts;
  if (noPrinter) return PrintOutcome::NoPrinter;
  if (fail) return PrintOutcome::Failed;
  const int border = picture.borderPixels;
  RecordingSurface surface(picture.widthPixels + 2 * border, picture.heightPixels + 2 * border,
                           border);
  if (!draw(surface)) return PrintOutcome::Failed;
  page = surface.calls();
  ++printed;
  return PrintOutcome::Printed;
}

std::string ScriptedPictureWriter::write(const PictureSpec& pictureSpec,
                                         const std::filesystem::path& file,
                                         const DrawPicture& draw) {
  if (fail) return "cannot write " + file.string();
  RecordingSurface surface(pictureSpec.widthPixels + 2 * pictureSpec.borderPixels,
                           pictureSpec.heightPixels + 2 * pictureSpec.borderPixels,
                           pictureSpec.borderPixels);
  if (!draw(surface)) return "nothing to write";
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << extensionOf(pictureSpec.format);
  pictures.push_back(Written{pictureSpec, file, surface.calls()});
  return out ? "" : "cannot write " + file.string();
}

ScriptedRandom::ScriptedRandom(std::vector<float> sequence)
    : sequence_(std::move(sequence)), engine_(1) {}

ScriptedRandom::ScriptedRandom(std::uint32_t seed) : engine_(seed) {}

void ScriptedRandom::setSequence(std::vector<float> sequence) {
  sequence_ = std::move(sequence);
  position_ = 0;
}

float ScriptedRandom::next() {
  ++drawn;
  if (!sequence_.empty()) {
    const float r = sequence_[position_];
    position_ = (position_ + 1) % sequence_.size();
    return r;
  }
  // 24 random bits scaled by 2^-24: exactly representable and always below 1.
  const std::uint32_t bits = static_cast<std::uint32_t>(engine_()) >> 8;
  return static_cast<float>(bits) * 0x1.0p-24f;
}

std::optional<PictureStyle> ScriptedPictureOptions::choose(const PictureStyle& current) {
  shown.push_back(current);
  if (answers.empty()) return std::nullopt;
  const std::optional<PictureStyle> answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<PictureSize> ScriptedExportSize::choose(const PictureSize& last, int windowWidth,
                                                      int windowHeight) {
  shown.push_back(Shown{last, windowWidth, windowHeight});
  if (answers.empty()) return last;
  const std::optional<PictureSize> answer = answers.front();
  answers.pop_front();
  return answer;
}

ScriptedServices::ScriptedServices(std::filesystem::path programFolder, std::uint32_t seed) {
  auto m = std::make_unique<ScriptedMessageBox>();
  auto f = std::make_unique<ScriptedFileDialog>();
  auto c = std::make_unique<ScriptedColorDialog>();
  auto p = std::make_unique<ScriptedPrinter>();
  auto e = std::make_unique<ScriptedPictureWriter>();
  auto q = std::make_unique<ScriptedQuestions>();
  auto l = std::make_unique<ScriptedLinkOpener>();
  auto r = std::make_unique<ScriptedRandom>(seed);
  auto o = std::make_unique<ScriptedPictureOptions>();
  auto z = std::make_unique<ScriptedExportSize>();
  auto b = std::make_unique<ScriptedClipboard>();
  clipboard = b.get();
  pictureOptions = o.get();
  exportSize = z.get();
  messages = m.get();
  files = f.get();
  colors = c.get();
  printer = p.get();
  pictures = e.get();
  questions = q.get();
  links = l.get();
  random = r.get();
  bundle_.messages = std::move(m);
  bundle_.files = std::move(f);
  bundle_.colors = std::move(c);
  bundle_.printer = std::move(p);
  bundle_.pictures = std::move(e);
  bundle_.questions = std::move(q);
  bundle_.links = std::move(l);
  bundle_.random = std::move(r);
  bundle_.pictureOptions = std::move(o);
  bundle_.exportSize = std::move(z);
  bundle_.clipboard = std::move(b);
  bundle_.programFolder = std::move(programFolder);
}

Services ScriptedServices::take() { return std::move(bundle_); }

}  // namespace quorvel
