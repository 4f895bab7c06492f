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
  std::string name;  // as the panel writes it: "ｋ", "ω", or the letter "a"
  int box = 0;       // the parameter box 1..3 it feeds; 0 for a letter of an expression
  char letter = 0;   // 'a', 'b' or 'c' of an expression
  double min = 0, max = 0, step = 0.1, value = 0;
  bool whole = false;  // h of the vertex form: whole numbers only
};

// The parameters the form uses, with ranges around the values of the box texts (a
// text that is not a number counts as 0); for family 13, the letters a, b and c
// standing alone in the expression, each starting at 1.
std::vector<LiveParameter> liveParametersOf(int family, int form,
                                            const std::vector<std::string>& boxTexts,
                                            const std::string& expression);

// The letters a, b and c that stand alone as tokens of the expression, in the order
// they first appear (not the a of abs, the c of cos or ctg, and so on).
std::vector<char> expressionLetters(const std::string& expression);

// The value as its box shows it: a whole number for whole parameters, otherwise as
// many decimals as the step has.
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
