// What one frame of a drag or a wheel zoom costs in the window: the real windows on
// the offscreen platform, the 15-entry list drawn from the panel, and the pointer's
// events sent to the drawing surface's widget. Each frame replays the ticked list
// through the panel's models and binders and paints the widget.
//
// The window's surface is 1000 × 700 pixels, the precision the initial 2000 steps.
// The drag is timed in the classic look (aliased) and in the modern look a new user
// sees (smooth curves, nice ticks, every text placed clear of the others), alone and
// with the curves' names, a legend, or the analysis marks of sin x at c = 0.5 to place.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSlider>
#include <QWheelEvent>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "mixed_list.h"
#include "qt/desktop_program.h"
#include "render/picture_writer.h"
#include "settings/picture_preferences.h"
#include "testing/scripted_services.h"

namespace {

using namespace quorvel;

class WindowScene {
 public:
  explicit WindowScene(const PictureStyle& style = {},
                       bench::ListKinds kinds = bench::ListKinds::kFamilies)
      : folder_(makeFolder()), kit_(folder_) {
    Services services = kit_.take();
    services.pictures = std::make_unique<FilePictureWriter>();
    services.preferences = std::make_unique<MemoryPreferences>();
    storePictureStyle(*services.preferences, style);
    desktop_ = std::make_unique<DesktopProgram>(std::move(services));
    desktop_->start();
    // The window's size that leaves a 1000 × 700 drawing area below the toolbar.
    MainWindow& window = *desktop_->mainWindow;
    for (int round = 0; round < 2; ++round) {
      const RasterSurface& picture = desktop_->surface;
      window.resize(window.width() + 1000 - picture.AreaWidthPixels(),
                    window.height() + 700 - picture.AreaHeightPixels());
      window.layOutNow();
      settle();
    }
    if (!bench::drawMixedList(desktop_->program.panel, kinds) || !kit_.messages->shown.empty()) {
      std::exit(1);
    }
    settle();
  }
  ~WindowScene() {
    desktop_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  QWidget& surfaceWidget() { return *desktop_->mainWindow->surfaceWidget(); }
  DesktopProgram& desktop() { return *desktop_; }
  const RasterSurface& surface() const { return desktop_->surface; }

  void send(QEvent& event) {
    QCoreApplication::sendEvent(&surfaceWidget(), &event);
    settle();  // the widget paints the new picture
  }
  void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, at, surfaceWidget().mapToGlobal(at), button, held, Qt::NoModifier);
    send(e);
  }
  void wheel(QPoint at, int delta) {
    QWheelEvent e(at, surfaceWidget().mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    send(e);
  }

 private:
  static void settle() { QCoreApplication::processEvents(); }
  static std::filesystem::path makeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quorvel_bench_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::exit(1);
    return pattern;
  }
  std::filesystem::path folder_;
  ScriptedServices kit_;
  std::unique_ptr<DesktopProgram> desktop_;
};

// What the modern look's frames draw on top of the curves.
enum class Texts { Classic, Axes, Names, Legend, KeyPoints, NewKinds, Equations };

PictureStyle styleOf(Texts texts) {
  PictureStyle style;
  if (texts == Texts::Classic) return style;
  style.modern = true;
  style.smooth = true;
  if (texts == Texts::Names) style.labels = CurveLabels::Beside;
  if (texts == Texts::Legend) style.labels = CurveLabels::Legend;
  return style;
}

const char* nameOf(Texts texts) {
  switch (texts) {
    case Texts::Classic: return "classic look";
    case Texts::Axes: return "modern look";
    case Texts::Names: return "modern look, names beside the curves";
    case Texts::Legend: return "modern look, legend";
    case Texts::KeyPoints: return "modern look, key points of sin x at c = 0.5 marked";
    case Texts::NewKinds: return "modern look, a parametric, a polar, a power and a sine + k curve";
    case Texts::Equations:
      return "modern look, a parametric, a polar curve and three equations (ellipse, xy = 1, "
             "folium)";
  }
  return "";
}

// A drag back and forth across the surface: one frame per pointer move.
void BM_DragFrame(benchmark::State& state, Texts texts) {
  WindowScene scene(styleOf(texts), texts == Texts::NewKinds    ? bench::ListKinds::kNewKinds
                                    : texts == Texts::Equations ? bench::ListKinds::kEquations
                                                                : bench::ListKinds::kFamilies);
  if (scene.surface().AreaWidthPixels() != 1000) {
    state.SkipWithError("the surface is not 1000 pixels wide");
    return;
  }
  if (texts == Texts::KeyPoints) {
    frmAnalysis& analysis = scene.desktop().program.analysis;
    analysis.cboCurve.setListIndex(7);  // y=2sin(1x+0)
    analysis.txtValue.setText("0.5");
    analysis.chkMarks.setValue(1);
  }
  const QPoint from(500, 350);
  scene.mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  int step = 0;
  for (auto _ : state) {
    // 40 moves of 5 pixels out, then back: the picture keeps within sight.
    const int phase = step++ % 80;
    const int offset = 5 * (phase < 40 ? phase : 80 - phase);
    scene.mouse(QEvent::MouseMove, from + QPoint(offset, offset / 2), Qt::NoButton, Qt::LeftButton);
  }
  scene.mouse(QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::NoButton);
  state.SetLabel(std::string("15 entries, level 2000, 1000 x 700, a frame per move, ") +
                 nameOf(texts));
}

// Wheel notches about a point, in and out in turn: one frame per notch.
void BM_WheelFrame(benchmark::State& state) {
  WindowScene scene;
  int notch = 0;
  for (auto _ : state) scene.wheel(QPoint(600, 300), (notch++ % 2 == 0) ? 120 : -120);
  state.SetLabel("15 entries, level 2000, 1000 x 700, a frame per notch");
}

// Steps of a live parameter's slider: the other 15 curves kept as a picture, the
// parabola y = a(x − h)² + k drawn anew over them at each step of a.
void BM_SliderStep(benchmark::State& state) {
  WindowScene scene;
  DesktopProgram& desktop = scene.desktop();
  frmControl& panel = desktop.program.panel;
  panel.cboFuncName.setListIndex(1);
  panel.cboStyle[1].setListIndex(2);
  panel.txtParameter[1].setText("1");
  panel.txtParameter[2].setText("-1");
  panel.txtParameter[3].setText("0.5");
  desktop.liveWindow->openOn(-1);
  QSlider* a = desktop.liveWindow->slider(2);
  if (a == nullptr) {
    state.SkipWithError("no slider for a");
    return;
  }
  int step = 0;
  for (auto _ : state) {
    // 200 steps up and back: a from its start to 20 steps of 0.1 above, again and again.
    const int phase = step++ % 40;
    a->setValue(a->minimum() + 55 + (phase < 20 ? phase : 40 - phase));
    QCoreApplication::processEvents();
  }
  desktop.liveWindow->close();
  state.SetLabel("15 entries kept, one parabola live, 1000 x 700, precision 2000");
}

BENCHMARK_CAPTURE(BM_DragFrame, Aliased, Texts::Classic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragFrame, Modern, Texts::Axes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragFrame, ModernNames, Texts::Names)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragFrame, ModernLegend, Texts::Legend)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragFrame, ModernKeyPoints, Texts::KeyPoints)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragFrame, ModernNewKinds, Texts::NewKinds)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DragFrame, ModernEquations, Texts::Equations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_WheelFrame)->Unit(benchmark::kMillisecond);

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
