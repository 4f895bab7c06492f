#include "shell/live_controller.h"

#include "shell/frm_control.h"
#include "shell/program.h"

namespace quorvel {

void LiveController::start(int line) {
  end();
  program_.panel.beginLive(line);
  if (!program_.panel.Live()) return;
  active_ = true;
  line_ = line;
  const int family = program_.panel.cboFuncName.ListIndex();
  const int formIndex = family >= 0 ? program_.panel.cboStyle[family].ListIndex() : 0;
  expression_ = program_.panel.txtExpression.Text();
  parameters_ = liveParametersOf(
      family, formIndex,
      {program_.panel.txtParameter[1].Text(), program_.panel.txtParameter[2].Text(),
       program_.panel.txtParameter[3].Text()},
      expression_);
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
  } else {
    // Too long to be stored, it is not drawn either: the draw command says so.
    program_.panel.txtExpression.setText(substitutedExpression(expression_, parameters_));
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
  program_.panel.endLive();
}

}  // namespace quorvel
