// The draw command: checks the panel's inputs in a fixed order, reports the first
// class of problem, then sets up the canvas, draws the axes and the curve and adds
// the entry to the list and the list file. In replay mode the panel is first loaded
// from a stored entry and nothing new is stored.
#include <algorithm>
#include <cmath>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/families.h"
#include "catalogue/list_file.h"
#include "catalogue/parameter_slots.h"
#include "catalogue/stored_text.h"
#include "eval/number_text.h"
#include "eval/single_math.h"
#include "plot/axes.h"
#include "plot/nice_axes.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

constexpr int kZoomMax = 16000;  // sldZoom's maximum

std::int32_t roundedOrZero(double v) {
  std::int32_t out = 0;
  return roundToInt32(v, out) == kOk ? out : 0;
}

// Sets a flag for the lifetime of the object and puts the old value back after.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = old_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

}  // namespace

void frmControl::cmdDraw_Click() {
  const FlagScope running(drawRunning_);
  // A redraw has read the style for every entry it replays.
  if (!redrawRunning_) style_ = pictureStyle();
  // 1. Start: the hourglass for the whole run.
  setMousePointer(kHourglass);
  runDrawSteps();
  // 13. Finish, on every path.
  setMousePointer(kDefaultPointer);
  program_.main.ProgressBarWorking.setVisible(false);
}

void frmControl::runDrawSteps() {
  // 2. Source of the curve.
  const bool source = g_.redrawing ? loadReplayedEntry() : takeChosenFamily();
  if (!source) return;
  const bool newCurve = !g_.redrawing;

  // 3. Parameter boxes; 4. parameters and list text; 5. ranges; 6. order of the ends.
  bool inputError = evaluateParameterBoxes();
  std::optional<std::string> text = std::string();
  PlotRange range;
  bool rangeWrong = false;
  if (!inputError) {
    if (!readParameters(text)) inputError = true;
    if (!readRanges(range)) inputError = true;
    const bool xWrong = !range.xFromOpen && !range.xToOpen && range.xFrom >= range.xTo;
    const bool yWrong = !range.yFromOpen && !range.yToOpen && range.yFrom >= range.yTo;
    rangeWrong = xWrong || yWrong;
  }

  // 7. Input problems are reported together, before any family rule.
  if (inputError || rangeWrong) {
    message("数据错误", kTitleError);
    return;
  }

  // 8. Family rules.
  if (!familyRulesHold(text.has_value())) return;
  // A new curve (and a live one, which 保留 stores) must fit its list entry: one cut
  // to fit would come back as another curve. A replay stores nothing.
  if (newCurve && !entryFitsItsFields()) return;

  // 9. Canvas; 10. axes and curve.
  prepareCanvas();
  if (style_.modern) {
    drawModernAxes();
  } else {
    if (gridPending_) {
      gridPending_ = false;
      drawGrid(*canvas, g_, style_);
    }
    coordinate();
  }
  draw(range.xFrom, range.xTo, range.yFrom, range.yTo, chkIntX.Value() == 1);
  if (labelled_ != nullptr) {
    labelled_->push_back(LabelledCurve{*text, g_.penColor, std::move(curveDots_)});
    curveDots_.clear();
  }

  // 11, 12. Bookkeeping and the new entry.
  const int linesBefore = lstExist.ListCount();
  recordEntry(*text);
  // The grid lies under every curve and a curve's name must know where the others
  // run: with either, a new curve is drawn again with the whole list.
  if (newCurve && style_.needsWholeList() && lstExist.ListCount() > linesBefore) {
    cmdRedraw_Click();
  }
}

bool frmControl::takeChosenFamily() {
  const int chosen = cboFuncName.ListIndex();
  if (chosen < 0 || chosen >= kFamilyCount) return false;  // the panel has not loaded yet
  funcFamily = static_cast<std::int16_t>(chosen);
  funcForm = static_cast<std::int16_t>(cboStyle[chosen].ListIndex());
  return true;
}

bool frmControl::loadReplayedEntry() {
  if (replayFile_ == nullptr) {
    // Nothing is being replayed: a flag left behind must not turn a new curve into
    // a replay of some record.
    g_.redrawing = false;
    return takeChosenFamily();
  }
  const std::optional<FuncRecord> entry = replayFile_->read(g_.recordNo);
  if (!entry) return false;  // past the end of the file: nothing to replay
  listEntry = *entry;
  funcFamily = listEntry.family;
  funcForm = listEntry.form;
  if (funcFamily == kCustomFamily) {
    txtExpression.setText(withoutTrailingBlanks(listEntry.para1));
  } else {
    txtParameter[1].setText(withoutTrailingBlanks(listEntry.para1));
    txtParameter[2].setText(withoutTrailingBlanks(listEntry.para2));
    txtParameter[3].setText(withoutTrailingBlanks(listEntry.para3));
  }
  g_.penColor = listEntry.color;
  cboRangeX1.setText(withoutTrailingBlanks(listEntry.rangeX1));
  cboRangeX2.setText(withoutTrailingBlanks(listEntry.rangeX2));
  cboRangeY1.setText(withoutTrailingBlanks(listEntry.rangeY1));
  cboRangeY2.setText(withoutTrailingBlanks(listEntry.rangeY2));
  // A change runs the box's click, which unticks chkLink.
  chkIntX.setValue(listEntry.intX != 0 ? 1 : 0);
  return true;
}

bool frmControl::evaluateConstantText(std::string& text) {
  if (text.find('X') != std::string::npos || text.find('x') != std::string::npos) return false;
  Epc(*this, text, "1");
  if (evalStatus != 0) return false;
  text = evalResult;
  return true;
}

bool frmControl::evaluateParameterBoxes() {
  // Only the boxes the family and form read are checked: a box they hide, or the
  // boxes under the expression box, cannot stop the run with a text the user does
  // not see. An empty box still becomes "0", as the stored entry has always held.
  const FormInfo* info =
      funcFamily >= 0 && funcFamily < kFamilyCount ? form(funcFamily, funcForm) : nullptr;
  bool inputError = false;
  for (loopCounter = 1; loopCounter <= 3; ++loopCounter) {
    TextBox& box = txtParameter[loopCounter];
    if (box.Text().empty()) {
      box.setText("0");
      continue;
    }
    if (info != nullptr &&
        info->boxes[static_cast<std::size_t>(loopCounter - 1)].slot == Slot::None) {
      continue;
    }
    std::string text = box.Text();
    if (evaluateConstantText(text)) {
      box.setText(text);
    } else {
      inputError = true;
    }
  }
  return inputError;
}

bool frmControl::readParameters(std::optional<std::string>& text) {
  const FormInfo* info =
      funcFamily >= 0 && funcFamily < kFamilyCount ? form(funcFamily, funcForm) : nullptr;
  if (info == nullptr) return false;  // only a foreign list file can hold such an entry
  if (funcFamily == kCustomFamily) {
    expression = asciiLower(txtExpression.Text());
  } else if (!readSlotParameters(
                 *info, {txtParameter[1].Text(), txtParameter[2].Text(), txtParameter[3].Text()},
                 *this)) {
    return false;
  }
  text = listText(*this);
  return true;
}

bool frmControl::readRange(ComboBox& combo, const char* openMarker, float& value, bool& open) {
  value = 0;
  open = combo.Text() == openMarker;
  if (open) return true;
  std::string text = combo.Text();
  if (!evaluateConstantText(text)) return false;
  combo.setText(text);
  return textToSingle(text, value) == kOk;
}

bool frmControl::readRanges(PlotRange& range) {
  // All four, even after one has failed, so each shows its value.
  bool ok = readRange(cboRangeX1, kOpenLow, range.xFrom, range.xFromOpen);
  ok = readRange(cboRangeX2, kOpenHigh, range.xTo, range.xToOpen) && ok;
  ok = readRange(cboRangeY1, kOpenLow, range.yFrom, range.yFromOpen) && ok;
  ok = readRange(cboRangeY2, kOpenHigh, range.yTo, range.yToOpen) && ok;
  return ok;
}

bool frmControl::familyRulesHold(bool listTextFits) {
  bool entryValid = true;
  if (funcFamily == 0 && (funcForm == 0 || funcForm == 1)) {
    // A horizontal line cannot be swept along y.
    if (paramK == 0 && chky.Value() == 1) chky.setValue(0);
  } else if (funcFamily == kCustomFamily) {
    entryValid = customExpressionPasses();
  } else if (const std::optional<std::string> rule = validityMessage(*this)) {
    message(*rule, kTitleParameterError);
    entryValid = false;
  } else if (funcFamily == 0 && funcForm == 2) {
    // Ax+By+C=0: a vertical line (B = 0) needs the y sweep, a horizontal one the x.
    if (paramA == 0 && chky.Value() == 1) {
      chky.setValue(0);
    } else if (paramB == 0 && chky.Value() == 0) {
      chky.setValue(1);
    }
  }
  // a², b² or 2p beyond single precision: the entry could be neither listed nor stored.
  if (entryValid && !listTextFits) {
    message("参数过大", kTitleParameterError);
    entryValid = false;
  }
  return entryValid;
}

bool frmControl::customExpressionPasses() {
  if (!bracketsBalanced(expression)) {
    message("括号错误", kTitleError);
    return false;
  }
  // Eleven trials at random x, alternately in [0, 100) and (−100, 0].
  for (loopCounter = 0; loopCounter <= 10; ++loopCounter) {
    const double r = static_cast<double>(program_.services.random->next());
    const double sign = loopCounter % 2 == 0 ? 1.0 : -1.0;
    const float x = static_cast<float>(sign * 100.0 * r);
    Epc(*this, expression, singleText(x));
    switch (evalStatus) {
      case kOk:
      case kInvalidArgument:
      case kOverflow:
      case kDivisionByZero: break;  // a failure at a single point is allowed
      case kUndefinedToken: message("字符未定义", kTitleError); return false;
      default: message("表达式错误，请检查", kTitleError); return false;
    }
  }
  return true;
}

void frmControl::prepareCanvas() {
  Window& mainWindow = program_.main;
  if (!mainWindow.Visible()) mainWindow.Show();
  applyStyleToCanvas();
  canvas->setDrawWidth(sldPenWidth.Value());
  canvas->setAutoRedraw(chkAutoRedraw.Value() == 1);
  canvasHeight = roundedOrZero(std::fabs(static_cast<double>(canvas->ScaleHeight())));
  canvasWidth = roundedOrZero(std::fabs(static_cast<double>(canvas->ScaleWidth())));
  halfHeight = roundedOrZero(canvasHeight / 2.0);
  halfWidth = roundedOrZero(canvasWidth / 2.0);
  if (g_.zoomPending) {
    if (g_.zoomMode == 1) {
      // A value set by hand above half the maximum doubles to the maximum.
      sldZoom.setValue(std::min(sldZoom.Value() * 2, kZoomMax));
    } else if (g_.zoomMode == 2) {
      sldZoom.setValue(roundedOrZero(sldZoom.Value() / 2.0));
    }
  } else if (!g_.graphOnScreen) {
    centreView(g_, canvas->Width(), canvas->Height());
  }
  canvas->Scale(static_cast<float>(g_.viewLeft), static_cast<float>(g_.viewTop),
                static_cast<float>(g_.viewRight), static_cast<float>(g_.viewBottom));
  canvas->setForeColor(0);
  g_.graphOnScreen = true;
  // A scale of 0 would divide by zero everywhere: it counts as 1.
  g_.zoomScale = sldZoom.Value() == 0 ? 1 : sldZoom.Value();
}

void frmControl::coordinate() {
  if (labelled_ != nullptr) axisLabels_.clear();
  quorvel::coordinate(*canvas, g_, style_, labelled_ != nullptr ? &axisLabels_ : nullptr);
}

void frmControl::drawModernAxes() {
  // A live step draws over the kept picture, which has its axes.
  if (previewing_) return;
  // A redraw draws them once, under its first curve.
  if (redrawRunning_ && !axesPending_) return;
  axesPending_ = false;
  const AxisTicks ticks = niceTicksOn(*canvas, g_, style_.piTicks);
  if (style_.grid) drawNiceGrid(*canvas, g_, ticks);
  axisTexts_ = drawNiceAxes(*canvas, g_, ticks);
  if (redrawRunning_) return;  // the labels go over every curve, at the redraw's end
  const std::vector<LabelledCurve> noCurves;
  LabelSpace space(*canvas, noCurves);
  printFitting(*canvas, space, axisTexts_);
}

std::vector<std::int32_t> frmControl::tickedColours() const {
  std::vector<std::int32_t> colours;
  bool anyTicked = false;
  for (int i = 0; i < lstExist.ListCount(); ++i) anyTicked = anyTicked || lstExist.Selected(i);
  if (!anyTicked) return colours;  // nothing to read (and no file to open)
  ListFile file(program_.listPath());
  if (!file.isOpen()) return colours;
  for (int i = 0; i < lstExist.ListCount(); ++i) {
    if (!lstExist.Selected(i)) continue;
    if (const std::optional<FuncRecord> entry = file.read(i + 1)) colours.push_back(entry->color);
  }
  return colours;
}

void frmControl::draw(float xFrom, float xTo, float yFrom, float yTo, bool intOnly) {
  // The readable palette counts the colours of the ticked curves (a replay keeps its own).
  std::vector<std::int32_t> ticked;
  if (style_.modern && !g_.redrawing && chkAutoColor.Value() != 0) ticked = tickedColours();
  PlotContext context{.canvas = *canvas,
                      .view = g_,
                      .curve = *this,
                      .eval = *this,
                      .points = *this,
                      .halfWidth = halfWidth,
                      .halfHeight = halfHeight,
                      .redrawing = g_.redrawing,
                      .listIndex = lstExist.ListIndex(),
                      .penColor = g_.penColor,
                      .progress = program_.main.ProgressBarWorking,
                      .drawnDots = labelled_ != nullptr ? &curveDots_ : nullptr,
                      .tickedColours = &ticked};
  const PlotOptions options{.level = sldLevel.Value(),
                            .link = chkLink.Value() == 1,
                            .skip = chkSkip.Value() == 1,
                            .fixx = chkfixx.Value() == 1,
                            .autoColor = chkAutoColor.Value() != 0,
                            .yDriven = chky.Value() == 1,
                            .smooth = style_.smooth,
                            .toEdges = style_.modern,
                            .readablePalette = style_.modern};
  const PlotRange range{.xFrom = xFrom,
                        .xTo = xTo,
                        .yFrom = yFrom,
                        .yTo = yTo,
                        .xFromOpen = cboRangeX1.Text() == kOpenLow,
                        .xToOpen = cboRangeX2.Text() == kOpenHigh,
                        .yFromOpen = cboRangeY1.Text() == kOpenLow,
                        .yToOpen = cboRangeY2.Text() == kOpenHigh};
  quorvel::draw(context, options, range, intOnly);
}

void frmControl::recordEntry(const std::string& text) {
  // A live curve is drawn, never stored.
  if (previewing_) {
    g_.zoomPending = false;
    return;
  }
  // A replay only repaints. A pending zoom has been applied above and is done with;
  // it does not keep a new curve (or an opened file's record) out of the list, where
  // the curve would be lost at the next repaint.
  if (g_.redrawing && !g_.listFromFile) {
    g_.redrawing = false;
    g_.zoomPending = false;
    return;
  }
  g_.zoomPending = false;
  if (g_.listFromFile) {
    g_.redrawing = false;
    addTickedLine(text);
    return;
  }
  addTickedLine(text);
  storeEntry();
}

void frmControl::addTickedLine(const std::string& text) {
  lstExist.AddItem(text);
  lstExist.setSelected(lstExist.ListCount() - 1, true);
}

FuncRecord frmControl::entryOfPanel() const {
  FuncRecord entry;
  entry.family = funcFamily;
  entry.form = funcForm;
  if (funcFamily == kCustomFamily) {
    entry.para1 = txtExpression.Text();  // as typed, not lower-cased
    entry.zeroPara23 = true;
  } else {
    entry.para1 = txtParameter[1].Text();
    entry.para2 = txtParameter[2].Text();
    entry.para3 = txtParameter[3].Text();
  }
  entry.color = g_.penColor;
  entry.rangeX1 = cboRangeX1.Text();
  entry.rangeX2 = cboRangeX2.Text();
  entry.rangeY1 = cboRangeY1.Text();
  entry.rangeY2 = cboRangeY2.Text();
  entry.intX = chkIntX.Value();
  return entry;
}

bool frmControl::entryFitsItsFields() {
  FuncRecord entry = entryOfPanel();
  if (const std::optional<std::string> problem = fitStoredTexts(entry)) {
    message(*problem, kTitleError);
    return false;
  }
  return true;
}

bool frmControl::storeEntry() {
  // The colour as the plotter left it; the texts as their fields hold them (checked
  // before the curve was drawn).
  listEntry = entryOfPanel();
  fitStoredTexts(listEntry);
  bool written = false;
  {
    ListFile file(program_.listPath());
    written = file.isOpen() && file.write(g_.funcCount, listEntry) && file.flush();
  }
  if (!written) {
    // Keep one list line per record: the line just added goes again.
    lstExist.RemoveItem(lstExist.ListCount() - 1);
    message("写入函数列表文件错误", kTitleError);
    return false;
  }
  ++g_.funcCount;
  return true;
}

}  // namespace quorvel
