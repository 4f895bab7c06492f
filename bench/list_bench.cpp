// What a long list costs: `quorvel list` of a list file of up to 32 767 records (the
// most a list holds), and the window opening a list of up to 1 000 curves through
// 打开 until the picture is on the screen. Both must grow in proportion to the list.
//
// The records repeat the 15-entry mixed list (lines, parabolas, k/x, exponential,
// logarithm, sine, tangent, the conics, the tick function, two expressions), drawn
// as a user draws them and saved; a long file is its records over and over.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "catalogue/func_record.h"
#include "cli/cli.h"
#include "mixed_list.h"
#include "qt/desktop_program.h"
#include "render/picture_writer.h"
#include "testing/headless_program.h"
#include "testing/scripted_services.h"

namespace {

using namespace quorvel;

std::filesystem::path makeFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvel_bench_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::exit(1);
  return pattern;
}

// A folder for the run, and in it the list files of the sizes asked for.
class ListFiles {
 public:
  ListFiles() : folder_(makeFolder()) {
    NullSurface surface;
    HeadlessProgram headless(surface);
    const std::filesystem::path mixed = folder_ / "mixed.qvx";
    if (!bench::drawMixedList(headless.panel()) || !headless.saveList(mixed)) std::exit(1);
    std::ifstream in(mixed, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    mixed_ = bytes.str();
  }
  ~ListFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  ListFiles(const ListFiles&) = delete;
  ListFiles& operator=(const ListFiles&) = delete;

  // A list file of `records` records, the mixed list's over and over.
  std::filesystem::path of(int records) {
    const std::filesystem::path file = folder_ / ("list" + std::to_string(records) + ".qvx");
    if (std::filesystem::exists(file)) return file;
    const std::size_t mixedRecords = (mixed_.size() + kSlotSize - kRecordSize) / kSlotSize;
    std::string bytes;
    for (int n = 0; n < records; ++n) {
      if (n > 0) bytes.append(kSlotSize - kRecordSize, '\0');
      bytes.append(mixed_, (static_cast<std::size_t>(n) % mixedRecords) * kSlotSize, kRecordSize);
    }
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  std::string mixed_;
};

ListFiles& lists() {
  static ListFiles files;
  return files;
}

// `quorvel list LIST.QVX`, in-process: open, replay every record, print the lines.
void BM_ListCommand(benchmark::State& state) {
  const auto records = static_cast<int>(state.range(0));
  const std::string file = lists().of(records).string();
  for (auto _ : state) {
    std::istringstream in;
    std::ostringstream out, err;
    if (cli::run({"list", file}, in, out, err) != 0) {
      state.SkipWithError("quorvel list failed");
      return;
    }
  }
  state.SetLabel(std::to_string(records) + " records");
}

// The windows (offscreen, 1000 × 700 picture at the initial 2000 steps) opening the
// list as 打开 does, until the events it caused have been handled.
void BM_OpenInWindow(benchmark::State& state) {
  const auto records = static_cast<int>(state.range(0));
  const std::filesystem::path file = lists().of(records);
  const std::filesystem::path folder = makeFolder();
  {
    ScriptedServices kit(folder);
    Services services = kit.take();
    services.pictures = std::make_unique<FilePictureWriter>();
    DesktopProgram desktop(std::move(services));
    desktop.start();
    MainWindow& window = *desktop.mainWindow;
    for (int round = 0; round < 2; ++round) {
      window.resize(window.width() + 1000 - desktop.surface.AreaWidthPixels(),
                    window.height() + 700 - desktop.surface.AreaHeightPixels());
      window.layOutNow();
      QCoreApplication::processEvents();
    }
    for (auto _ : state) {
      if (!desktop.program.main.openListFile(file) ||
          desktop.program.panel.lstExist.ListCount() != records) {
        state.SkipWithError("the list was not opened whole");
        break;
      }
      QCoreApplication::processEvents();
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  state.SetLabel(std::to_string(records) + " curves, level 2000, 1000 x 700");
}

BENCHMARK(BM_ListCommand)->Arg(2000)->Arg(8000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInWindow)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // A screen of 1920 × 1080, where the window's 1000 × 700 picture fits.
  const std::filesystem::path screen =
      std::filesystem::temp_directory_path() / "quorvel_bench_screen.json";
  {
    std::ofstream(screen) << R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920,)"
                          << R"( "height": 1080, "logicalDpi": 96}]})";
  }
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen.string()).c_str());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
