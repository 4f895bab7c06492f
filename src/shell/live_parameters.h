#pragma once
// The parameters of one curve as sliders: which parameters a form uses (or which
// letters a, b, c an expression of one's own holds), a slider's range and step
// around the current value, the text a slider's value gives its box, the expression
// with the letters' values in their place, and the sweep that plays a parameter.
#include <string>
#include <vector>

#include "catalogue/families.h"

namespace quorvel {

struct LiveParameter {
  std::string name;  // as the panel writes it: "ｋ", "ω", the letter "a", or "t 起点"
  int box = 0;       // the parameter box 1..4 it feeds; 0 for a letter or a range end
  char letter = 0;   // 'a', 'b' or 'c' of an expression
  int rangeEnd = 0;  // 1 or 2: the start or end of a parametric or polar curve's range
  double min = 0, max = 0, step = 0.1, value = 0;
  bool whole = false;    // h of the vertex form: whole numbers only
  bool piSteps = false;  // a range end: steps of π/12, written as multiples of π
};

// The parameters the form uses, with ranges around the values of the box texts (a
// text that is not a number counts as 0); for family 13, the letters a, b and c
// standing alone in the expression, each starting at 1.
std::vector<LiveParameter> liveParametersOf(int family, int form,
                                            const std::vector<std::string>& boxTexts,
                                            const std::string& expression);

// The letters a, b and c standing alone in the texts, each from 1 (an equation's,
// which has no range).
std::vector<LiveParameter> letterLiveParameters(const std::vector<std::string>& expressions);
// The sliders of a parametric or polar curve: the letters a, b and c in the texts of its
// functions (each starting at 1), then the start and end of its range (the parameter's
// letter "t" or "θ" in their names), in steps of π/12 within 2π of their values.
std::vector<LiveParameter> planeLiveParameters(const std::string& parameter,
                                               const std::vector<std::string>& expressions,
                                               double from, double to);

// The letters a, b and c that stand alone as tokens of the expression, in the order
// they first appear (not the a of abs, the c of cos or ctg, and so on).
std::vector<char> expressionLetters(const std::string& expression);

// The value as its box shows it: a whole number for whole parameters, a multiple of
// π for a range end ("0", "pi/2", "-5pi/6", "2pi"), otherwise as many decimals as the
// step has.
std::string parameterText(const LiveParameter& p, double value);

// The value snapped to the parameter's step and range.
double snappedValue(const LiveParameter& p, double value);

// The expression with each letter replaced by its value in brackets, as it is drawn
// and stored (the draw command refuses it when it is too long to be stored).
std::string substitutedExpression(const std::string& expression,
                                  const std::vector<LiveParameter>& parameters);

// The value a playing parameter has after `seconds`: from its minimum to its maximum
// in `secondsPerSweep` and back, again and again, on its steps.
double sweepValue(const LiveParameter& p, double seconds, double secondsPerSweep);

}  // namespace quorvel
