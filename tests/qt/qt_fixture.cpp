#include "qt_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <cstdlib>
#include <stdexcept>

#include "render/picture_writer.h"
#include "shell/qt/qt_services.h"

namespace quorvel::test {

namespace {

Services withRealPictures(ScriptedServices& kit) {
  Services s = kit.take();
  s.pictures = std::make_unique<FilePictureWriter>();
  return s;
}

}  // namespace

std::filesystem::path makeTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvel_qt_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
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
