#include "qt/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStringList>
#include <QStyle>
#include <QTreeView>
#include <QUrl>
#include <chrono>
#include <exception>

#include "qt/artwork.h"
#include "qt/picture_dialogs.h"
#include "qt/print_preview.h"
#include "qt/qt_preferences.h"
#include "render/picture_writer.h"
#include "render/vector_surface.h"

namespace quorvel {

namespace {

// Room for the names and the columns of sizes, kinds and dates of a file dialog.
constexpr QSize kFileDialogSize(780, 460);

QString fromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The box's icon drawn from its picture at the screen's density: the style's own
// icons are small bitmaps, blurred when a high-density screen enlarges them.
void drawIcon(QMessageBox& box, const QString& picture) {
  const int side = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
  const QPixmap pixmap = artPixmap(picture, QSize(side, side), box.devicePixelRatioF());
  if (!pixmap.isNull()) box.setIconPixmap(pixmap);
}

// A short prompt ("ａ≠０") makes a box narrower than its title bar needs for the title
// and the window's buttons: the box is kept wide enough to show its title whole (the
// title bar's font is the window manager's, often larger and bold).
void makeRoomForTitle(QMessageBox& box) {
  constexpr int kTitleBarButtons = 140;
  const int title = box.fontMetrics().horizontalAdvance(box.windowTitle());
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  grid->addItem(new QSpacerItem(title * 3 / 2 + kTitleBarButtons, 0, QSizePolicy::Minimum,
                                QSizePolicy::Expanding),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

void QtMessageBox::show(const std::string& prompt, const std::string& title,
                        const std::string& detail) {
  QMessageBox box(QMessageBox::Critical, fromUtf8(title), fromUtf8(prompt), QMessageBox::Ok,
                  QApplication::activeWindow());
  if (!detail.empty()) box.setInformativeText(fromUtf8(detail));
  drawIcon(box, QStringLiteral("msg_stop"));
  // The style's small bitmap on the button would blur too; the questions' buttons
  // carry none either.
  if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setIcon(QIcon());
  makeRoomForTitle(box);
  box.exec();
}

int QtQuestions::ask(const std::string& prompt, const std::string& title,
                     const std::vector<std::string>& buttons) {
  QMessageBox box(QMessageBox::Question, fromUtf8(title), fromUtf8(prompt), QMessageBox::NoButton,
                  QApplication::activeWindow());
  drawIcon(box, QStringLiteral("msg_question"));
  makeRoomForTitle(box);
  std::vector<QAbstractButton*> added;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    // The first answer is the default, the last the one Escape gives.
    const QMessageBox::ButtonRole role = i + 1 == buttons.size() && buttons.size() > 1
                                             ? QMessageBox::RejectRole
                                         : i == 0 ? QMessageBox::AcceptRole
                                                  : QMessageBox::DestructiveRole;
    added.push_back(box.addButton(fromUtf8(buttons[i]), role));
  }
  if (!added.empty()) {
    box.setDefaultButton(qobject_cast<QPushButton*>(added.front()));
    box.setEscapeButton(added.back());
  }
  box.exec();
  for (std::size_t i = 0; i < added.size(); ++i) {
    if (box.clickedButton() == added[i]) return static_cast<int>(i);
  }
  return -1;
}

QString qtNameFilter(const std::string& filter) {
  const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString pattern = p.trimmed();
      patterns << pattern;
      if (pattern.toLower() != pattern) patterns << pattern.toLower();
    }
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
  }
  return filters.join(QStringLiteral(";;"));
}

std::string withDefaultExtension(const std::string& name, const std::string& extension) {
  if (name.empty() || extension.empty()) return name;
  const std::string last = std::filesystem::path(name).filename().string();
  // A leading dot names a hidden file, not an extension.
  if (last.find('.', 1) != std::string::npos) return name;
  return name + "." + extension;
}

int filterIndexOf(const std::string& filter, const QString& selected) {
  const qsizetype index = qtNameFilter(filter).split(QStringLiteral(";;")).indexOf(selected);
  return index < 0 ? 0 : static_cast<int>(index);
}

FileDialogResult QtFileDialog::showOpen(const FileDialogRequest& request) {
  return run(request, false);
}

FileDialogResult QtFileDialog::showSave(const FileDialogRequest& request) {
  return run(request, true);
}

FileDialogResult QtFileDialog::run(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(QApplication::activeWindow(), fromUtf8(request.title), lastFolder_);
  dialog.setNameFilter(qtNameFilter(request.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const auto extensionOf = [&request](int index) {
    const std::string extension = request.filterExtension(index);
    return extension.empty() ? request.defaultExtension : extension;
  };
  const QStringList filters = qtNameFilter(request.filter).split(QStringLiteral(";;"));
  const int shownFirst = request.selectedFilter > 0 && request.selectedFilter < filters.size()
                             ? request.selectedFilter
                             : 0;
  if (shownFirst > 0) dialog.selectNameFilter(filters[shownFirst]);
  dialog.setDefaultSuffix(fromUtf8(extensionOf(shownFirst)));
  // The dialog asks about overwriting the name with the suffix: it follows the filter.
  QObject::connect(
      &dialog, &QFileDialog::filterSelected, &dialog,
      [&dialog, &request, &extensionOf](const QString& selected) {
        dialog.setDefaultSuffix(fromUtf8(extensionOf(filterIndexOf(request.filter, selected))));
      });
  dialog.selectFile(fromUtf8(request.fileName));
  // The detail view's columns of sizes, kinds and dates as wide as their texts
  // ("506 字节"): their default width cuts them. The dialog is made wide enough to
  // show them beside the names (within the screen).
  for (QTreeView* details : dialog.findChildren<QTreeView*>()) {
    for (int column = 1; column < details->header()->count(); ++column) {
      details->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize room = screen->availableGeometry().size() * 9 / 10;
    dialog.resize(dialog.sizeHint().expandedTo(kFileDialogSize).boundedTo(room));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  FileDialogResult result;
  result.filterIndex = filterIndexOf(request.filter, dialog.selectedNameFilter());
  const QString chosen = dialog.selectedFiles().front();
  // A folder is never a file to write or read: the dialog closed without a name.
  if (QFileInfo(chosen).isDir()) return {};
  lastFolder_ = QFileInfo(chosen).absolutePath();
  const std::string name = chosen.toStdString();
  result.fileName = save ? withDefaultExtension(name, extensionOf(result.filterIndex)) : name;
  return result;
}

std::int32_t QtColorDialog::choose(std::int32_t current) {
  const auto rgb = static_cast<std::uint32_t>(current);
  const QColor shown(static_cast<int>(rgb & 0xFFu), static_cast<int>((rgb >> 8) & 0xFFu),
                     static_cast<int>((rgb >> 16) & 0xFFu));
  const QColor chosen = QColorDialog::getColor(shown, QApplication::activeWindow());
  if (!chosen.isValid()) return current;  // cancelled
  return rgbOf(chosen.red(), chosen.green(), chosen.blue());
}

PrintOutcome QtPrinter::print(const PictureSpec& picture, const DrawPicture& draw) {
  const QPrinterInfo target = QPrinterInfo::defaultPrinter();
  if (target.isNull()) return PrintOutcome::NoPrinter;
  const int border = picture.borderPixels;
  VectorSurface page(picture.widthPixels + 2 * border, picture.heightPixels + 2 * border, border);
  if (!draw(page)) return PrintOutcome::Failed;
  QPrinter printer(target, QPrinter::HighResolution);
  return printPicture(printer, page) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void QtLinkOpener::open(const std::string& uri) { QDesktopServices::openUrl(QUrl(fromUtf8(uri))); }

std::string QtClipboard::text() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard != nullptr ? clipboard->text().toStdString() : std::string();
}

ClockRandom::ClockRandom()
    : engine_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

float ClockRandom::next() {
  // 24 random bits: every value is a float in [0, 1), 1 itself never comes.
  return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

Services makeQtServices(const std::filesystem::path& programFolder) {
  Services s;
  s.messages = std::make_unique<QtMessageBox>();
  s.files = std::make_unique<QtFileDialog>();
  s.colors = std::make_unique<QtColorDialog>();
  s.printer = std::make_unique<QtPrinter>();
  s.pictures = std::make_unique<FilePictureWriter>();
  s.preferences = std::make_unique<QtPreferences>();
  s.questions = std::make_unique<QtQuestions>();
  s.links = std::make_unique<QtLinkOpener>();
  s.random = std::make_unique<ClockRandom>();
  s.pictureOptions = std::make_unique<QtPictureOptionsDialog>();
  s.exportSize = std::make_unique<QtExportSizeDialog>();
  s.clipboard = std::make_unique<QtClipboard>();
  s.programFolder = programFolder;
  return s;
}

}  // namespace quorvel
