#include "shell/live_controller.h"

#include <cmath>
#include <numbers>

#include "document/typed_record.h"
#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

void LiveController::start(int line) {
  end();
  program_.panel.beginLive(line);
  if (!program_.panel.Live()) return;
  active_ = true;
  line_ = line;
  frmControl& panel = program_.panel;
  const int family = panel.cboFuncName.ListIndex();
  letterTexts_.clear();
  if (panel.chosenPlaneKind() == PlaneKind::kEquation) {
    letterTexts_.push_back({&panel.txtParameter[1], panel.txtParameter[1].Text()});
    parameters_ = letterLiveParameters({panel.txtParameter[1].Text()});
  } else if (const std::optional<PlaneKind> plane = panel.chosenPlaneKind()) {
    // x(t) and y(t), or ρ(θ); the range's ends as the boxes evaluate them.
    std::vector<std::string> texts;
    for (int box = 1; box <= (*plane == PlaneKind::kPolar ? 1 : 2); ++box) {
      letterTexts_.push_back({&panel.txtParameter[box], panel.txtParameter[box].Text()});
      texts.push_back(panel.txtParameter[box].Text());
    }
    double from = 0, to = 0;
    if (typedNumber(panel.cboRangeX1.Text(), from) != kOk) from = 0;
    if (typedNumber(panel.cboRangeX2.Text(), to) != kOk) to = 2 * std::numbers::pi;
    parameters_ = planeLiveParameters(parameterName(*plane), texts, from, to);
  } else {
    const int formIndex =
        family >= 0 && family < kFamilyCount ? panel.cboStyle[family].ListIndex() : 0;
    if (family == kCustomFamily) {
      letterTexts_.push_back({&panel.txtExpression, panel.txtExpression.Text()});
    }
    parameters_ = liveParametersOf(family, formIndex,
                                   {panel.txtParameter[1].Text(), panel.txtParameter[2].Text(),
                                    panel.txtParameter[3].Text(), panel.txtParameter[4].Text()},
                                   panel.txtExpression.Text());
  }
  // The page's texts become the sliders' values; the curve is drawn as they say.
  for (std::size_t i = 0; i < parameters_.size(); ++i) setValue(i, parameters_[i].value);
  if (parameters_.empty()) program_.panel.liveStep();
}

std::string LiveController::setValue(std::size_t index, double value) {
  if (!active_ || index >= parameters_.size()) return {};
  LiveParameter& p = parameters_[index];
  p.value = snappedValue(p, value);
  if (p.box > 0) {
    program_.panel.txtParameter[p.box].setText(parameterText(p, p.value));
  } else if (p.rangeEnd > 0) {
    (p.rangeEnd == 1 ? program_.panel.cboRangeX1 : program_.panel.cboRangeX2)
        .setText(parameterText(p, p.value));
  } else {
    // Too long to be stored, it is not drawn either: the draw command says so.
    for (const LetterText& t : letterTexts_) {
      t.box->setText(substitutedExpression(t.text, parameters_));
    }
  }
  return program_.panel.liveStep();
}

void LiveController::setRange(std::size_t index, double min, double max, double step) {
  if (index >= parameters_.size() || !(max > min) || !(step > 0)) return;
  LiveParameter& p = parameters_[index];
  p.min = min;
  p.max = max;
  p.step = p.whole ? std::max(1.0, std::nearbyint(step)) : step;
  p.value = snappedValue(p, p.value);
}

void LiveController::play(std::size_t index, double secondsPerSweep) {
  if (!active_ || index >= parameters_.size() || !(secondsPerSweep > 0)) return;
  played_ = index;
  secondsPerSweep_ = secondsPerSweep;
  playing_ = true;
}

std::string LiveController::tick(double seconds) {
  if (!playing_ || played_ >= parameters_.size()) return {};
  const double value = sweepValue(parameters_[played_], seconds, secondsPerSweep_);
  if (value == parameters_[played_].value) return {};  // the same step: nothing to draw
  return setValue(played_, value);
}

bool LiveController::keep() {
  if (!active_) return false;
  frmControl& panel = program_.panel;
  bool stored = false;
  if (line_ >= 0) {
    stored = panel.replaceLiveLine();
  } else {
    const ListState before = panel.listState();
    panel.cmdDraw.click();
    stored = !before.sameList(panel.listState());
  }
  // A refused curve (its message shown) leaves the session going.
  if (stored) end();
  return stored;
}

void LiveController::cancel() { end(); }

void LiveController::end() {
  playing_ = false;
  if (!active_) return;
  active_ = false;
  parameters_.clear();
  letterTexts_.clear();
  program_.panel.endLive();
}

}  // namespace quorvel
