// Parametric and polar curves and equations on the 绘制 page: after the families,
// 参数方程 and 极坐标方程 turn the parameter boxes into wide boxes for x(t), y(t) or
// ρ(θ) and the x range into the range of t or θ; 方程 takes one wide box and no range,
// as it is drawn over the whole picture. 绘制 reads them with the entry's own reader,
// draws the curve as the list draws it and adds it to the list. A list line of these
// kinds comes back into the same boxes for 替换, and takes a new colour.
#include "document/curve_painter.h"
#include "document/equation_entry.h"
#include "document/parametric_entry.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

constexpr int kWideBoxLeft = 600, kWideBoxWidth = 4200;
constexpr int kFirstBoxTop = 2565, kSecondBoxTop = 3000;
constexpr int kCaptionLeft = 90;

// The controls the plane kinds lay out anew, in the order of ClassicLayout's bounds.
template <class Form>
auto laidOutControls(Form& f) {
  return std::array<Control*, 6>{&f.lblParameter[1], &f.lblParameter[2], &f.lblParameter[3],
                                 &f.txtParameter[1], &f.txtParameter[2], &f.txtParameter[3]};
}

// The y range's row, which these kinds do not use.
template <class Form>
auto yRangeRow(Form& f) {
  return std::array<Control*, 7>{&f.imgRangeY, &f.lblRangeY,  &f.lblOpenY, &f.cboRangeY1,
                                 &f.lblCommaY, &f.cboRangeY2, &f.lblCloseY};
}

// The x range's row, which an equation does not use.
template <class Form>
auto xRangeRow(Form& f) {
  return std::array<Control*, 7>{&f.imgRangeX, &f.lblRangeX,  &f.lblOpenX, &f.cboRangeX1,
                                 &f.lblCommaX, &f.cboRangeX2, &f.lblCloseX};
}

int familyOfKind(PlaneKind kind) {
  switch (kind) {
    case PlaneKind::kParametric: return kParametricFamily;
    case PlaneKind::kPolar: return kPolarFamily;
    case PlaneKind::kEquation: return kEquationFamily;
  }
  return kParametricFamily;
}

}  // namespace

std::optional<PlaneKind> frmControl::planeKindOfItem(int item) {
  if (item == kFamilyCount) return PlaneKind::kParametric;
  if (item == kFamilyCount + 1) return PlaneKind::kPolar;
  if (item == kEquationFamily) return PlaneKind::kEquation;
  return std::nullopt;
}

std::optional<PlaneKind> frmControl::chosenPlaneKind() const {
  return planeKindOfItem(cboFuncName.ListIndex());
}

void frmControl::addPlaneFamilies() {
  cboFuncName.AddItem(kParametricFamilyName);
  cboFuncName.AddItem(kPolarFamilyName);
  cboFuncName.AddItem(kEquationFamilyName);
}

void frmControl::showPlaneBoxes(PlaneKind kind) {
  if (!classicLayout_) {
    ClassicLayout saved;
    const auto controls = laidOutControls(*this);
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const Control& c = *controls[i];
      saved.bounds[i] = {c.Left(), c.Top(), c.Width(), c.Height()};
    }
    saved.rangeCaption = lblRangeX.Caption();
    classicLayout_ = saved;
  }
  funcFamily = static_cast<std::int16_t>(familyOfKind(kind));
  funcForm = 0;
  for (ComboBox& style : cboStyle) style.setVisible(false);
  txtExpression.setLeft(-3000);
  const bool polar = kind == PlaneKind::kPolar;
  lblParameter[1].setBounds(kCaptionLeft, kFirstBoxTop + 45, 0, 0);
  const bool equation = kind == PlaneKind::kEquation;
  lblParameter[1].setCaption(equation ? "方程" : polar ? "ρ ＝" : "ｘ＝");
  txtParameter[1].setBounds(kWideBoxLeft, kFirstBoxTop, kWideBoxWidth, 270);
  txtParameter[1].setVisible(true);
  lblParameter[2].setBounds(kCaptionLeft, kSecondBoxTop + 45, 0, 0);
  lblParameter[2].setCaption(polar || equation ? "" : "ｙ＝");
  lblParameter[2].setVisible(!polar && !equation);
  txtParameter[2].setBounds(kWideBoxLeft, kSecondBoxTop, kWideBoxWidth, 270);
  txtParameter[2].setVisible(!polar && !equation);
  lblParameter[3].setCaption("");
  txtParameter[3].setVisible(false);
  for (int box = 1; box <= 2; ++box) txtParameter[box].setText("");
  txtParameter[1].setToolTipText(equation ? "x 与 y 的方程，如 x^2/4+y^2=1、xy=1"
                                 : polar  ? "ρ(θ)：θ 的式子，如 2sin 3θ、1+cos θ"
                                          : "x(t)：t 的式子，如 3cos t");
  txtParameter[2].setToolTipText("y(t)：t 的式子，如 3sin t");
  lblRangeX.setCaption(polar ? "θ 的范围：" : "ｔ 的范围：");
  cboRangeX1.setText("0");
  cboRangeX2.setText("2π");
  for (Control* c : yRangeRow(*this)) c->setVisible(false);
  for (Control* c : xRangeRow(*this)) c->setVisible(!equation);
  chkIntX.setEnabled(false);
  chkIntX.setValue(0);
}

void frmControl::showClassicBoxes() {
  if (!classicLayout_) return;
  const auto controls = laidOutControls(*this);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& b = classicLayout_->bounds[i];
    controls[i]->setBounds(b[0], b[1], b[2], b[3]);
  }
  for (int box = 1; box <= 3; ++box) {
    lblParameter[box].setVisible(true);
    txtParameter[box].setVisible(true);
    txtParameter[box].setToolTipText("输入参数");
  }
  // x(t), y(t) or ρ(θ) is no parameter of a family.
  for (int box = 1; box <= 2; ++box) txtParameter[box].setText("");
  lblRangeX.setCaption(classicLayout_->rangeCaption);
  for (Control* c : yRangeRow(*this)) c->setVisible(true);
  for (Control* c : xRangeRow(*this)) c->setVisible(true);
  classicLayout_.reset();
}

void frmControl::runPlaneDrawSteps(PlaneKind kind) {
  TypedCurveReading typed;
  if (kind == PlaneKind::kEquation) {
    typed = readTypedEquation(EquationCurve{txtParameter[1].Text(), g_.penColor});
  } else if (kind == PlaneKind::kPolar) {
    PolarCurve curve;
    curve.rho = txtParameter[1].Text();
    curve.from = cboRangeX1.Text();
    curve.to = cboRangeX2.Text();
    curve.colour = g_.penColor;
    typed = readTypedPolar(curve);
  } else {
    ParametricCurve curve;
    curve.x = txtParameter[1].Text();
    curve.y = txtParameter[2].Text();
    curve.from = cboRangeX1.Text();
    curve.to = cboRangeX2.Text();
    curve.colour = g_.penColor;
    typed = readTypedParametric(curve);
  }
  if (!typed.entry) {
    if (!previewing_ && typed.fault) {
      // Both sides of an equation are in its one box, where the place is counted.
      TextBox* box = typed.fault->box == CurveBox::kFirst || kind == PlaneKind::kEquation
                         ? &txtParameter[1]
                     : typed.fault->box == CurveBox::kSecond ? &txtParameter[2]
                                                             : nullptr;
      if (box != nullptr) {
        box->requestFocus();
        if (typed.place) {
          box->setSelection(static_cast<int>(typed.place->character),
                            static_cast<int>(typed.place->length));
        }
      }
    }
    message(typed.reading.refusal.message, typed.reading.refusal.title, typed.detail);
    return;
  }
  drawAndAddEntry(*typed.reading.curve, std::move(*typed.entry));
}

void frmControl::drawAndAddEntry(const EntryCurve& curve, ListEntry entry) {
  Window& mainWindow = program_.main;
  if (!mainWindow.Visible()) mainWindow.Show();
  const DrawSettings settings = drawSettings();
  DrawState state = drawState();
  CurvePainter painter(*canvas, settings, state);
  const std::int32_t colour = painter.draw(curve, newCurveDrawing());
  takeDrawState(state);
  g_.penColor = colour;
  if (previewing_) return;

  setPlaneColour(entry, colour);
  const int linesBefore = lstExist.ListCount();
  FunctionList next = document_;
  next.add(std::move(entry));
  if (!changeDocument(std::move(next), static_cast<int>(document_.size()))) {
    message("写入函数列表文件错误", "错误");
    return;
  }
  g_.funcCount = static_cast<std::int32_t>(document_.size()) + 1;
  if (settings.style.needsWholeList() && lstExist.ListCount() > linesBefore) cmdRedraw_Click();
}

bool frmControl::loadPlaneLineOntoPage(int line) {
  if (line < 0 || static_cast<std::size_t>(line) >= document_.size()) return false;
  const ListEntry& entry = document_.at(static_cast<std::size_t>(line));
  const auto* parametric = std::get_if<ParametricCurve>(&entry.content);
  const auto* polar = std::get_if<PolarCurve>(&entry.content);
  const auto* equation = std::get_if<EquationCurve>(&entry.content);
  if (parametric == nullptr && polar == nullptr && equation == nullptr) return false;
  const PlaneKind kind = equation != nullptr ? PlaneKind::kEquation
                         : polar != nullptr  ? PlaneKind::kPolar
                                             : PlaneKind::kParametric;
  const int item = familyOfKind(kind);
  if (cboFuncName.ListIndex() == item) {
    cboFuncName_Click();
  } else {
    cboFuncName.setListIndex(item);
  }
  showPlaneBoxes(kind);
  if (equation != nullptr) {
    txtParameter[1].setText(equation->text);
    g_.penColor = equation->colour;
  } else if (polar != nullptr) {
    txtParameter[1].setText(polar->rho);
    cboRangeX1.setText(polar->from);
    cboRangeX2.setText(polar->to);
    g_.penColor = polar->colour;
  } else {
    txtParameter[1].setText(parametric->x);
    txtParameter[2].setText(parametric->y);
    cboRangeX1.setText(parametric->from);
    cboRangeX2.setText(parametric->to);
    g_.penColor = parametric->colour;
  }
  // Its own colour, chosen as with the colour button.
  chkAutoColor.setValue(0);
  return true;
}

bool frmControl::recolourPlaneLine(int line) {
  if (line < 0 || static_cast<std::size_t>(line) >= document_.size()) return false;
  const auto at = static_cast<std::size_t>(line);
  const EntryReading reading = readEntry(document_.at(at), randomNumbers());
  const ListEntry& entry = document_.at(at);
  if (!planeColour(entry)) return false;
  const std::int32_t old = (reading.curve ? reading.curve->colour : 0) & 0xFFFFFF;
  const std::int32_t colour = program_.services.colors->choose(old);
  if (colour == old) return true;
  asUndoStep([this, at, colour] {
    FunctionList next = document_;
    ListEntry recoloured = document_.at(at);
    setPlaneColour(recoloured, colour & 0xFFFFFF);
    next.replace(at, std::move(recoloured));
    if (!changeDocument(std::move(next), static_cast<int>(at))) {
      message("写入函数列表文件错误", "错误");
      return;
    }
    cmdRedraw_Click();
  });
  return true;
}

}  // namespace quorvel
