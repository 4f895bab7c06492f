#include "qt/lesson_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <system_error>

#include "qt/artwork.h"
#include "qt/main_window.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// The entry of a file "NN-题目.QVJ": what follows the order's number and the dash.
std::string titleOf(const std::filesystem::path& file) {
  const std::string stem = file.stem().string();
  const std::size_t dash = stem.find('-');
  const bool numbered = dash != std::string::npos && dash > 0 &&
                        std::all_of(stem.begin(), stem.begin() + static_cast<long>(dash),
                                    [](char c) { return c >= '0' && c <= '9'; });
  return numbered ? stem.substr(dash + 1) : stem;
}

bool isListFile(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  for (char& c : extension) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  return extension == ".QVJ" || extension == ".QVX";
}

}  // namespace

std::vector<Lesson> lessonsIn(const std::filesystem::path& folder) {
  std::vector<Lesson> lessons;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return lessons;
  // A folder of the install holds a dozen files; a stray huge one is not read here.
  for (const std::filesystem::directory_entry& entry : it) {
    if (!entry.is_regular_file(ec) || !isListFile(entry.path())) continue;
    lessons.push_back({titleOf(entry.path()), entry.path()});
  }
  std::sort(lessons.begin(), lessons.end(),
            [](const Lesson& a, const Lesson& b) { return a.file.filename() < b.file.filename(); });
  return lessons;
}

std::filesystem::path lessonsFolder(const std::filesystem::path& executableFolder) {
  const std::filesystem::path beside = executableFolder / "examples";
  std::error_code ec;
  if (std::filesystem::is_directory(beside, ec)) return beside;
  return (executableFolder / QUORVEL_EXAMPLES_FROM_BIN).lexically_normal();
}

void MainWindow::buildLessonMenu() {
  lessonMenu_ = new QMenu(QStringLiteral("示例"), this);
  lessonMenu_->setObjectName(QStringLiteral("mnuLessons"));
  // Read again whenever it opens, so that a lesson added to the folder shows at once
  // (a menu with no entry would not open at all).
  const auto fill = [this] {
    lessonMenu_->clear();
    const std::filesystem::path folder =
        lessonsFolder(QCoreApplication::applicationDirPath().toStdString());
    for (const Lesson& lesson : lessonsIn(folder)) {
      // Opened as 打开 opens a list: 保存 asks for a name of the user's own.
      lessonMenu_->addAction(QString::fromStdString(lesson.title), this,
                             [this, lesson] { form_.openGivenList(lesson.file); });
    }
    if (lessonMenu_->isEmpty()) {
      lessonMenu_->addAction(QStringLiteral("（没有找到示例文件）"))->setEnabled(false);
    }
  };
  fill();
  connect(lessonMenu_, &QMenu::aboutToShow, this, fill);
  lessonAction_ = lessonMenu_->menuAction();
  lessonAction_->setIcon(artIcon(QStringLiteral("tb_lessons")));
  lessonAction_->setObjectName(QStringLiteral("actLessons"));
  lessonAction_->setToolTip(QStringLiteral("打开示例课例"));
  toolbar_->addAction(lessonAction_);
  if (auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(lessonAction_))) {
    button->setPopupMode(QToolButton::InstantPopup);
    // Pictures only: the bar's commands must stay clear of the read-out beside them.
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  }
}

}  // namespace quorvel
