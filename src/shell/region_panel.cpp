// 不等式区域 on the 绘制 page: the inequalities' wide box (one a line, or separated by
// ；) and the objective's box take the place of the parameter boxes and the ranges;
// 绘制 reads them with the entry's own reader (the one `quorvel add --region` uses),
// draws the region as the list draws it and adds it; a region's list line comes back
// into the boxes for 替换.
#include <string>
#include <utility>

#include "document/region_entry.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

namespace {

// Where the boxes lie (twips): the inequalities' box where the parameters and ranges
// were, four lines high, the objective's under it, both ending above 替换.
constexpr int kCaptionLeft = 90, kBoxLeft = 1170, kBoxWidth = 3630;
constexpr int kInequalitiesTop = 2565, kInequalitiesHeight = 1110;
constexpr int kObjectiveTop = 3780, kObjectiveHeight = 270, kObjectiveCaptionWidth = 1200;

}  // namespace

bool frmControl::regionChosen() const { return cboFuncName.ListIndex() == kRegionFamily; }

void frmControl::addRegionFamily() {
  // Its number is the combo's item after 点.
  cboFuncName.AddItem(kRegionFamilyName);
}

void frmControl::placeRegionControls() {
  RegionControls& r = region;
  r.lblInequalities.setBounds(kCaptionLeft, kInequalitiesTop + 45, 0, 0);
  r.lblInequalities.setCaption("不等式");
  r.txtInequalities.setBounds(kBoxLeft, kInequalitiesTop, kBoxWidth, kInequalitiesHeight);
  r.txtInequalities.setToolTipText(
      "一个或几个不等式，每行一个或用“；”隔开，如 x + y ≤ 4；x ≥ 0；y ≥ 0，"
      "或 y > x²、0 ≤ x ≤ 3（≤ 也可写作 <=）");
  r.lblObjective.setBounds(kCaptionLeft, kObjectiveTop + 45, 0, 0);
  r.lblObjective.setCaption("目标函数 z =");
  r.txtObjective.setBounds(kCaptionLeft + kObjectiveCaptionWidth, kObjectiveTop,
                           kBoxLeft + kBoxWidth - kCaptionLeft - kObjectiveCaptionWidth,
                           kObjectiveHeight);
  r.txtObjective.setToolTipText("线性规划的目标函数（可不填），如 2x + y");
  for (Control* c : r.all()) c->setVisible(false);
}

void frmControl::showRegionBoxes() {
  funcFamily = static_cast<std::int16_t>(kRegionFamily);
  funcForm = 0;
  for (ComboBox& style : cboStyle) style.setVisible(false);
  txtExpression.setLeft(-3000);  // out of sight, its text kept
  lblParameter[4].setVisible(false);
  txtParameter[4].setVisible(false);
  for (Control* c : parameterAndRangeControls()) c->setVisible(false);
  for (Control* c : region.all()) c->setVisible(true);
  // A new region starts from empty boxes.
  region.txtInequalities.setText("");
  region.txtObjective.setText("");
  regionShown_ = true;
}

void frmControl::hideRegionBoxes() {
  if (!regionShown_) return;
  regionShown_ = false;
  for (Control* c : region.all()) c->setVisible(false);
  // The item chosen next hides again what it does not use.
  for (Control* c : parameterAndRangeControls()) c->setVisible(true);
}

void frmControl::runRegionDrawSteps() {
  TypedRegionReading typed = readTypedRegion(
      RegionCurve{region.txtInequalities.Text(), region.txtObjective.Text(), g_.penColor});
  if (!typed.entry) {
    const std::string& message_ = typed.reading.refusal.message;
    if (!previewing_) {
      (message_.rfind("目标函数", 0) == 0 ? region.txtObjective : region.txtInequalities)
          .requestFocus();
    }
    message(message_, typed.reading.refusal.title);
    return;
  }
  drawAndAddEntry(*typed.reading.curve, std::move(*typed.entry));
}

bool frmControl::loadRegionLineOntoPage(int line) {
  if (line < 0 || static_cast<std::size_t>(line) >= document_.size()) return false;
  const auto* curve =
      std::get_if<RegionCurve>(&document_.at(static_cast<std::size_t>(line)).content);
  if (curve == nullptr) return false;
  // The item as a user picks it (which empties the boxes), then the line's texts, one
  // inequality a line.
  if (cboFuncName.ListIndex() == kRegionFamily) {
    cboFuncName_Click();
  } else {
    cboFuncName.setListIndex(kRegionFamily);
  }
  std::string text;
  for (std::size_t at = 0; at < curve->text.size(); ++at) {
    if (curve->text[at] == ';') {
      text += '\n';
      while (at + 1 < curve->text.size() && curve->text[at + 1] == ' ') ++at;
    } else {
      text += curve->text[at];
    }
  }
  region.txtInequalities.setText(text);
  region.txtObjective.setText(curve->objective);
  g_.penColor = curve->colour;
  // Its own colour, chosen as with the colour button.
  chkAutoColor.setValue(0);
  return true;
}

}  // namespace quorvel
