#include "qt/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "qt/artwork.h"
#include "qt/bind_label.h"
#include "qt/bind_progress_bar.h"
#include "qt/bind_window.h"
#include "qt/twips.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// The drawing surface's designed top edge, just below the toolbar's band.
constexpr int kSurfaceTopTwips = 630;
// The window's designed left edge on the screen (right of the control panel).
constexpr int kWindowLeftTwips = 2460;
// Pixels kept free between the last command and the read-out.
constexpr int kReadoutMargin = 12;
// How long the window waits for its frame: 50 looks, a tenth of a second apart.
constexpr int kFrameWatchTries = 50;
constexpr int kFrameWatchMilliseconds = 100;

}  // namespace

MainWindow::MainWindow(Program& program, WindowSurface& surface)
    : program_(program), form_(program.main), surface_(surface) {
  setObjectName(QStringLiteral("frmQuorvel"));
  setAcceptDrops(true);
  buildToolbar();
  buildSurface();
  buildToolbarBand();
  buildShortcuts();
  buildPresentation();
  buildLessonMenu();
  new TimerBinder(form_.tmrSplash, this);
  new WindowBinder(form_, this, [this] { placeFromForm(); });
}

void MainWindow::buildToolbar() {
  toolbar_ = new QToolBar(this);
  toolbar_->setObjectName(QStringLiteral("tbMain"));
  toolbar_->setMovable(false);
  toolbar_->setIconSize(QSize(16, 16));
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  for (int position = 1; position <= Toolbar::kButtonCount; ++position) {
    ToolbarButton& model = form_.tbMain.button(position);
    if (model.Style == ButtonStyle::Placeholder) {
      spacer_ = new ToolbarSpacerBinder(model, toolbar_);
      continue;
    }
    buttons_.push_back(new ToolbarButtonBinder(
        model, toolbar_, [this, position] { form_.clickToolbarButton(position); },
        [this](int image) { return toolbarImage(form_.imgTransfer.Picture(image)); }));
  }
  // The toolbar's pictures again whenever the image list changes.
  new ModelWatcher(form_.imgTransfer, toolbar_, [this] {
    for (ToolbarButtonBinder* b : buttons_) b->sync();
  });
  toolbar_->setGeometry(0, 0, width(), toPixelsFromTwips(form_.tbMain.Height()));
}

void MainWindow::buildToolbarBand() {
  // Both sit in the toolbar's band, over the bar, where the layout puts them.
  progress_ = new QProgressBar(this);
  new ProgressBarBinder(form_.ProgressBarWorking, progress_);
  coordinateBox_ = new QWidget(this);
  new ControlBinder(form_.picCoordinate, coordinateBox_);
  coordinateLabel_ = new LabelWidget(coordinateBox_);
  new LabelBinder(form_.lblCoordinate, coordinateLabel_);
  coordinateLabel_->installEventFilter(this);
  progress_->raise();
  coordinateBox_->raise();
}

void MainWindow::buildSurface() {
  picPic_ = new SurfaceWidget(surface_, this);
  picPic_->setObjectName(QStringLiteral("picPic"));
  picPic_->onMouseMove = [this](const SurfaceMouse& m) {
    form_.picPic_MouseMove(m.button, m.shift, m.x, m.y);
  };
  picPic_->onMouseUp = [this](const SurfaceMouse& m) {
    form_.picPic_MouseUp(m.button, m.shift, m.x, m.y);
  };
  picPic_->onWheel = [this](const SurfaceMouse& m, int delta) {
    form_.picPic_Wheel(m.x, m.y, delta);
  };
  picPic_->onDragStart = [this] { form_.picPic_DragStart(); };
  picPic_->onDragTo = [this](int dx, int dy) { form_.picPic_DragTo(dx, dy); };
  picPic_->onDragEnd = [this] { form_.picPic_DragEnd(); };
  picPic_->onKey = [this](const QKeyEvent& key) { return surfaceKey(key); };
  picPic_->onContextMenu = [this](const QPoint& at) { showSurfaceMenu(at); };
  picPic_->onResolutionChange = [this] {
    if (program_.g.graphOnScreen) {
      program_.panel.cmdRedraw_Click();
    } else {
      program_.panel.showEmptyAxes();
    }
  };
  picPic_->onLeave = [this] { form_.picPic_MouseLeave(); };
  // The trace's marker, from view units to the widget's pixels.
  TraceMarker& marker = program_.analysis.marker;
  new ModelWatcher(marker, picPic_, [this, &marker] {
    if (!marker.shown()) {
      picPic_->setMarker(std::nullopt, false);
      return;
    }
    const PixelPoint p = surface_.toPixels(marker.x(), marker.y());
    const double border = surface_.BorderPixels();
    picPic_->setMarker(QPointF(p.column + border, p.row + border), marker.snapped());
  });
  applyLayout();
}

QAction* MainWindow::toolbarAction(int position) const {
  const std::string name = form_.tbMain.button(position).Name();
  for (const ToolbarButtonBinder* b : buttons_) {
    if (b->action()->objectName() == qtText(name)) return b->action();
  }
  return nullptr;
}

QMargins MainWindow::frameMargins() const {
  const QRect frame = frameGeometry();
  const QRect inside = geometry();
  return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
          frame.bottom() - inside.bottom()};
}

void MainWindow::placeFromForm() {
  // The form holds the outer size and the top; the frame goes inside the screen's
  // available area (panels and task bars left out). Its thickness is known only once
  // the window manager has framed the window: until then the window is placed as if
  // it had none, and placed again when the frame shows up (see eventFilter).
  const QMargins frame = frameMargins();
  framePlaced_ = !frame.isNull();
  const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (s == nullptr) return;
  const QRect available = s->availableGeometry();
  // The designed left edge is the inside's; the frame's border is a few pixels.
  const int left = toPixelsFromTwips(kWindowLeftTwips) + panelExtraWidth_ - frame.left();
  setGeometry(clientRectInside(available, frame, left, toPixelsFromTwips(form_.Top),
                               toPixelsFromTwips(form_.Width), toPixelsFromTwips(form_.Height)));
}

void MainWindow::setPanelExtraWidth(int pixels) {
  panelExtraWidth_ = std::max(0, pixels);
  if (isVisible()) placeFromForm();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The frame is known once the window manager has framed the window, which it does
  // in its own time: every event of the window asks, and so does a short watch
  // (a window manager may frame the window after its last event).
  if (framePlaced_ || windowHandle() == nullptr) return;
  windowHandle()->installEventFilter(this);
  auto* watch = new QTimer(this);
  auto tries = std::make_shared<int>(0);
  connect(watch, &QTimer::timeout, this, [this, watch, tries] {
    placeOnceFramed();
    if (framePlaced_ || ++*tries >= kFrameWatchTries) {
      watch->stop();
      watch->deleteLater();
    }
  });
  watch->start(kFrameWatchMilliseconds);
}

void MainWindow::placeOnceFramed() {
  if (framePlaced_ || frameMargins().isNull()) return;
  framePlaced_ = true;
  if (windowHandle() != nullptr) windowHandle()->removeEventFilter(this);
  QMetaObject::invokeMethod(
      this, [this] { placeFromForm(); }, Qt::QueuedConnection);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A size of the user's own after 演示模式: the layout shows the panel again.
  if (restoredSize_ && event->size() != *restoredSize_) {
    restoredSize_.reset();
    keepPanelHidden_ = false;
  }
  toolbar_->setGeometry(0, 0, width(), toPixelsFromTwips(form_.tbMain.Height()));
  scheduleLayout();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    scheduleLayout();
  } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    form_.Form_Activate();
  }
}

void MainWindow::scheduleLayout() {
  // A maximize brings a resize and a change of state, in either order: the layout
  // runs once, after both, with the final state.
  if (layoutQueued_) return;
  layoutQueued_ = true;
  QMetaObject::invokeMethod(
      this, [this] { layOutNow(); }, Qt::QueuedConnection);
}

void MainWindow::layOutNow() {
  layoutQueued_ = false;
  if (isMinimized()) {
    form_.State = WindowState::Minimized;
  } else {
    form_.State = isMaximized() ? WindowState::Maximized : WindowState::Normal;
    // Presenting, the window has no frame whatever the platform says of it.
    const QRect outer = presenting() ? geometry() : frameGeometry();
    form_.Width = toTwipsFromPixels(outer.width());
    form_.Height = toTwipsFromPixels(outer.height());
    form_.ScaleHeight = toTwipsFromPixels(height());
  }
  form_.Form_Resize();
  // The layout shows the panel; back from 演示模式 a panel hidden before stays hidden.
  if (keepPanelHidden_ && form_.tbMain.button(toolbarPosition(ToolbarCommand::Panel)).Value()) {
    runToolbarCommand(ToolbarCommand::Panel);
  }
  applyLayout();
}

void MainWindow::applyLayout() {
  // The gap that centres the commands never pushes them under the read-out.
  if (spacer_ != nullptr && coordinateBox_ != nullptr) {
    int commands = 0;
    for (const ToolbarButtonBinder* b : buttons_) {
      if (const QWidget* w = toolbar_->widgetForAction(b->action()))
        commands += w->sizeHint().width();
    }
    for (QAction* a : {presentationAction_, lessonAction_}) {
      if (const QWidget* w = a != nullptr ? toolbar_->widgetForAction(a) : nullptr)
        commands += w->sizeHint().width();
    }
    spacer_->setLimit(std::min(coordinateBox_->x(), progress_->x()) - commands - kReadoutMargin);
  }
  picPic_->setGeometry(0, presenting() ? 0 : toPixelsFromTwips(kSurfaceTopTwips),
                       static_cast<int>(surface_.Width()) / kTwipsPerPixel,
                       static_cast<int>(surface_.Height()) / kTwipsPerPixel);
  picPic_->update();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Curves not saved: the user may keep the window open.
  if (form_.Form_QueryUnload()) {
    event->ignore();
    return;
  }
  // The tool windows (控制, 分析, 动态参数, the about box) go with it, before the
  // working list is removed: a live curve let go redraws from that list.
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow() || child->isHidden()) continue;
    child->close();
    child->hide();  // also a window that keeps itself open when closed (控制, 分析)
  }
  form_.Form_Unload();
  event->accept();
  if (onUnloaded) onUnloaded();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle()) {
    placeOnceFramed();
    return false;
  }
  if (watched == picPic_ && event->type() == QEvent::MouseMove) {
    presentationPointerAt(static_cast<int>(static_cast<QMouseEvent*>(event)->position().y()));
    return false;
  }
  // The read-out's box grows with its label, which sizes itself to its text.
  if (watched == coordinateLabel_ && event->type() == QEvent::Resize) {
    coordinateBox_->resize(coordinateBox_->size().expandedTo(coordinateLabel_->size()));
  }
  return false;
}

}  // namespace quorvel
