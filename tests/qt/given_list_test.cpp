// A list given to the windows, on the command line or dropped on the main window,
// opens as 打开 opens the file its dialog chose.
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "qt_fixture.h"

namespace quorvel::test {
namespace {

using Message = std::pair<std::string, std::string>;

const std::filesystem::path kWorksheet =
    std::filesystem::path(QUORVEL_TEST_DATA) / "cli_worksheet.qvx";
const std::vector<std::string> kWorksheetLines = {"y=6/x", "y=1x^2+-2x+1", "y=sin(x)*2"};

std::vector<std::string> listLines(const frmControl& panel) {
  std::vector<std::string> lines;
  for (int i = 0; i < panel.lstExist.ListCount(); ++i) lines.push_back(panel.lstExist.List(i));
  return lines;
}

// The windows started as `quorvel LIST` starts them.
TEST(GivenOnTheCommandLine, TheListOpensOnceTheWindowsAreUp) {
  const std::filesystem::path folder = makeTempFolder();
  std::ofstream(folder / "notes.txt") << "not a list";
  const struct {
    std::filesystem::path list;
    std::vector<std::string> lines;
    std::vector<Message> messages;
  } cases[] = {
      {kWorksheet, kWorksheetLines, {}},
      {folder / "notes.txt",
       {},
       {{"错误", "打开列表文件错误\n“" + (folder / "notes.txt").string() +
                     "”：长度 10"
                     " 字节，不是整条记录的长度（每条记录占 128 字节，最后一条 122 字节）"}}},
      {folder / "gone.QVX",
       {},
       {{"错误", "打开列表文件错误\n“" + (folder / "gone.QVX").string() + "”：文件不存在"}}},
      {"", {}, {}},  // no list: the windows as ever
  };
  for (const auto& c : cases) {
    ScriptedServices kit(folder);
    DesktopProgram desktop(kit.take());
    desktop.start(c.list);
    // Not before the windows are shown: a failure's message goes over them.
    EXPECT_TRUE(listLines(desktop.program.panel).empty()) << c.list;
    EXPECT_TRUE(kit.messages->shown.empty()) << c.list;
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    EXPECT_TRUE(desktop.mainWindow->isVisible()) << c.list;
    EXPECT_EQ(listLines(desktop.program.panel), c.lines) << c.list;
    EXPECT_EQ(kit.messages->shown, c.messages) << c.list;
    EXPECT_EQ(desktop.program.g.graphOnScreen, !c.lines.empty()) << c.list;
  }
  std::filesystem::remove_all(folder);
}

std::unique_ptr<QMimeData> urls(const QList<QUrl>& list) {
  auto data = std::make_unique<QMimeData>();
  data->setUrls(list);
  return data;
}

class DropTest : public DesktopTest {
 protected:
  // Drags `data` over the main window and, when the window takes it, drops it there;
  // returns whether the window took it.
  bool dragAndDrop(const QMimeData& data) {
    QWidget& window = *desktop->mainWindow;
    const QPoint at(window.width() / 2, window.height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    settle();
    return drop.isAccepted();
  }
};

TEST_F(DropTest, ADroppedListOpensAsOpenDoes) {
  drawInverse("3");
  // Only one local file that is no folder is taken.
  const QUrl worksheet = QUrl::fromLocalFile(QString::fromStdString(kWorksheet.string()));
  auto text = std::make_unique<QMimeData>();
  text->setText(worksheet.toLocalFile());
  EXPECT_FALSE(dragAndDrop(*text));
  EXPECT_FALSE(dragAndDrop(*urls({worksheet, worksheet})));
  EXPECT_FALSE(dragAndDrop(*urls({QUrl::fromLocalFile(QString::fromStdString(folder.string()))})));
  EXPECT_FALSE(dragAndDrop(*urls({QUrl(QStringLiteral("https://quorvel.example.org/a.QVX"))})));
  EXPECT_EQ(listLines(panel), std::vector<std::string>{"y=3/x"});

  EXPECT_TRUE(dragAndDrop(*urls({worksheet})));
  EXPECT_EQ(listLines(panel), kWorksheetLines);
  EXPECT_TRUE(kit.messages->shown.empty());

  // A file that is no list is refused as 打开 refuses it; the list stays.
  std::ofstream(folder / "notes.txt") << "not a list";
  EXPECT_TRUE(dragAndDrop(
      *urls({QUrl::fromLocalFile(QString::fromStdString((folder / "notes.txt").string()))})));
  EXPECT_EQ(
      kit.messages->shown,
      (std::vector<Message>{
          {"错误", "打开列表文件错误\n“" + (folder / "notes.txt").string() +
                       "”：长度 10"
                       " 字节，不是整条记录的长度（每条记录占 128 字节，最后一条 122 字节）"}}));
  EXPECT_EQ(listLines(panel), kWorksheetLines);
}

using GivenList = DesktopTest;

// A FIFO named as the list to open: the windows open, and the message names the file.
TEST_F(GivenList, AFifoAsTheListIsRefusedByName) {
  const std::filesystem::path fifo = folder / "pipe.qvx";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(main.openGivenList(fifo));
  ASSERT_EQ(kit.messages->shown.size(), 1u);
  EXPECT_EQ(kit.messages->shown[0],
            std::make_pair(std::string("错误"), "打开列表文件错误\n“" + fifo.string() +
                                                    "”：这是一个命名管道，不是普通文件"));
  EXPECT_TRUE(desktop->mainWindow->isVisible());
}

}  // namespace
}  // namespace quorvel::test
