// The control models' rules the program relies on: which setters run handlers, and
// that they run inside the setter (re-entry), plus the list, slider, progress bar and
// tab strip rules.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/controls.h"

namespace quorvel {
namespace {

using Log = std::vector<std::string>;

// A setter that runs from code and tells whether the handler ran inside it.
struct ReentryCase {
  std::string name;
  // Builds the control, sets the value `from` (handler not yet attached), attaches a
  // handler that appends to the log, then sets `to` between "before" and "after".
  std::function<void(Log&, int from, int to)> run;
  int from, to;
  Log expected;
};

class ControlReentry : public ::testing::TestWithParam<ReentryCase> {};

TEST_P(ControlReentry, HandlerRunsInsideTheSetterOnlyOnAChange) {
  const ReentryCase& c = GetParam();
  Log log;
  c.run(log, c.from, c.to);
  EXPECT_EQ(log, c.expected);
}

void checkBoxCase(Log& log, int from, int to) {
  CheckBox box("chkLink");
  box.setValue(from);
  box.Click = [&] { log.push_back("Click value=" + std::to_string(box.Value())); };
  log.push_back("before");
  box.setValue(to);
  log.push_back("after");
}

void comboCase(Log& log, int from, int to) {
  ComboBox combo("cboStyle");
  for (const char* item : {"ｙ＝", "Ｓｘ＝", "third"}) combo.AddItem(item);
  combo.setListIndex(from);
  combo.Click = [&] {
    log.push_back("Click index=" + std::to_string(combo.ListIndex()) + " text=" + combo.Text());
  };
  log.push_back("before");
  combo.setListIndex(to);
  log.push_back("after");
}

void listTickCase(Log& log, int from, int to) {
  CheckListBox list("lstExist");
  list.AddItem("y=6/x");
  list.AddItem("y=2x+1");
  list.setSelected(1, from != 0);
  list.ItemCheck = [&](int i) {
    log.push_back("ItemCheck " + std::to_string(i) + " ticked=" + std::to_string(list.Selected(i)) +
                  " current=" + std::to_string(list.ListIndex()));
  };
  log.push_back("before");
  list.setSelected(1, to != 0);
  log.push_back("after");
}

void toolbarCase(Log& log, int from, int to) {
  ToolbarButton button("Button4");
  button.Style = ButtonStyle::Check;
  button.setValue(from != 0);
  // A widget showing the button is told; nothing else runs.
  button.subscribe([&] { log.push_back("observer pressed=" + std::to_string(button.Value())); });
  log.push_back("before");
  button.setValue(to != 0);
  log.push_back("after");
}

INSTANTIATE_TEST_SUITE_P(
    Setters, ControlReentry,
    ::testing::Values(
        ReentryCase{"CheckTicked", checkBoxCase, 0, 1, {"before", "Click value=1", "after"}},
        ReentryCase{"CheckUnticked", checkBoxCase, 1, 0, {"before", "Click value=0", "after"}},
        ReentryCase{"CheckSame", checkBoxCase, 1, 1, {"before", "after"}},
        ReentryCase{
            "ComboChanged", comboCase, 0, 1, {"before", "Click index=1 text=Ｓｘ＝", "after"}},
        ReentryCase{
            "ComboFromNone", comboCase, -1, 0, {"before", "Click index=0 text=ｙ＝", "after"}},
        ReentryCase{"ComboSame", comboCase, 2, 2, {"before", "after"}},
        ReentryCase{"ComboOutOfRange", comboCase, 0, 3, {"before", "after"}},
        ReentryCase{
            "TickSet", listTickCase, 0, 1, {"before", "ItemCheck 1 ticked=1 current=1", "after"}},
        ReentryCase{"TickCleared",
                    listTickCase,
                    1,
                    0,
                    {"before", "ItemCheck 1 ticked=0 current=1", "after"}},
        ReentryCase{"TickSame", listTickCase, 1, 1, {"before", "after"}},
        ReentryCase{"ToolbarPressed", toolbarCase, 0, 1, {"before", "observer pressed=1", "after"}},
        ReentryCase{"ToolbarSame", toolbarCase, 1, 1, {"before", "after"}}),
    [](const ::testing::TestParamInfo<ReentryCase>& param) { return param.param.name; });

TEST(CheckBox, UserClickTogglesAndRunsTheHandler) {
  CheckBox box;
  int clicks = 0;
  box.Click = [&] { ++clicks; };
  box.click();
  EXPECT_EQ(box.Value(), 1);
  box.click();
  EXPECT_EQ(box.Value(), 0);
  EXPECT_EQ(clicks, 2);
}

TEST(CheckBox, ObserversSeeTheNewValueBeforeTheHandlerRuns) {
  CheckBox box;
  Log log;
  box.subscribe([&] { log.push_back("observer " + std::to_string(box.Value())); });
  box.Click = [&] { log.push_back("Click"); };
  box.setValue(1);
  EXPECT_EQ(log, (Log{"observer 1", "Click"}));
}

// The custom family's second form: ticking chkIntX runs its handler, which unticks
// chkLink (whose own handler runs inside it); the form then sets chkLink itself.
TEST(NestedReentry, NestedHandlersRunInsideEachOtherInOrder) {
  CheckBox chkIntX("chkIntX");
  CheckBox chkLink("chkLink");
  chkLink.setValue(1);
  Log log;
  chkLink.Click = [&] { log.push_back("chkLink_Click " + std::to_string(chkLink.Value())); };
  chkIntX.Click = [&] {
    log.push_back("chkIntX_Click begin");
    if (chkIntX.Value() == 1) chkLink.setValue(0);
    log.push_back("chkIntX_Click end");
  };

  chkIntX.setValue(1);
  chkLink.setValue(0);  // already unticked by the handler: nothing runs
  EXPECT_EQ(log, (Log{"chkIntX_Click begin", "chkLink_Click 0", "chkIntX_Click end"}));
  EXPECT_EQ(chkLink.Value(), 0);

  // The first form: unticking chkIntX does not touch chkLink, then chkLink is ticked.
  log.clear();
  chkIntX.setValue(0);
  chkLink.setValue(1);
  EXPECT_EQ(log, (Log{"chkIntX_Click begin", "chkIntX_Click end", "chkLink_Click 1"}));
}

TEST(NestedReentry, ComboHandlerThatSelectsInAnotherComboRunsItInside) {
  ComboBox cboFuncName("cboFuncName");
  ComboBox cboStyle("cboStyle");
  for (int i = 0; i < 14; ++i) cboFuncName.AddItem("family " + std::to_string(i));
  cboStyle.AddItem("ｙ＝");
  cboStyle.AddItem("Ｓｘ＝");
  cboStyle.setListIndex(1);
  Log log;
  cboStyle.Click = [&] { log.push_back("cboStyle_Click " + std::to_string(cboStyle.ListIndex())); };
  cboFuncName.Click = [&] {
    log.push_back("cboFuncName_Click " + std::to_string(cboFuncName.ListIndex()));
    cboStyle.setListIndex(0);
    log.push_back("cboFuncName_Click end");
  };
  cboFuncName.setListIndex(13);
  EXPECT_EQ(log, (Log{"cboFuncName_Click 13", "cboStyle_Click 0", "cboFuncName_Click end"}));
}

TEST(ComboBox, TypedTextChangesNeitherIndexNorRunsClick) {
  ComboBox combo("cboRangeX1");
  combo.AddItem(" -∞");
  combo.setListIndex(0);
  int clicks = 0;
  combo.Click = [&] { ++clicks; };
  combo.setText("-3");
  EXPECT_EQ(combo.Text(), "-3");
  EXPECT_EQ(combo.ListIndex(), 0);
  EXPECT_EQ(clicks, 0);
  combo.Clear();
  EXPECT_EQ(combo.ListIndex(), -1);
  EXPECT_EQ(combo.ListCount(), 0);
  EXPECT_EQ(combo.Text(), "");
}

class CheckListRemove : public ::testing::TestWithParam<std::tuple<int, int, int>> {};

// (current line, removed line, current line afterwards)
TEST_P(CheckListRemove, CurrentLineFollowsItsLineOrBecomesNone) {
  const auto [current, removed, after] = GetParam();
  CheckListBox list;
  for (const char* t : {"a", "b", "c", "d"}) list.AddItem(t);
  list.setListIndex(current);
  list.RemoveItem(removed);
  EXPECT_EQ(list.ListIndex(), after);
}

INSTANTIATE_TEST_SUITE_P(Lines, CheckListRemove,
                         ::testing::Values(std::make_tuple(1, 1, -1),   // the current one
                                           std::make_tuple(3, 3, -1),   // the last, current
                                           std::make_tuple(2, 0, 1),    // one above it
                                           std::make_tuple(2, 3, 2),    // one below it
                                           std::make_tuple(-1, 0, -1),  // none current
                                           std::make_tuple(2, 4, 2),    // out of range
                                           std::make_tuple(2, -1, 2)));

TEST(CheckListBox, LinesAfterARemovedOneMoveUpWithTheirTicks) {
  CheckListBox list;
  for (const char* t : {"y=x", "y=x^2", "y=1/x", "y=sin(x)"}) list.AddItem(t);
  list.setSelected(2, true);
  list.setSelected(3, true);
  list.setSelected(0, true);  // line 0 current
  list.RemoveItem(1);
  ASSERT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.List(0), "y=x");
  EXPECT_EQ(list.List(1), "y=1/x");
  EXPECT_EQ(list.List(2), "y=sin(x)");
  EXPECT_TRUE(list.Selected(0));
  EXPECT_TRUE(list.Selected(1));
  EXPECT_TRUE(list.Selected(2));
  EXPECT_EQ(list.ListIndex(), 0);
}

TEST(CheckListBox, SettingATickMakesTheLineCurrentEvenWithoutAChange) {
  CheckListBox list;
  list.AddItem("a");
  list.AddItem("b");
  int checks = 0;
  list.ItemCheck = [&](int) { ++checks; };
  EXPECT_EQ(list.ListIndex(), -1);
  list.setSelected(1, false);  // already unticked
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(checks, 0);
  list.setSelected(0, true);
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(checks, 1);
  list.setSelected(5, true);  // no such line: nothing changes
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(checks, 1);
}

TEST(CheckListBox, ItemCheckHandlerMayTickAnotherLine) {
  CheckListBox list;
  for (const char* t : {"a", "b", "c"}) list.AddItem(t);
  Log log;
  list.ItemCheck = [&](int i) {
    log.push_back("ItemCheck " + std::to_string(i));
    if (i == 0) list.setSelected(2, true);  // runs the handler again, inside
  };
  list.setSelected(0, true);
  EXPECT_EQ(log, (Log{"ItemCheck 0", "ItemCheck 2"}));
  EXPECT_EQ(list.ListIndex(), 2);  // the nested tick made its line current last
}

TEST(CheckListBox, ClearLeavesNoLinesAndNoCurrentLine) {
  CheckListBox list;
  list.AddItem("a");
  list.setSelected(0, true);
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
  list.setListIndex(0);  // no such line
  EXPECT_EQ(list.ListIndex(), -1);
}

struct SliderCase {
  int min, max, set, expected;
};

class SliderClamp : public ::testing::TestWithParam<SliderCase> {};

TEST_P(SliderClamp, ValueStaysInTheRange) {
  const SliderCase& c = GetParam();
  Slider slider;
  slider.setRange(c.min, c.max);
  slider.setValue(c.set);
  EXPECT_EQ(slider.Value(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, SliderClamp,
                         ::testing::Values(SliderCase{1, 5, 0, 1},  // sldPenWidth
                                           SliderCase{1, 5, 6, 5}, SliderCase{1, 5, 3, 3},
                                           SliderCase{0, 16000, 32000, 16000},  // sldZoom
                                           SliderCase{0, 16000, -1, 0},
                                           SliderCase{1, 10000, 10000, 10000},  // sldLevel
                                           SliderCase{1, 10000, 0, 1}));

TEST(Slider, NarrowingTheRangeClampsTheValue) {
  Slider slider;
  slider.setRange(0, 16000);
  slider.setValue(8000);
  slider.setRange(0, 500);
  EXPECT_EQ(slider.Value(), 500);
  slider.setRange(600, 100);  // an empty range becomes the one value 600
  EXPECT_EQ(slider.Min(), 600);
  EXPECT_EQ(slider.Max(), 600);
  EXPECT_EQ(slider.Value(), 600);
}

TEST(ProgressBar, RefusesValuesOutsideTheRange) {
  ProgressBar bar;
  EXPECT_TRUE(bar.setValue(100));
  EXPECT_EQ(bar.Value(), 100);
  EXPECT_FALSE(bar.setValue(101));
  EXPECT_EQ(bar.Value(), 100);
  EXPECT_FALSE(bar.setValue(-1));
  EXPECT_EQ(bar.Value(), 100);
  EXPECT_TRUE(bar.setValue(0));
  EXPECT_EQ(bar.Value(), 0);
}

TEST(TabStrip, ClickRunsOnlyWhenTheSelectionChanges) {
  TabStrip tabs;
  tabs.Captions = {"函数", "视图", "设置"};
  Log log;
  tabs.Click = [&] { log.push_back("Click " + tabs.SelectedCaption()); };
  tabs.select(1);  // already selected
  tabs.select(2);
  tabs.select(2);
  tabs.select(4);  // no such tab
  tabs.select(0);
  tabs.select(3);
  EXPECT_EQ(log, (Log{"Click 视图", "Click 设置"}));
  EXPECT_EQ(tabs.SelectedIndex(), 3);
}

TEST(Control, ObserversAreToldOfRealChangesOnlyAndCanLeave) {
  TextBox box("txtParameter1");
  int told = 0;
  const int id = box.subscribe([&] { ++told; });
  box.setText("6");
  box.setText("6");
  box.setEnabled(true);  // already enabled
  box.setVisible(false);
  EXPECT_EQ(told, 2);
  box.unsubscribe(id);
  box.setText("7");
  EXPECT_EQ(told, 2);
}

}  // namespace
}  // namespace quorvel
