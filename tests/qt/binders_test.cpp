// The binders on their own: one model, one widget, both ways, without loops.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "qt/bind_check_box.h"
#include "qt/bind_check_list.h"
#include "qt/bind_combo_box.h"
#include "qt/bind_slider.h"
#include "qt/bind_text_box.h"
#include "qt/twips.h"

namespace quorvel {
namespace {

// Each test declares its widget host after its model: the binders (children of the
// widgets) stop observing the model when the host goes, before the model does.
TEST(Binders, CheckBoxClickRunsTheHandlerOnceAndShowsItsOutcome) {
  CheckBox model("chkLink");
  model.setBounds(375, 1872, 1380, 255);
  int clicks = 0;
  // A handler that puts the value back, as a refusing handler would.
  model.Click = [&] {
    ++clicks;
    if (model.Value() == 1) model.setValue(0);
  };
  QWidget host;
  auto* box = new QCheckBox(&host);
  new CheckBoxBinder(model, box);
  EXPECT_EQ(box->geometry(), QRect(25, 125, 92, 17));
  box->click();
  EXPECT_EQ(clicks, 2);  // the user's click, then the handler's own setting
  EXPECT_EQ(model.Value(), 0);
  EXPECT_FALSE(box->isChecked());
  // From code: the box follows without clicking again.
  model.Click = [&] { ++clicks; };
  model.setValue(1);
  EXPECT_EQ(clicks, 3);
  EXPECT_TRUE(box->isChecked());
}

TEST(Binders, PickingTheChosenEntryAgainStillRunsTheHandler) {
  ComboBox model("cboStyle(0)");
  model.AddItem("a");
  model.AddItem("b");
  model.setListIndex(1);
  int clicks = 0;
  model.Click = [&] { ++clicks; };
  QWidget host;
  auto* combo = new QComboBox(&host);
  new ComboBoxBinder(model, combo, ComboBoxBinder::Kind::DropDownList);
  EXPECT_EQ(combo->currentIndex(), 1);
  combo->activated(1);
  EXPECT_EQ(clicks, 1);
  combo->activated(0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(model.ListIndex(), 0);
  // Items added by code show.
  model.AddItem("c");
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(clicks, 2);
}

TEST(Binders, TypingIntoAnEditableComboSetsOnlyTheText) {
  ComboBox model("cboRangeX1");
  model.AddItem(" -∞");
  model.AddItem(" 0");
  model.setText(" -∞");
  int clicks = 0;
  model.Click = [&] { ++clicks; };
  QWidget host;
  auto* combo = new QComboBox(&host);
  new ComboBoxBinder(model, combo, ComboBoxBinder::Kind::Editable);
  EXPECT_EQ(combo->currentText(), QStringLiteral(" -∞"));
  combo->lineEdit()->clear();
  QTest::keyClicks(combo->lineEdit(), QStringLiteral("-5"));
  EXPECT_EQ(model.Text(), "-5");
  EXPECT_EQ(model.ListIndex(), -1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(combo->count(), 2) << "typed text is not added to the list";
  model.setText(" +∞");
  EXPECT_EQ(combo->currentText(), QStringLiteral(" +∞"));
}

TEST(Binders, TypingKeepsTheCursorWhereTheUserPutsIt) {
  TextBox model("txtParameter(1)");
  QWidget host;
  auto* edit = new QLineEdit(&host);
  new LineEditBinder(model, edit);
  QTest::keyClicks(edit, QStringLiteral("12"));
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClicks(edit, QStringLiteral("x"));
  EXPECT_EQ(model.Text(), "1x2");
  EXPECT_EQ(edit->cursorPosition(), 2);
  EXPECT_EQ(model.SelStart(), 2);
  // Text and selection set by code show in the box.
  model.setText("345");
  EXPECT_EQ(edit->text(), QStringLiteral("345"));
  model.setSelection(1, 2);
  EXPECT_EQ(edit->selectedText(), QStringLiteral("45"));
}

TEST(Binders, ListRebuiltInsideATickKeepsTheTickedItemAlive) {
  CheckListBox model("lstExist");
  model.AddItem("y=x");
  model.AddItem("y=2x");
  int calls = 0;
  // A handler that rebuilds the list, as a replay of an opened file does.
  model.ItemCheck = [&](int) {
    ++calls;
    model.Clear();
    model.AddItem("y=3x");
  };
  QWidget host;
  auto* list = new QListWidget(&host);
  new CheckListBinder(model, list);
  ASSERT_EQ(list->count(), 2);
  list->item(1)->setCheckState(Qt::Checked);
  EXPECT_EQ(calls, 1);
  QCoreApplication::processEvents();
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("y=3x"));
  EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
}

TEST(Binders, TicksFromCodeShowWithoutRunningTheHandlerTwice) {
  CheckListBox model("lstExist");
  int calls = 0;
  model.ItemCheck = [&](int) { ++calls; };
  QWidget host;
  auto* list = new QListWidget(&host);
  new CheckListBinder(model, list);
  model.AddItem("y=x");
  model.setSelected(0, true);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(list->currentRow(), 0);
  model.RemoveItem(0);
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(calls, 1);
}

TEST(Binders, SliderValueIsClampedByTheModel) {
  Slider model("sldPenWidth");
  model.setRange(1, 5);
  model.setValue(2);
  QWidget host;
  auto* slider = new QSlider(&host);
  new SliderBinder(model, slider);
  slider->setValue(4);
  EXPECT_EQ(model.Value(), 4);
  model.setValue(99);
  EXPECT_EQ(slider->value(), 5);
}

TEST(Twips, RoundToTheNearestPixel) {
  EXPECT_EQ(toPixelsFromTwips(1872), 125);  // 124.8
  EXPECT_EQ(toPixelsFromTwips(1867), 124);  // 124.47
  EXPECT_EQ(toPixelsFromTwips(-3000), -200);
  EXPECT_EQ(toPixelsFromTwips(7), 0);
  EXPECT_EQ(toPixelsFromTwips(8), 1);
}

TEST(WindowPlacement, TheFrameLiesInsideTheAvailableArea) {
  struct Case {
    QRect available;
    QMargins frame;
    int left, top, width, height;
    QRect inside;
  };
  const QMargins openbox(1, 20, 1, 5);
  const Case cases[] = {
      // A 1366 × 768 screen: the frame starts at the top, its caption on the screen.
      {{0, 0, 1366, 768}, openbox, 164, 0, 675, 742, {165, 20, 673, 717}},
      // A task bar at the top: the frame starts below it.
      {{0, 32, 1366, 736}, openbox, 164, 0, 675, 710, {165, 52, 673, 685}},
      // Too wide and too tall for the area: kept inside, shrunk.
      {{0, 0, 800, 600}, openbox, 700, 0, 900, 700, {1, 20, 798, 575}},
      // Too far right: moved back so the right edge stays on the screen.
      {{0, 0, 1024, 768}, openbox, 900, 10, 300, 300, {725, 30, 298, 275}},
      // No frame known yet (no window manager): the inside is the outer size.
      {{0, 0, 1024, 768}, QMargins(), 164, 0, 500, 700, {164, 0, 500, 700}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(clientRectInside(c.available, c.frame, c.left, c.top, c.width, c.height), c.inside)
        << c.left << "," << c.top << " " << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace quorvel
