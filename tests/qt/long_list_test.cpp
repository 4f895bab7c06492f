// A long list in the real windows: the list widget and the analysis window's combos
// follow every change of it one line at a time, and show exactly what it holds.
#include <QComboBox>
#include <QListWidget>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/func_record.h"
#include "qt_fixture.h"

namespace quorvel::test {
namespace {

namespace fs = std::filesystem;

using WindowWithList = DesktopTest;

// The list widget and the analysis window's two combos follow every change of a long
// list one line at a time; after each they show exactly what the list holds.
TEST_F(WindowWithList, TheWidgetsFollowEveryChangeOfALongList) {
  const std::vector<unsigned char> three = [] {
    std::ifstream in(fs::path(QUORVEL_TEST_DATA) / "catalogue" / "three_curves.qvx",
                     std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
  }();
  std::string bytes;
  for (int n = 0; n < 60; ++n) {
    if (n > 0) bytes.append(kSlotSize - kRecordSize, '\0');
    bytes.append(reinterpret_cast<const char*>(three.data()) + (n % 3) * kSlotSize, kRecordSize);
  }
  std::ofstream(folder / "long.qvx", std::ios::binary) << bytes;

  auto* list = panelWidget<QListWidget>("lstExist");
  auto* curve = desktop->analysisWindow->findChild<QComboBox*>(QStringLiteral("cboCurve"));
  auto* other = desktop->analysisWindow->findChild<QComboBox*>(QStringLiteral("cboOther"));
  ASSERT_NE(list, nullptr);
  ASSERT_NE(curve, nullptr);
  ASSERT_NE(other, nullptr);
  const CheckListBox& model = panel.lstExist;
  auto expectInStep = [&](const char* after) {
    SCOPED_TRACE(after);
    settle();
    ASSERT_EQ(list->count(), model.ListCount());
    ASSERT_EQ(curve->count(), model.ListCount());
    ASSERT_EQ(other->count(), model.ListCount() + 1);
    EXPECT_EQ(other->itemText(0), QStringLiteral("（无）"));
    for (int i = 0; i < model.ListCount(); ++i) {
      // What the window shows of each line: the curve as a textbook prints it.
      const QString text = QString::fromStdString(model.Shown(i));
      EXPECT_EQ(list->item(i)->text(), text) << i;
      EXPECT_EQ(list->item(i)->checkState() == Qt::Checked, model.Selected(i)) << i;
      EXPECT_EQ(curve->itemText(i), text) << i;
      EXPECT_EQ(other->itemText(i + 1), text) << i;
    }
    EXPECT_EQ(list->currentRow(), model.ListIndex());
  };

  ASSERT_TRUE(main.openListFile(folder / "long.qvx"));
  expectInStep("opening");
  panel.tbsControl.select(2);
  settle();
  list->item(7)->setCheckState(Qt::Unchecked);  // the user's untick
  expectInStep("an untick");
  EXPECT_FALSE(model.Selected(7));
  panel.lstExist.setListIndex(3);
  panel.moveLine(3, +1);
  expectInStep("a move");
  panel.lstExist.setListIndex(10);
  panel.cmdDelete.click();
  expectInStep("a delete");
  EXPECT_EQ(model.ListCount(), 59);
  panel.undo();
  expectInStep("undo");
  EXPECT_EQ(model.ListCount(), 60);
  panel.redo();
  expectInStep("redo");
  panel.tbsControl.select(1);
  drawInverse("2");
  expectInStep("a new curve");
  panel.cmdClear_Click();
  expectInStep("clear");
  ASSERT_TRUE(main.openListFile(folder / "long.qvx"));
  expectInStep("opening again");
}

}  // namespace
}  // namespace quorvel::test
