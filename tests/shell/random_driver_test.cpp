// A long day of use: thousands of random clicks, typed texts, slider moves, tab
// switches, draws, deletes, ticks, pans, zooms, clears, saves and opens, undo and
// redo, lines edited, recoloured and moved, with the list and its file checked
// after every action. The seed is fixed; set
// QUORVEL_RANDOM_ACTIONS to run more (QUORVEL_RANDOM_SEED for another sequence).
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/families.h"
#include "catalogue/func_record.h"
#include "catalogue/list_file.h"
#include "catalogue/parameter_slots.h"
#include "shell_fixture.h"

#ifndef QUORVEL_RANDOM_ACTIONS
#define QUORVEL_RANDOM_ACTIONS 3000
#endif

namespace quorvel::test {
namespace {

unsigned long fromEnvironment(const char* name, unsigned long fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  return std::strtoul(text, nullptr, 10);
}

// Texts a pupil might type: numbers, expressions, garbage, huge values, x, nothing.
const std::vector<std::string> kTexts = {
    "",
    "0",
    "1",
    "-1",
    "2",
    "0.5",
    "-3.25",
    "6",
    "1E+38",
    "3.4E+38",
    "1E+39",
    "-1E+39",
    "1E-45",
    "123456789012",
    "x",
    "X",
    "2x",
    "sin(x)",
    "x^2-1",
    "1/x",
    "((x)",
    "2*(3+4)",
    "sqr(2)",
    "abc",
    "1..2",
    "--1",
    "+",
    "∞",
    "π",
    "  7  ",
    "1/0",
    "0^0",
    "10^40",
    "ln(x)",
    "(x+1)/(x-1)",
    "0.0000001",
    "99999",
    "1e5",
    "-",
    "半",
    "x*x*x*x*x*x*x*x*x*x",
};
const std::vector<std::string> kRangeTexts = {
    kOpenLow, kOpenHigh, "-5", "5", "0", "1", "-1E+39", "abc", "", "2x", "10", "-10",
};

// The list line a record stands for, or nullopt when the record cannot be read back
// whole (a text that filled its field may have been cut, or a check fails).
std::optional<std::string> rebuiltLine(const FuncRecord& r) {
  const FormInfo* info = form(r.family, r.form);
  if (info == nullptr) return std::nullopt;
  CurveParams c;
  c.funcFamily = r.family;
  c.funcForm = r.form;
  const std::string p1 = withoutTrailingBlanks(r.para1);
  if (r.family == kCustomFamily) {
    if (p1.size() >= static_cast<std::size_t>(kPara1Width)) return std::nullopt;
    c.expression = asciiLower(p1);
  } else {
    const std::array<std::string, 3> texts = {p1, withoutTrailingBlanks(r.para2),
                                              withoutTrailingBlanks(r.para3)};
    for (const std::string& t : texts) {
      if (t.size() >= static_cast<std::size_t>(kTextWidth)) return std::nullopt;
    }
    if (!readSlotParameters(*info, texts, c)) return std::nullopt;
  }
  const std::optional<std::string> text = listText(c);
  if (!text || text->empty()) return std::nullopt;
  return text;
}

class RandomDriverTest : public ShellTest {
 protected:
  // The day of a new user: the modern look, every text of the picture placed anew at
  // each redraw.
  RandomDriverTest() { program.services.preferences = std::make_unique<MemoryPreferences>(); }
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
  // Mostly plain small numbers, which most families take, so lists grow long.
  const std::string& anyText() {
    static const std::vector<std::string> plain = {"1", "2", "3", "-2", "0.5", "x", "x^2"};
    if (pick(3) != 0) return plain[static_cast<std::size_t>(pick(static_cast<int>(plain.size())))];
    return kTexts[static_cast<std::size_t>(pick(static_cast<int>(kTexts.size())))];
  }

  void act(int action, std::ostringstream& log);
  // The list and Funclist.dat hold one entry per record, in the same order.
  void checkInvariants(const std::string& what);

  std::mt19937 rng;
  int savedFiles = 0;
};

void RandomDriverTest::act(int action, std::ostringstream& log) {
  switch (action) {
    case 0: {  // family and form
      // The curves the working list file keeps a record for, which the invariants
      // compare the list with.
      const int family = pick(kListFileFamilyCount);
      int forms = 0;
      while (inListFile(family, forms)) ++forms;
      const int f = pick(forms);
      log << "family " << family << "/" << f;
      chooseFamily(family, f);
      break;
    }
    case 1: {  // typing into a parameter box or the expression box
      const int box = pick(4);
      const std::string& t = anyText();
      log << "type box " << box << " '" << t << "'";
      if (box == 0) {
        panel.txtExpression.setText(t);
      } else {
        panel.txtParameter[static_cast<std::size_t>(box)].setText(t);
      }
      break;
    }
    case 2: {  // a range end
      ComboBox* combos[] = {&panel.cboRangeX1, &panel.cboRangeX2, &panel.cboRangeY1,
                            &panel.cboRangeY2};
      const std::string& t =
          kRangeTexts[static_cast<std::size_t>(pick(static_cast<int>(kRangeTexts.size())))];
      const int which = pick(4);
      log << "range " << which << " '" << t << "'";
      combos[which]->setText(t);
      break;
    }
    case 3:
    case 4:
      log << "draw";
      panel.cmdDraw.click();
      break;
    case 5: {  // tick or untick a line
      if (panel.lstExist.ListCount() == 0) break;
      const int i = pick(panel.lstExist.ListCount());
      log << "tick " << i;
      panel.lstExist.setSelected(i, !panel.lstExist.Selected(i));
      break;
    }
    case 6: {  // choose a line (or none)
      const int i = pick(panel.lstExist.ListCount() + 1) - 1;
      log << "select " << i;
      panel.lstExist.setListIndex(i);
      break;
    }
    case 7:
      log << "delete";
      panel.cmdDelete.click();
      break;
    case 8: {
      const bool clear = pick(4) == 0;
      log << (clear ? "clear" : "redraw");
      if (clear) {
        panel.cmdClear.click();
      } else {
        panel.cmdRedraw.click();
      }
      break;
    }
    case 9: {
      const int tab = pick(3) + 1;
      log << "tab " << tab;
      panel.tbsControl.select(tab);
      break;
    }
    case 10: {  // a slider to any of its values
      Slider* sliders[] = {&panel.sldZoom, &panel.sldLevel, &panel.sldPenWidth};
      Slider& s = *sliders[pick(3)];
      const int v = s.Min() + pick(s.Max() - s.Min() + 1);
      log << "slider " << s.Name() << " " << v;
      s.setValue(v);
      break;
    }
    case 11: {                         // pan, zoom and the panel from the toolbar
      const int button = 5 + pick(7);  // 上方 .. 缩小 and 控制 (as position 2)
      const int position = button == 11 ? 2 : button + 1;
      log << "toolbar " << position;
      program.main.clickToolbarButton(position);
      break;
    }
    case 12: {  // the pad, and clicks on the surface after arming a zoom
      const int which = pick(5);
      log << "pad " << which;
      if (which == 0) panel.picZoomIn.click();
      if (which == 1) panel.picZoomOut.click();
      if (which == 2) panel.picCentre.click();
      if (which == 3) panel.picSize.click();
      if (which == 4) {
        const float x = static_cast<float>(pick(7501) - 3750);
        const float y = static_cast<float>(pick(7501) - 3750);
        log << " click " << x << "," << y;
        program.main.picPic_MouseUp(1, 0, x, y);
      }
      break;
    }
    case 13: {  // save through the toolbar (sometimes cancelled)
      const int n = pick(4);
      const std::string file =
          n == 3 ? "" : (folder / ("saved" + std::to_string(n) + ".qvx")).string();
      log << "save '" << file << "'";
      kit.files->answers.push_back(file);
      program.main.clickToolbarButton(4);
      if (!file.empty()) savedFiles = std::max(savedFiles, n + 1);
      break;
    }
    case 14: {  // open a saved list, a damaged file, or cancel
      const int n = pick(5);
      std::string file;
      if (n < 3) file = (folder / ("saved" + std::to_string(n) + ".qvx")).string();
      if (n == 3) {
        file = (folder / "damaged.qvx").string();
        std::vector<unsigned char> bytes(static_cast<std::size_t>(pick(400)));
        for (unsigned char& b : bytes) b = static_cast<unsigned char>(pick(256));
        writeBytes(file, bytes);
      }
      log << "open '" << file << "'";
      kit.files->answers.push_back(file);
      program.main.clickToolbarButton(3);
      break;
    }
    case 15: {  // the settings page's boxes and buttons
      CheckBox* boxes[] = {&panel.chkIntX, &panel.chkLink,       &panel.chkSkip,     &panel.chkfixx,
                           &panel.chky,    &panel.chkAutoRedraw, &panel.chkAutoColor};
      const int which = pick(8);
      log << "setting " << which;
      if (which == 7) {
        kit.colors->answers.push_back(pick(0x1000000));
        panel.cmdColor.click();
      } else {
        boxes[which]->click();
      }
      break;
    }
    case 16:
      log << "defaults";
      panel.cmdDefault.click();
      break;
    case 17:
      log << "undo";
      panel.undo();
      break;
    case 18:
      log << "redo";
      panel.redo();
      break;
    case 19: {  // edit a line and put it back, maybe changed
      if (panel.lstExist.ListCount() == 0) break;
      const int i = pick(panel.lstExist.ListCount());
      const std::string& t = anyText();
      log << "edit " << i << " box 1 '" << t << "'";
      panel.lstExist.doubleClick(i);
      if (pick(2) == 0) panel.txtParameter[1].setText(t);
      panel.cmdReplace.click();
      break;
    }
    case 20: {  // recolour a line
      if (panel.lstExist.ListCount() == 0) break;
      const int i = pick(panel.lstExist.ListCount());
      log << "recolour " << i;
      kit.colors->answers.push_back(pick(0x1000000));
      panel.recolourLine(i);
      break;
    }
    default: {  // move a line up or down
      if (panel.lstExist.ListCount() == 0) break;
      const int i = pick(panel.lstExist.ListCount());
      const int by = pick(2) == 0 ? -1 : 1;
      log << "move " << i << " by " << by;
      panel.moveLine(i, by);
      break;
    }
  }
}

void RandomDriverTest::checkInvariants(const std::string& what) {
  const std::vector<unsigned char> bytes = listBytes();
  const int lineCount = panel.lstExist.ListCount();
  ASSERT_TRUE(bytes.empty() || wellFormedLength(bytes.size())) << what;
  const std::size_t records = bytes.empty() ? 0 : (bytes.size() - kRecordSize) / kSlotSize + 1;
  ASSERT_EQ(records, static_cast<std::size_t>(lineCount)) << what;
  ASSERT_EQ(g.funcCount, lineCount + 1) << what;
  for (int i = 0; i < lineCount; ++i) {
    RecordBytes raw{};
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(i) * kSlotSize, kRecordSize,
                raw.begin());
    const std::optional<std::string> rebuilt = rebuiltLine(decodeRecord(raw));
    if (rebuilt) {
      // An expression typed with trailing blanks keeps them on its line; the record
      // is read back without them.
      ASSERT_EQ(withoutTrailingBlanks(panel.lstExist.List(i)), *rebuilt)
          << what << " (line " << i << ")";
    }
  }
}

TEST_F(RandomDriverTest, ListAndFileStayAlignedThroughALongDay) {
  const unsigned long actions = fromEnvironment("QUORVEL_RANDOM_ACTIONS", QUORVEL_RANDOM_ACTIONS);
  rng.seed(
      static_cast<std::mt19937::result_type>(fromEnvironment("QUORVEL_RANDOM_SEED", 20240607)));
  // Weights: typing and drawing come most often, files least.
  const std::vector<int> weights = {6, 10, 2, 10, 6, 4, 4, 2, 2, 3, 3,
                                    4, 4,  1, 1,  2, 1, 3, 2, 2, 1, 2};
  std::discrete_distribution<int> chooseAction(weights.begin(), weights.end());
  std::size_t drawnAtMost = 0;
  for (unsigned long step = 0; step < actions; ++step) {
    std::ostringstream log;
    log << "step " << step << ": ";
    act(chooseAction(rng), log);
    surface.clearCalls();  // the recording would otherwise grow all day
    checkInvariants(log.str());
    if (HasFatalFailure()) return;
    drawnAtMost = std::max(drawnAtMost, lines().size());
  }
  std::printf("%lu actions, longest list %zu lines\n", actions, drawnAtMost);
  // The day did reach long lists, so the checks above saw real work.
  EXPECT_GE(drawnAtMost, 5u);
}

}  // namespace
}  // namespace quorvel::test
