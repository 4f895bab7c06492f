// The draw command: the 绘制 page's curve read by the list's one reader (the checks
// in their order, the first class of problem reported, then whether it fits its list
// entry), its boxes showing what was read, then drawn over the picture with the settings page's
// options and added to the list as a new entry.
#include "catalogue/curve_rules.h"
#include "catalogue/families.h"
#include "document/curve_painter.h"
#include "document/form_entry.h"
#include "document/parametric_entry.h"
#include "document/typed_record.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

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
  // The hourglass for the whole run.
  setMousePointer(kHourglass);
  runDrawSteps();
  setMousePointer(kDefaultPointer);
  program_.main.ProgressBarWorking.setVisible(false);
}

void frmControl::runDrawSteps() {
  if (const std::optional<PlaneKind> kind = chosenPlaneKind()) return runPlaneDrawSteps(*kind);
  if (const std::optional<MarkedKind> kind = chosenMarkedKind()) return runMarkedDrawSteps(*kind);
  if (regionChosen()) return runRegionDrawSteps();
  if (!takeChosenFamily()) return;
  const TypedReading typed = readPanelCurve();
  const EntryReading& reading = typed.reading;
  showReadTexts(reading);
  // Box 4 shows its value once read (the form curves keep no width to fit).
  if (!typed.storedPara4.empty()) txtParameter[4].setText(typed.storedPara4);
  if (!reading.curve) {
    // The place is selected first, so it shows beside the message and keeps the focus
    // when the message is closed.
    if (!previewing_) selectFault(typed.failure);
    message(reading.refusal.message, reading.refusal.title, typed.detail);
    return;
  }
  const EntryCurve& curve = *reading.curve;
  static_cast<CurveParams&>(*this) = curve.params;
  // A line may need the other sweep: Ｙ驱动 follows it.
  if (curve.sweepAlongY) {
    const int wanted = *curve.sweepAlongY ? 1 : 0;
    if (chky.Value() != wanted) chky.setValue(wanted);
  }

  Window& mainWindow = program_.main;
  if (!mainWindow.Visible()) mainWindow.Show();
  const DrawSettings settings = drawSettings();
  DrawState state = drawState();
  CurvePainter painter(*canvas, settings, state);
  const std::int32_t colour = painter.draw(curve, newCurveDrawing());
  takeDrawState(state);
  g_.penColor = colour;
  const CanvasSize& size = painter.canvasSize();
  canvasHeight = size.height;
  canvasWidth = size.width;
  halfHeight = size.halfHeight;
  halfWidth = size.halfWidth;

  // A live curve is drawn, never stored.
  if (previewing_) return;
  FuncRecord stored = typed.stored;
  stored.color = colour;
  const int linesBefore = lstExist.ListCount();
  storeEntry(stored, typed.storedPara4, curve.text, curve.printed);
  // The grid lies under every curve and a curve's name must know where the others
  // run: with either, a new curve is drawn again with the whole list.
  if (settings.style.needsWholeList() && lstExist.ListCount() > linesBefore) cmdRedraw_Click();
}

bool frmControl::takeChosenFamily() {
  const int chosen = cboFuncName.ListIndex();
  if (chosen < 0 || chosen >= kFamilyCount) return false;  // the panel has not loaded yet
  funcFamily = static_cast<std::int16_t>(chosen);
  funcForm = static_cast<std::int16_t>(cboStyle[chosen].ListIndex());
  return true;
}

FuncRecord frmControl::typedRecord() const {
  FuncRecord r;
  r.family = funcFamily;
  r.form = funcForm;
  if (funcFamily == kCustomFamily) {
    r.para1 = txtExpression.Text();  // as typed, not lower-cased
    r.zeroPara23 = true;
  } else {
    r.para1 = txtParameter[1].Text();
    r.para2 = txtParameter[2].Text();
    r.para3 = txtParameter[3].Text();
  }
  r.color = g_.penColor;
  r.rangeX1 = cboRangeX1.Text();
  r.rangeX2 = cboRangeX2.Text();
  r.rangeY1 = cboRangeY1.Text();
  r.rangeY2 = cboRangeY2.Text();
  r.intX = chkIntX.Value();
  return r;
}

void frmControl::selectFault(const FirstInputFailure& failure) {
  if (!failure.any()) return;
  TextBox* box = nullptr;
  switch (failure.box()) {
    case InputBox::kParameter1: box = &txtParameter[1]; break;
    case InputBox::kParameter2: box = &txtParameter[2]; break;
    case InputBox::kParameter3: box = &txtParameter[3]; break;
    case InputBox::kParameter4: box = &txtParameter[4]; break;
    case InputBox::kExpression: box = &txtExpression; break;
    case InputBox::kRangeX1:
    case InputBox::kRangeX2:
    case InputBox::kRangeY1:
    case InputBox::kRangeY2: return;  // the range combos keep no selection
  }
  box->requestFocus();
  if (const std::optional<TypedPlace>& place = failure.place()) {
    box->setSelection(static_cast<int>(place->character), static_cast<int>(place->length));
  }
}

void frmControl::showReadTexts(const EntryReading& reading) {
  const FuncRecord& t = reading.texts;
  if (funcFamily == kCustomFamily) {
    // The parameter boxes under the expression box are not read; an empty one still
    // shows 0, as it always has.
    for (int box = 1; box <= 3; ++box) {
      if (txtParameter[box].Text().empty()) txtParameter[box].setText("0");
    }
  } else {
    txtParameter[1].setText(t.para1);
    txtParameter[2].setText(t.para2);
    txtParameter[3].setText(t.para3);
  }
  cboRangeX1.setText(t.rangeX1);
  cboRangeX2.setText(t.rangeX2);
  cboRangeY1.setText(t.rangeY1);
  cboRangeY2.setText(t.rangeY2);
}

PlotOptions frmControl::panelOptions() const {
  const PictureStyle style = pictureStyle();
  return PlotOptions{.level = sldLevel.Value(),
                     .link = chkLink.Value() == 1,
                     .skip = chkSkip.Value() == 1,
                     .fixx = chkfixx.Value() == 1,
                     .autoColor = chkAutoColor.Value() != 0,
                     .yDriven = chky.Value() == 1,
                     .smooth = style.smooth,
                     .toEdges = style.modern,
                     .readablePalette = style.modern};
}

CurveDrawing frmControl::newCurveDrawing() const {
  CurveDrawing how;
  how.options = panelOptions();
  how.ownColour = false;
  how.listIndex = lstExist.ListIndex();
  how.overKeptPicture = previewing_;
  // The readable palette counts the colours of the ticked curves.
  if (how.options.readablePalette && how.options.autoColor) how.tickedColours = tickedColours();
  return how;
}

std::vector<std::int32_t> frmControl::tickedColours() const {
  std::vector<std::int32_t> colours;
  for (const ListEntry& entry : document_.entries()) {
    if (!entry.ticked) continue;
    if (const FuncRecord* record = curveRecord(entry)) colours.push_back(record->color);
    if (const std::optional<std::int32_t> colour = planeColour(entry)) colours.push_back(*colour);
  }
  return colours;
}

void frmControl::storeEntry(const FuncRecord& record, const std::string& para4,
                            const std::string& line, const std::string& printed) {
  FunctionList next = document_;
  next.add(ListEntry{curveContent(record, para4), true, line, printed});
  if (!changeDocument(std::move(next), static_cast<int>(document_.size()))) {
    message("写入函数列表文件错误", kTitleError);
    return;
  }
  g_.funcCount = static_cast<std::int32_t>(document_.size()) + 1;
}

}  // namespace quorvel
