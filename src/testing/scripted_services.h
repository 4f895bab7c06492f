#pragma once
// Scripted stand-ins for the platform services: they record what the program asked
// for and answer from queues prepared by a test (or a headless run).
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "plot/recording_surface.h"
#include "shell/services.h"

namespace quorvel {

// Message boxes recorded as (title, prompt), in the order shown, and each one's detail
// (empty for none) at the same index.
class ScriptedMessageBox : public MessageBoxService {
 public:
  void show(const std::string& prompt, const std::string& title,
            const std::string& detail) override;
  std::vector<std::pair<std::string, std::string>> shown;
  std::vector<std::string> details;
};

// Answers from a queue; an empty queue answers `otherwise` (the second button). Every
// question is kept.
class ScriptedQuestions : public QuestionService {
 public:
  int ask(const std::string& prompt, const std::string& title,
          const std::vector<std::string>& buttons) override;
  struct Asked {
    std::string prompt, title;
    std::vector<std::string> buttons;
  };
  std::deque<int> answers;
  int otherwise = 1;
  std::vector<Asked> asked;
};

// Answers from a queue; an empty queue answers "" (cancelled). The filter of each
// answer comes from a queue of its own; an empty one answers the first filter. Every
// request is kept.
class ScriptedFileDialog : public FileDialogService {
 public:
  FileDialogResult showOpen(const FileDialogRequest& request) override;
  FileDialogResult showSave(const FileDialogRequest& request) override;
  std::deque<std::string> answers;
  std::deque<int> filters;
  struct Shown {
    bool save = false;
    FileDialogRequest request;
  };
  std::vector<Shown> shown;

 private:
  FileDialogResult answer();
};

// Answers from a queue; nullopt (or an empty queue) is a cancel, which returns the
// colour it was shown on. Keeps the colours it was shown on.
class ScriptedColorDialog : public ColorDialogService {
 public:
  std::int32_t choose(std::int32_t current) override;
  std::deque<std::optional<std::int32_t>> answers;
  int timesShown = 0;
  std::vector<std::int32_t> shownOn;
};

// Counts the prints; can be told to act as if no printer were present, or as if the
// printer refused the page (nothing then reaches the paper, and the print answers
// NoPrinter or Failed; noPrinter wins when both are set).
class ScriptedPrinter : public PrinterService {
 public:
  // Draws the picture on a recording surface of its size (kept in `page`).
  PrintOutcome print(const PictureSpec& picture, const DrawPicture& draw) override;
  std::vector<SurfaceCall> page;
  int printed = 0;
  int attempts = 0;
  bool noPrinter = false;
  bool fail = false;
};

// Records the pictures asked for and draws each on a recording surface of its size,
// so a test sees what the program drew there; writes a marker file, or fails.
class ScriptedPictureWriter : public PictureWriter {
 public:
  std::string write(const PictureSpec& pictureSpec, const std::filesystem::path& file,
                    const DrawPicture& draw) override;
  struct Written {
    PictureSpec pictureSpec;
    std::filesystem::path file;
    std::vector<SurfaceCall> calls;  // what was drawn on the picture's surface
  };
  std::vector<Written> pictures;
  bool fail = false;
};

// Answers from a queue (nullopt, or an empty queue, is a cancel); keeps the style each
// showing was given.
class ScriptedPictureOptions : public PictureOptionsDialogService {
 public:
  std::optional<PictureStyle> choose(const PictureStyle& current) override;
  std::deque<std::optional<PictureStyle>> answers;
  std::vector<PictureStyle> shown;
};

// Answers from a queue (nullopt is a cancel); an empty queue accepts the size shown,
// as Enter does. Keeps what each showing was given.
class ScriptedExportSize : public ExportSizeDialogService {
 public:
  std::optional<PictureSize> choose(const PictureSize& last, int windowWidth,
                                    int windowHeight) override;
  std::deque<std::optional<PictureSize>> answers;
  struct Shown {
    PictureSize last;
    int windowWidth = 0;
    int windowHeight = 0;
  };
  std::vector<Shown> shown;
};

class ScriptedLinkOpener : public LinkOpener {
 public:
  void open(const std::string& uri) override { opened.push_back(uri); }
  std::vector<std::string> opened;
};

// Holds whatever a test puts on it; counts the reads.
class ScriptedClipboard : public ClipboardService {
 public:
  std::string text() override {
    ++reads;
    return contents;
  }
  std::string contents;
  int reads = 0;
};

// A fixed sequence, repeated from its start when it runs out, or seeded numbers.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> sequence);
  explicit ScriptedRandom(std::uint32_t seed);
  float next() override;
  // Switches to a fixed sequence (empty: back to the seeded numbers).
  void setSequence(std::vector<float> sequence);
  int drawn = 0;

 private:
  std::vector<float> sequence_;
  std::size_t position_ = 0;
  std::mt19937 engine_;
};

// Builds a Services bundle of scripted doubles and keeps pointers to them, so a test
// can prepare answers and read what was recorded after the bundle went to a program.
class ScriptedServices {
 public:
  explicit ScriptedServices(std::filesystem::path programFolder, std::uint32_t seed = 1);
  // Hands the doubles over (once); the pointers below stay valid while the
  // receiver keeps them.
  Services take();

  ScriptedMessageBox* messages;
  ScriptedFileDialog* files;
  ScriptedColorDialog* colors;
  ScriptedPrinter* printer;
  ScriptedPictureWriter* pictures;
  ScriptedQuestions* questions;
  ScriptedLinkOpener* links;
  ScriptedRandom* random;
  ScriptedPictureOptions* pictureOptions;
  ScriptedExportSize* exportSize;
  ScriptedClipboard* clipboard;

 private:
  Services bundle_;
};

}  // namespace quorvel
