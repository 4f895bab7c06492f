// What the drawing surface offers besides the pointer: shortcuts, keys, the context
// menu and copying the picture.
#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

#include "qt/main_window.h"
#include "render/picture_writer.h"
#include "render/vector_surface.h"
#include "shell/program.h"

namespace quorvel {

namespace {

QByteArray pngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

}  // namespace

void MainWindow::buildShortcuts() {
  const std::pair<ToolbarCommand, QKeySequence> keys[] = {
      {ToolbarCommand::Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {ToolbarCommand::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {ToolbarCommand::Export, QKeySequence(Qt::CTRL | Qt::Key_E)},
  };
  for (const auto& [command, key] : keys) {
    const std::string name = form_.tbMain.button(toolbarPosition(command)).Name();
    for (ToolbarButtonBinder* b : buttons_) {
      if (b->action()->objectName() == qtText(name)) b->setShortcut(key);
    }
  }
  // Undo and redo of the list from either window; a text box keeps its own.
  const std::pair<QKeySequence, void (frmControl::*)()> history[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_Z), &frmControl::undo},
      {QKeySequence(Qt::CTRL | Qt::Key_Y), &frmControl::redo},
  };
  for (const auto& [key, step] : history) {
    auto* action = new QAction(this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, [this, step = step] { (program_.panel.*step)(); });
    addAction(action);
  }
  // Printing with the dialog has no button: the toolbar's 打印 prints without one.
  printPreview_ = new QAction(QStringLiteral("打印…"), this);
  printPreview_->setObjectName(QStringLiteral("printPreview"));
  printPreview_->setShortcut(QKeySequence::Print);
  printPreview_->setShortcutContext(Qt::ApplicationShortcut);
  connect(printPreview_, &QAction::triggered, this, [this] { printWithPreview(); });
  addAction(printPreview_);
}

void MainWindow::runToolbarCommand(ToolbarCommand command) {
  form_.clickToolbarButton(toolbarPosition(command));
}

bool MainWindow::surfaceKey(const QKeyEvent& key) {
  const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
  if (key.matches(QKeySequence::Copy)) {
    copyPicture();
    return true;
  }
  if (mods != Qt::NoModifier && mods != Qt::ShiftModifier) return false;
  switch (key.key()) {
    // The arrows pan by the pan distance, as the toolbar's buttons.
    case Qt::Key_Up: runToolbarCommand(ToolbarCommand::Up); return true;
    case Qt::Key_Down: runToolbarCommand(ToolbarCommand::Down); return true;
    case Qt::Key_Left: runToolbarCommand(ToolbarCommand::Left); return true;
    case Qt::Key_Right: runToolbarCommand(ToolbarCommand::Right); return true;
    // + and − zoom once, leaving an armed click zoom as it was.
    case Qt::Key_Plus:
    case Qt::Key_Equal: runToolbarCommand(ToolbarCommand::ZoomIn); return true;
    case Qt::Key_Minus: runToolbarCommand(ToolbarCommand::ZoomOut); return true;
    case Qt::Key_Home: program_.panel.picCentre_Click(); return true;
    default: return false;
  }
}

QMenu* MainWindow::showSurfaceMenu(const QPoint& globalPosition) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(QStringLiteral("复制图像"), this, [this] { copyPicture(); })
      ->setShortcut(QKeySequence::Copy);
  menu->addAction(QStringLiteral("导出图像…"), this,
                  [this] { runToolbarCommand(ToolbarCommand::Export); });
  menu->addAction(printPreview_);
  menu->addSeparator();
  menu->addAction(QStringLiteral("放大"), this,
                  [this] { runToolbarCommand(ToolbarCommand::ZoomIn); });
  menu->addAction(QStringLiteral("缩小"), this,
                  [this] { runToolbarCommand(ToolbarCommand::ZoomOut); });
  menu->addAction(QStringLiteral("回到中心"), this, [this] { program_.panel.picCentre_Click(); });
  menu->addAction(QStringLiteral("原始尺寸"), this, [this] { program_.panel.picSize_Click(); });
  menu->addSeparator();
  menu->addAction(presentationAction_);
  menu->addMenu(lessonMenu_);
  menu->addSeparator();
  frmControl& panel = program_.panel;
  menu->addAction(QStringLiteral("撤销"), this, [&panel] { panel.undo(); })
      ->setEnabled(panel.canUndo());
  menu->addAction(QStringLiteral("重做"), this, [&panel] { panel.redo(); })
      ->setEnabled(panel.canRedo());
  menu->popup(globalPosition);
  return menu;
}

std::unique_ptr<VectorSurface> MainWindow::pictureAsVectors() {
  auto vector = std::make_unique<VectorSurface>(
      static_cast<int>(surface_.Width()) / kTwipsPerPixel,
      static_cast<int>(surface_.Height()) / kTwipsPerPixel, surface_.BorderPixels());
  program_.panel.replayOnto(*vector);
  return vector;
}

void MainWindow::copyPicture() {
  // The image the screen shows, and the same picture drawn afresh as vectors.
  const QImage& image = surface_.image();
  auto* mime = new QMimeData;
  mime->setImageData(image);
  mime->setData(QStringLiteral("image/png"), pngBytes(image));
  mime->setData(QStringLiteral("image/svg+xml"), svgBytes(*pictureAsVectors()));
  QGuiApplication::clipboard()->setMimeData(mime);
}

}  // namespace quorvel
