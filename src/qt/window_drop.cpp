// A list file dragged from the file manager onto the main window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "qt/main_window.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// The one local file a drag carries, when it carries exactly one that is not a
// folder; empty otherwise. Whether it is a list, the opening tells.
std::filesystem::path droppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl& url = data->urls().front();
  if (!url.isLocalFile()) return {};
  const QString file = url.toLocalFile();
  if (file.isEmpty() || QFileInfo(file).isDir()) return {};
  return std::filesystem::path(file.toStdString());
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedFile(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::filesystem::path file = droppedFile(event->mimeData());
  if (file.empty()) return;
  event->acceptProposedAction();
  // The drag ends first: a failure's message box must not run inside it.
  QMetaObject::invokeMethod(
      this, [this, file] { form_.openGivenList(file); }, Qt::QueuedConnection);
}

}  // namespace quorvel
