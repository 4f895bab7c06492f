// 演示模式: the picture alone on the screen the window is on, for a projector; the
// windows as they were when it ends.
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QToolBar>

#include "qt/artwork.h"
#include "qt/main_window.h"
#include "qt/twips.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// The pointer this close to the screen's top brings the toolbar over the picture.
constexpr int kToolbarReach = 4;

}  // namespace

void MainWindow::buildPresentation() {
  presentationAction_ =
      new QAction(artIcon(QStringLiteral("tb_present")), QStringLiteral("演示"), this);
  presentationAction_->setObjectName(QStringLiteral("actPresentation"));
  presentationAction_->setToolTip(QStringLiteral("演示模式：图像充满屏幕（F11；Esc 退出）"));
  presentationAction_->setCheckable(true);
  presentationAction_->setShortcut(QKeySequence(Qt::Key_F11));
  presentationAction_->setShortcutContext(Qt::ApplicationShortcut);
  connect(presentationAction_, &QAction::triggered, this,
          [this] { setPresentation(!presenting()); });
  // In the picture's context menu and on F11: the toolbar has no room beside its read-out.
  addAction(presentationAction_);

  auto* leave = new QAction(this);
  leave->setShortcut(QKeySequence(Qt::Key_Escape));
  leave->setShortcutContext(Qt::WindowShortcut);
  connect(leave, &QAction::triggered, this, [this] {
    if (presenting()) setPresentation(false);
  });
  addAction(leave);
  // The panel in and out of sight, also while presenting.
  auto* panel = new QAction(this);
  panel->setObjectName(QStringLiteral("actPanelKey"));
  panel->setShortcut(QKeySequence(Qt::Key_F2));
  panel->setShortcutContext(Qt::ApplicationShortcut);
  connect(panel, &QAction::triggered, this, [this] { runToolbarCommand(ToolbarCommand::Panel); });
  addAction(panel);
  picPic_->installEventFilter(this);
}

void MainWindow::setPresentation(bool on) {
  if (on == presenting()) return;
  ToolbarButton& panelButton = form_.tbMain.button(toolbarPosition(ToolbarCommand::Panel));
  if (on) {
    Presentation kept;
    kept.geometry = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    kept.states = windowState();
    kept.panelShown = panelButton.Value();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w != this && w->isWindow()) kept.windows.push_back({w, w->geometry()});
    }
    presentation_ = std::move(kept);
    form_.Presenting = true;
    // The panel out of the way, as its toolbar button would put it.
    if (panelButton.Value()) runToolbarCommand(ToolbarCommand::Panel);
    toolbar_->hide();
    progress_->hide();
    coordinateBox_->hide();
    // Whichever screen the window is on: the projector as well as the first screen.
    if (const QScreen* s = screen()) setGeometry(s->geometry());
    showFullScreen();
    program_.panel.setPresenting(true);
  } else {
    const Presentation kept = std::move(*presentation_);
    presentation_.reset();
    form_.Presenting = false;
    // A panel hidden before stays hidden through the layouts that follow.
    keepPanelHidden_ = !kept.panelShown;
    restoredSize_ = kept.geometry.size();
    toolbar_->show();
    toolbar_->raise();
    progress_->raise();
    coordinateBox_->show();
    coordinateBox_->raise();
    Qt::WindowStates states = kept.states;
    states.setFlag(Qt::WindowFullScreen, false);
    setWindowState(states);
    show();
    if (!(kept.states & (Qt::WindowMaximized | Qt::WindowFullScreen))) setGeometry(kept.geometry);
    program_.panel.setPresenting(false);
    if (kept.panelShown != panelButton.Value()) runToolbarCommand(ToolbarCommand::Panel);
    for (const KeptWindow& w : kept.windows) {
      if (w.window != nullptr) w.window->setGeometry(w.geometry);
    }
  }
  presentationAction_->setChecked(on);
  layOutNow();
  // Once more after the window's change of state has come through.
  scheduleLayout();
}

void MainWindow::presentationPointerAt(int y) {
  if (!presenting()) return;
  const int reach = toolbar_->isVisible() ? toolbar_->height() : kToolbarReach;
  const bool show = y < reach;
  if (show == toolbar_->isVisible()) return;
  toolbar_->setVisible(show);
  if (show) toolbar_->raise();
}

}  // namespace quorvel
