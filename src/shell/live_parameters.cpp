#include "shell/live_parameters.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <numeric>
#include <string_view>

#include "eval/expression_codes.h"

namespace quorvel {

namespace {

// How far a slider reaches on either side of the value it starts from.
constexpr double kHalfRange = 5;
constexpr double kStep = 0.1;
// A range end moves in twelfths of π, up to two turns either way.
constexpr int kPiDivisions = 12;
constexpr int kPiStepsEitherWay = 2 * kPiDivisions;

// A box's caption without its equals sign: "ｋ ＝" gives "ｋ".
std::string nameOf(const std::string& caption) {
  std::string name = caption;
  for (const std::string_view tail : {"＝", " "}) {
    while (name.size() >= tail.size() &&
           name.compare(name.size() - tail.size(), tail.size(), tail) == 0) {
      name.erase(name.size() - tail.size());
    }
  }
  return name;
}

double numberOr0(const std::string& text) {
  if (text.empty()) return 0;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size() && std::isfinite(v) ? v : 0;
}

LiveParameter around(double value, bool whole) {
  LiveParameter p;
  p.whole = whole;
  p.step = whole ? 1 : kStep;
  p.value = whole ? std::nearbyint(value) : value;
  p.min = std::floor(p.value - kHalfRange);
  p.max = std::ceil(p.value + kHalfRange);
  return p;
}

bool isLetter(char c) { return c >= 'a' && c <= 'z'; }

// The length of the function name or constant that starts at `at`, or 0.
std::size_t nameAt(std::string_view text, std::size_t at) {
  std::size_t longest = 0;
  const auto fits = [&](std::string_view name) {
    if (text.substr(at, name.size()) == name) longest = std::max(longest, name.size());
  };
  for (const expression_codes::Token& t : expression_codes::kTokens) {
    if (!t.text.empty() && isLetter(t.text.front())) fits(t.text);
  }
  fits(expression_codes::kPiName);
  return longest;
}

}  // namespace

std::vector<char> expressionLetters(const std::string& expression) {
  std::vector<char> letters;
  std::string lower = expression;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (std::size_t i = 0; i < lower.size();) {
    if (const std::size_t name = nameAt(lower, i); name > 0) {
      i += name;
      continue;
    }
    const char c = lower[i];
    if ((c == 'a' || c == 'b' || c == 'c') &&
        std::find(letters.begin(), letters.end(), c) == letters.end()) {
      letters.push_back(c);
    }
    ++i;
  }
  return letters;
}

std::vector<LiveParameter> liveParametersOf(int family, int formIndex,
                                            const std::vector<std::string>& boxTexts,
                                            const std::string& expression) {
  std::vector<LiveParameter> out;
  if (family == kCustomFamily) {
    for (const char letter : expressionLetters(expression)) {
      LiveParameter p = around(1, false);
      p.name = std::string(1, letter);
      p.letter = letter;
      out.push_back(p);
    }
    return out;
  }
  const FormInfo* info = form(family, formIndex);
  if (info == nullptr) return out;
  for (int box = 1; box <= 4; ++box) {
    const std::size_t i = static_cast<std::size_t>(box - 1);
    const BoxSlot& slot = box == 4 ? info->fourth : info->boxes[i];
    if (slot.slot == Slot::None) continue;
    LiveParameter p =
        around(i < boxTexts.size() ? numberOr0(boxTexts[i]) : 0, slot.slot == Slot::H);
    p.name = nameOf(slot.caption);
    p.box = box;
    out.push_back(p);
  }
  return out;
}

std::vector<LiveParameter> letterLiveParameters(const std::vector<std::string>& expressions) {
  std::vector<LiveParameter> out;
  for (const std::string& expression : expressions) {
    for (const char letter : expressionLetters(expression)) {
      if (std::any_of(out.begin(), out.end(),
                      [letter](const LiveParameter& q) { return q.letter == letter; })) {
        continue;
      }
      LiveParameter p = around(1, false);
      p.name = std::string(1, letter);
      p.letter = letter;
      out.push_back(p);
    }
  }
  return out;
}

std::vector<LiveParameter> planeLiveParameters(const std::string& parameter,
                                               const std::vector<std::string>& expressions,
                                               double from, double to) {
  std::vector<LiveParameter> out = letterLiveParameters(expressions);
  const double piStep = std::numbers::pi / kPiDivisions;
  for (const int end : {1, 2}) {
    const double value = end == 1 ? from : to;
    const double steps = std::isfinite(value) ? std::nearbyint(value / piStep) : 0;
    LiveParameter p;
    p.name = parameter + (end == 1 ? " 起点" : " 终点");
    p.rangeEnd = end;
    p.piSteps = true;
    p.step = piStep;
    p.min = (steps - kPiStepsEitherWay) * piStep;
    p.max = (steps + kPiStepsEitherWay) * piStep;
    p.value = steps * piStep;
    out.push_back(p);
  }
  return out;
}

double snappedValue(const LiveParameter& p, double value) {
  const double step = p.step > 0 ? p.step : kStep;
  const double steps = std::nearbyint((value - p.min) / step);
  return std::clamp(p.min + steps * step, p.min, p.max);
}

namespace {

// The multiple of π nearest the value, in twelfths, as a range box reads it.
std::string piMultipleText(double value) {
  const auto twelfths =
      static_cast<long long>(std::nearbyint(value / (std::numbers::pi / kPiDivisions)));
  if (twelfths == 0) return "0";
  const long long common = std::gcd(twelfths, static_cast<long long>(kPiDivisions));
  const long long over = twelfths / common, under = kPiDivisions / common;
  std::string text = over == 1 ? "" : over == -1 ? "-" : std::to_string(over);
  text += "pi";
  if (under > 1) text += "/" + std::to_string(under);
  return text;
}

}  // namespace

std::string parameterText(const LiveParameter& p, double value) {
  if (p.whole) return std::to_string(static_cast<long long>(std::nearbyint(value)));
  if (p.piSteps) return piMultipleText(value);
  int decimals = 0;
  for (double step = p.step; decimals < 6 && std::fabs(step - std::nearbyint(step)) > 1e-9;
       step *= 10) {
    ++decimals;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string out = text;
  // 2.50 is written 2.5, 2.0 is 2, and −0 is 0.
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  if (out == "-0") out = "0";
  return out;
}

std::string substitutedExpression(const std::string& expression,
                                  const std::vector<LiveParameter>& parameters) {
  std::string lower = expression;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string out;
  for (std::size_t i = 0; i < expression.size();) {
    if (const std::size_t name = nameAt(lower, i); name > 0) {
      out += expression.substr(i, name);
      i += name;
      continue;
    }
    const auto p = std::find_if(parameters.begin(), parameters.end(),
                                [c = lower[i]](const LiveParameter& q) { return q.letter == c; });
    if (p != parameters.end() && p->letter != 0) {
      out += "(" + parameterText(*p, p->value) + ")";
    } else {
      out += expression[i];
    }
    ++i;
  }
  return out;
}

double sweepValue(const LiveParameter& p, double seconds, double secondsPerSweep) {
  if (!(secondsPerSweep > 0) || !(p.max > p.min)) return snappedValue(p, p.min);
  const double phase = std::fmod(std::max(0.0, seconds) / secondsPerSweep, 2.0);
  const double share = phase <= 1 ? phase : 2 - phase;  // up, then back down
  return snappedValue(p, p.min + share * (p.max - p.min));
}

}  // namespace quorvel
