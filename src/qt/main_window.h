#pragma once
// The main window (the face of frmQuorvel): the toolbar with the progress bar and
// the coordinate read-out in its band, and the drawing surface picPic below it. The
// window tells the form its real size and state (in twips) before each layout, and
// takes the sizes the layout chose.
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QToolBar>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "qt/bind_toolbar.h"
#include "qt/surface_widget.h"

namespace quorvel {

class Program;
class frmQuorvel;
enum class ToolbarCommand;
class LabelWidget;
class VectorSurface;

class MainWindow : public QWidget {
 public:
  MainWindow(Program& program, WindowSurface& surface);

  QToolBar* toolbar() const { return toolbar_; }
  SurfaceWidget* surfaceWidget() const { return picPic_; }
  QProgressBar* progressBar() const { return progress_; }
  // The toolbar's command at position (2 to 14), as the user's click would trigger it.
  QAction* toolbarAction(int position) const;

  // The control panel is this many pixels wider than designed: the window's designed
  // left edge moves right as far, to stay beside it.
  void setPanelExtraWidth(int pixels);

  // Runs after the form's unload, once every tool window is closed (the application
  // ends there; tests watch it).
  std::function<void()> onUnloaded;

  // Reads the window into the form and runs its layout now (normally it runs once
  // the events of a resize or a change of state are all in).
  void layOutNow();

  // The picture on the clipboard: as an image (PNG) and as SVG, so that it pastes
  // into word processors and presentations (surface_commands.cpp).
  void copyPicture();
  // The surface's context menu at a point of the screen; returns the menu shown (the
  // caller does not own it; it goes when closed).
  QMenu* showSurfaceMenu(const QPoint& globalPosition);
  // 打印… (Ctrl+P, the surface's menu): the print preview with the printer's dialog,
  // the picture drawn afresh on the page (print_preview.cpp). The toolbar's 打印
  // prints the same picture at the same size on the default printer without a dialog.
  void printWithPreview();

  // 演示模式 (F11, the toolbar's 演示): the picture fills the screen the window is on,
  // the toolbar shows only while the pointer is at the screen's top, the panel is
  // hidden (F2 brings it back); Esc or F11 puts every window back as it was
  // (presentation.cpp).
  void setPresentation(bool on);
  bool presenting() const { return presentation_.has_value(); }
  QAction* presentationAction() const { return presentationAction_; }
  // The 示例 menu: one entry per lesson file found (lesson_menu.cpp).
  QMenu* lessonMenu() const { return lessonMenu_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A list file dropped on the window opens as 打开 opens it (window_drop.cpp).
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildToolbar();
  void buildToolbarBand();
  void buildSurface();
  void buildShortcuts();
  void buildPresentation();
  void buildLessonMenu();
  // The toolbar follows the pointer at the screen's top while presenting.
  void presentationPointerAt(int y);
  // A key on the focused surface (surface_commands.cpp); true when it was taken.
  bool surfaceKey(const QKeyEvent& key);
  // A toolbar command, as its button would run it.
  void runToolbarCommand(ToolbarCommand command);
  // The ticked list in the surface's view, drawn afresh as lines and text.
  std::unique_ptr<VectorSurface> pictureAsVectors();
  void placeFromForm();
  QMargins frameMargins() const;
  // Places the window again once its frame is known (once).
  void placeOnceFramed();
  void scheduleLayout();
  void applyLayout();

  Program& program_;
  frmQuorvel& form_;
  WindowSurface& surface_;
  QToolBar* toolbar_ = nullptr;
  std::vector<ToolbarButtonBinder*> buttons_;
  ToolbarSpacerBinder* spacer_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QWidget* coordinateBox_ = nullptr;
  LabelWidget* coordinateLabel_ = nullptr;
  SurfaceWidget* picPic_ = nullptr;
  QAction* printPreview_ = nullptr;
  bool layoutQueued_ = false;
  // The window was placed knowing its frame's thickness.
  bool framePlaced_ = false;
  int panelExtraWidth_ = 0;
  // Every window as it was before 演示模式, put back when it ends.
  struct KeptWindow {
    QPointer<QWidget> window;
    QRect geometry;
  };
  struct Presentation {
    QRect geometry;
    Qt::WindowStates states;
    std::vector<KeptWindow> windows;
    bool panelShown = false;
  };
  std::optional<Presentation> presentation_;
  std::optional<QSize> restoredSize_;  // the size 演示模式 gave back
  bool keepPanelHidden_ = false;
  QAction* presentationAction_ = nullptr;
  QAction* lessonAction_ = nullptr;
  QMenu* lessonMenu_ = nullptr;
};

}  // namespace quorvel
