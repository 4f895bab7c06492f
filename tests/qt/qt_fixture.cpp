#include "qt_fixture.h"

#include "settings/picture_preferences.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <cstdlib>
#include <stdexcept>

#include "qt/qt_services.h"
#include "render/picture_writer.h"

namespace quorvel::test {

namespace {

Services withRealPictures(ScriptedServices& kit) {
  Services s = kit.take();
  s.pictures = std::make_unique<FilePictureWriter>();
  // The windows' tests check the original picture: the user has chosen 经典外观.
  s.preferences = std::make_unique<MemoryPreferences>();
  storePictureStyle(*s.preferences, PictureStyle{});
  return s;
}

}  // namespace

std::filesystem::path makeTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvel_qt_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

void whenAModalShows(const std::function<bool(QWidget&)>& awaited,
                     const std::function<void(QWidget&)>& act) {
  auto* poll = new QTimer(qApp);
  auto tries = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, awaited, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && QThread::currentThread()->loopLevel() > 0 && awaited(*modal)) {
      poll->stop();
      poll->deleteLater();
      act(*modal);
    } else if (++*tries > 500) {
      poll->stop();
      poll->deleteLater();
      ADD_FAILURE() << "the dialog did not show";
    }
  });
  poll->start(10);
}

DesktopTest::DesktopTest()
    : folder(makeTempFolder()),
      kit(folder),
      desktop(std::make_unique<DesktopProgram>(withRealPictures(kit))),
      program(desktop->program),
      panel(program.panel),
      main(program.main) {
  desktop->start();
  settle();
}

DesktopTest::~DesktopTest() {
  desktop.reset();
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

void DesktopTest::settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void DesktopTest::drawInverse(const std::string& k) {
  panel.cboFuncName.setListIndex(2);
  panel.txtParameter[1].setText(k);
  panel.cmdDraw.click();
}

void DesktopTest::clickToolbar(int position) {
  QAction* action = desktop->mainWindow->toolbarAction(position);
  ASSERT_NE(action, nullptr);
  action->trigger();
  settle();
}

}  // namespace quorvel::test
