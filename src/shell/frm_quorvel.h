#pragma once
// The main window's toolkit-neutral state: the toolbar and its commands, the drawing
// surface, the coordinate read-out, the progress bar and the splash timer.
// Start-up, layout on resize, the settings file and shut-down live in their own
// files beside this one.
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/function_list.h"
#include "document/list_formats.h"
#include "plot/picture.h"
#include "plot/surface.h"
#include "plot/view.h"
#include "shell/named_controls.h"
#include "toolkit/controls.h"

namespace quorvel {

class Program;

// The toolbar; buttons are numbered from 1 (the leftmost, a placeholder).
struct Toolbar : Control {
  using Control::Control;
  static constexpr int kButtonCount = 15;
  std::array<ToolbarButton, kButtonCount> Buttons =
      namedControls<ToolbarButton, kButtonCount>("tbMain.Buttons", 1);
  ToolbarButton& button(int position) { return Buttons.at(static_cast<std::size_t>(position - 1)); }
  const ToolbarButton& button(int position) const {
    return Buttons.at(static_cast<std::size_t>(position - 1));
  }
};

// An image list: the pictures (numbers of the program's artwork) in the order they
// were added; indexes count from 1.
class ImageList : public Observable {
 public:
  void Add(int picture) {
    pictures_.push_back(picture);
    notify();
  }
  int Count() const { return static_cast<int>(pictures_.size()); }
  // The picture at index (from 1), 0 when there is none.
  int Picture(int index) const {
    return index >= 1 && index <= Count() ? pictures_[static_cast<std::size_t>(index - 1)] : 0;
  }

 private:
  std::vector<int> pictures_;
};

// What a toolbar button does; the toolbar's design gives each button its command.
enum class ToolbarCommand {
  None,
  Panel,
  Open,
  Save,
  Export,
  Up,
  Down,
  Left,
  Right,
  ZoomIn,
  ZoomOut,
  Print,
  Analysis,
  LiveParameters,
  About
};
// The command of the button at `position` (None outside the bar), and the position
// of a command's button (0 when no button has it).
ToolbarCommand toolbarCommand(int position);
int toolbarPosition(ToolbarCommand command);

// The screen's size in twips, given by the toolkit before the window loads.
struct ScreenSize {
  int Width = 12000;
  int Height = 9000;
};

// The toolbar's export: its dialog's filter (the bitmap first, as the default) and
// where and in which format a chosen name is written.

inline constexpr const char* kListChangedPrompt = "函数列表已更改，是否保存？";
inline constexpr const char* kRecoveryPrompt = "上次未正常退出，是否恢复函数列表？";
inline constexpr const char* kQuestionTitle = "Quorvel";

inline constexpr const char* kExportFilter =
    "位图文件(*.BMP)|*.BMP|PNG 图像(*.PNG)|*.PNG|SVG 矢量图(*.SVG)|*.SVG|PDF 文档(*.PDF)|*.PDF";

struct ExportTarget {
  std::filesystem::path file;
  PictureFormat format = PictureFormat::Bmp;
  bool operator==(const ExportTarget&) const = default;
};

// The format the name's extension names (in any case), otherwise the chosen filter's
// (the bitmap for a filter index outside the list); a name without an extension gets
// the filter's extension.
ExportTarget exportTargetFor(const std::string& chosen, int filterIndex);

class frmQuorvel : public Window {
 public:
  frmQuorvel(Program& program, Surface& surface);
  frmQuorvel(const frmQuorvel&) = delete;
  frmQuorvel& operator=(const frmQuorvel&) = delete;

  Toolbar tbMain{"tbMain"};
  ProgressBar ProgressBarWorking{"ProgressBarWorking"};
  Control picCoordinate{"picCoordinate"};
  Label lblCoordinate{"lblCoordinate"};
  Surface& picPic;
  Timer tmrSplash;
  ImageList imgTransfer;  // the toolbar's images, filled at load
  ScreenSize Screen;
  // 演示模式: the picture fills the window, which fills its screen; the layout then
  // leaves the panel alone and gives the surface the whole window.
  bool Presenting = false;

  // ---- the window's events (main_window_lifecycle.cpp) ----
  // Start-up: runs once; later calls do nothing.
  void Form_Load();
  bool Loaded() const { return loaded_; }
  // The layout, from the window's Width, Height, ScaleHeight and State, which the
  // toolkit sets from the real window first.
  void Form_Resize();
  void Form_Activate();
  // The user closes the window: true when the close is cancelled (the list has
  // curves not saved, and the user chose 取消, or 保存 and then did not save).
  bool Form_QueryUnload();
  // Shut-down: the working list goes and the settings are written; the toolkit then
  // ends the program.
  void Form_Unload();

  // The toolbar's button-click event: runs the button's command with zoomMode
  // suspended.
  void tbMain_ButtonClick(int position);
  // A user's click on a toolbar button: a check button changes its pressed state
  // first, as the platform does, then the click event runs.
  void clickToolbarButton(int position);

  // Mouse events of the drawing surface; x and y in view units, button 1 = left.
  void picPic_MouseMove(int button, int shift, float x, float y);
  void picPic_MouseUp(int button, int shift, float x, float y);
  // The pointer has left the surface.
  void picPic_MouseLeave();

  void tmrSplash_Timer();

  // Opens the live parameters' window on the 绘制 page's curve (the toolkit's).
  std::function<void()> showLiveParameters;

  // The surface under the pointer (surface_gestures.cpp). The wheel at (x, y) view
  // units by angleDelta (120 a notch) zooms about that point; a drag moves the
  // picture with the pointer by (dx, dy) pixels from where the drag started.
  void picPic_Wheel(float x, float y, int angleDelta);
  void picPic_DragStart();
  void picPic_DragTo(int dxPixels, int dyPixels);
  void picPic_DragEnd();

  // The list commands below their dialogs, for a path chosen elsewhere (the command
  // line, a file given to the program). Each reports its failure as the toolbar's
  // command does and returns false.
  bool openListFile(const std::filesystem::path& source);
  // A list the desktop hands the program (the file named on its command line, a file
  // dropped on the window): after asking before losing curves not saved, opened as
  // the toolbar's 打开 opens the file its dialog chose, with its failure message and
  // its effect on an armed click zoom.
  bool openGivenList(const std::filesystem::path& source);
  // When the list has curves not saved, asks whether to save them: true to go on
  // (saved, or not to be saved), false when the user cancelled.
  bool confirmLosingList();
  // In the format the name's extension asks for; a name without one keeps the list
  // in its natural format.
  bool saveListFile(const std::filesystem::path& target);
  // In `format`; a list file is refused, with the entry that it cannot keep named,
  // when the list has one.
  bool saveListFile(const std::filesystem::path& target, ListFormat format);
  // The export below its dialog: the picture the surface shows, written to `file` in
  // `format`. "" when written, else the reason; the file is then as it was.
  std::string exportPicture(const std::filesystem::path& file, PictureFormat format);
  // The same at another size: what a picture of that size shows around the middle of
  // the screen's view, at the screen's scale (a size in centimetres at its resolution).
  std::string exportPicture(const std::filesystem::path& file, PictureFormat format,
                            const PictureSize& size);

 private:
  void buildToolbar();
  // Runs a toolbar command with zoomMode 0, so that it cannot zoom by itself; puts
  // the armed zoom back unless the command returns false.
  template <class Command>
  void withZoomModeSuspended(Command command);
  // The commands of the toolbar. A failed opening returns false: zoomMode then stays 0.
  void showOrHidePanel();
  bool openList();
  // The save dialog and the save; true when the list was saved.
  bool saveList();
  // The bytes of a checked list file as the working list, replayed as 打开 replays
  // it; `source` names the file in a message.
  bool openListBytes(const std::string& bytes, const std::filesystem::path& source);
  // A checked list as the working list and the document.
  bool openList(FunctionList list, const std::filesystem::path& source);
  // A working list left by a copy that did not end normally: its whole records
  // offered back; deleted when the user declines, kept aside when it cannot be read.
  void recoverWorkingList();
  // After a kept working list was (or could not be) opened: removed, or kept aside.
  void finishRecovery(bool opened, const std::filesystem::path& kept);
  void exportImage();
  void printImage();
  void showAnalysis();
  void showAbout();

  Program& program_;
  bool loaded_ = false;
  double wheelTarget_ = 0;              // the wheel's scale before rounding
  std::optional<ViewState> dragStart_;  // the view when the drag began
};

}  // namespace quorvel
