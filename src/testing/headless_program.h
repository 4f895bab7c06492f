#pragma once
// The whole program without windows or dialogs, for tests, benchmarks and fuzzing
// that drive the forms as a user would. It lives in a private temporary folder (its
// own Funclist.dat, never the user's), keeps the messages instead of showing boxes,
// answers each file dialog with the path it was given and each colour dialog with the
// colour it was given, draws random numbers from a fixed seed and has no printer. It
// draws in the classic look (the original picture and colours) unless its panel's
// style is fixed otherwise.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "plot/surface.h"
#include "shell/program.h"
#include "shell/recorded_message.h"

namespace quorvel {

// A surface that draws nothing: for runs that only need the list, not the picture.
class NullSurface : public Surface {
 public:
  explicit NullSurface(int widthPixels = 500, int heightPixels = 500, int borderPixels = 1)
      : Surface(widthPixels, heightPixels, borderPixels) {}
  bool DrawsNothing() const override { return true; }

 protected:
  void onLine(float, float, float, float) override {}
  void onPSet(float, float) override {}
  void onPrint(float, float, const std::string&) override {}
};

class HeadlessMessages;
class ScriptedFileDialog;
class ScriptedColorDialog;

class HeadlessProgram {
 public:
  // Builds the program on `surface` and loads the control panel (family 13, its
  // defaults). Throws std::runtime_error when no private folder can be made.
  explicit HeadlessProgram(Surface& surface, std::uint32_t seed = 1);
  // Removes the private folder with everything in it.
  ~HeadlessProgram();
  HeadlessProgram(const HeadlessProgram&) = delete;
  HeadlessProgram& operator=(const HeadlessProgram&) = delete;

  Program& program() { return *program_; }
  frmControl& panel() { return program_->panel; }
  const std::filesystem::path& folder() const { return folder_; }

  // Every message shown so far, in order.
  const std::vector<RecordedMessage>& messages() const;

  // The toolbar's "打开" below its dialog. False when the program refused the file
  // (its message is then the last one kept); messages of records that cannot be
  // drawn do not count as a refusal.
  bool openList(const std::filesystem::path& file);
  // The toolbar's "保存" below its dialog. False when a message came.
  bool saveList(const std::filesystem::path& file);
  // Picks the family and then the form as a user does: the family's handling runs
  // even when it is the one already chosen. False when the pair is not offered.
  bool chooseFamily(int familyIndex, int formIndex);
  // Unticks 自动选色 and chooses `rgb` (red in the low byte) with the colour button.
  void choosePenColor(std::int32_t rgb);

 private:
  std::filesystem::path folder_;
  HeadlessMessages* messages_ = nullptr;
  ScriptedColorDialog* colors_ = nullptr;
  std::unique_ptr<Program> program_;
};

}  // namespace quorvel
