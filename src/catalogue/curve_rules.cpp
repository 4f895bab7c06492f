// List text, validity rules and bracket check of the draw command.
#include "catalogue/curve_rules.h"

#include <cmath>
#include <cstdint>

#include "catalogue/appended_forms.h"
#include "eval/number_text.h"
#include "eval/single_math.h"

namespace quorvel {
namespace {

// The square of a semi-axis as the list shows it: value² × 100 in single precision,
// rounded to a whole number (halves to even) and divided by 100 in double. nullopt
// when value² × 100 leaves single precision.
std::optional<double> squareInHundredths(float value) {
  const float square = value * value;
  const float hundredfold = square * 100.0f;
  if (!std::isfinite(hundredfold)) return std::nullopt;
  return roundHalfEven(static_cast<double>(hundredfold)) / 100.0;
}

// "x^2/" a² sign "y^2/" b² "=1" of the ellipse (sign "+") and hyperbola (sign "-").
std::optional<std::string> conicText(const CurveParams& c, const char* sign) {
  const auto aSquare = squareInHundredths(c.paramA);
  const auto bSquare = squareInHundredths(c.paramB);
  if (!aSquare || !bSquare) return std::nullopt;
  // a² goes through single precision again; b² keeps its double text ('0.25').
  return "x^2/" + numberText(static_cast<float>(*aSquare)) + sign + "y^2/" + doubleText(*bSquare) +
         "=1";
}

// The coefficient 2p or −2p of the parabola family, in single precision.
std::optional<std::string> parabolaCoefficient(float p, bool negative) {
  const float coefficient = (negative ? -2.0f : 2.0f) * p;
  if (!std::isfinite(coefficient)) return std::nullopt;
  return numberText(coefficient);  // −2 × 0 is a negative zero, written "0"
}

std::optional<std::string> parabolaText(const CurveParams& c) {
  switch (c.funcForm) {
    case 0:
    case 1: {
      const auto k = parabolaCoefficient(c.paramP, c.funcForm == 1);
      if (!k) return std::nullopt;
      return "y^2=" + *k + "x";
    }
    case 2:
    case 3: {
      const auto k = parabolaCoefficient(c.paramP, c.funcForm == 3);
      if (!k) return std::nullopt;
      return "x^2=" + *k + "y";
    }
    default: return std::string();
  }
}

// "y=" A name "(" ω "x+" φ ")" of the sine, cosine and tangent families.
std::string periodicText(const CurveParams& c, const char* name) {
  return "y=" + numberText(c.paramA) + name + "(" + numberText(c.paramOmega) + "x+" +
         numberText(c.paramPhi) + ")";
}

std::string linearText(const CurveParams& c) {
  switch (c.funcForm) {
    case 0: return "y=" + numberText(c.paramK) + "x+" + numberText(c.paramB);
    case 1:
      return "y-" + numberText(c.paramY1) + "=" + numberText(c.paramK) + "(x-" +
             numberText(c.paramX1) + ")";
    case 2:
      return numberText(c.paramA) + "x+" + numberText(c.paramB) + "y+" + numberText(c.paramC) +
             "=0";
    default: return std::string();
  }
}

std::string quadraticText(const CurveParams& c) {
  switch (c.funcForm) {
    case 0:
      return "y=" + numberText(c.paramA) + "x^2+" + numberText(c.paramB) + "x+" +
             numberText(c.paramC);
    case 1:
      return "y=" + numberText(c.paramA) + "(x-" + numberText(c.paramX1) + ")(x-" +
             numberText(c.paramX2) + ")";
    case 2:  // h is a whole number and is written as its digits
      return "y=" + numberText(c.paramA) + "(x-" + numberText(c.paramH) + ")^2+" +
             numberText(c.paramK);
    default: return std::string();
  }
}

std::string customText(const CurveParams& c) {
  switch (c.funcForm) {
    case 0: return "y=" + c.expression;
    case 1: return "Sx=" + c.expression;
    default: return std::string();
  }
}

}  // namespace

std::optional<std::string> listText(const CurveParams& c) {
  if (isAppendedForm(c.funcFamily, c.funcForm)) return appendedListText(c);
  // Families with a single form have only form 0.
  const bool firstForm = c.funcForm == 0;
  switch (c.funcFamily) {
    case 0: return linearText(c);
    case 1: return quadraticText(c);
    case 2: return firstForm ? "y=" + numberText(c.paramK) + "/x" : std::string();
    case 3: return firstForm ? "y=" + numberText(c.paramA) + "^x" : std::string();
    case 4: return firstForm ? "y=log" + numberText(c.paramA) + " x" : std::string();
    case 5: return firstForm ? periodicText(c, "sin") : std::string();
    case 6: return firstForm ? periodicText(c, "cos") : std::string();
    case 7: return firstForm ? periodicText(c, "tan") : std::string();
    case 8:
      if (!firstForm) return std::string();
      return "(x-" + numberText(c.paramA) + ")^2+(y-" + numberText(c.paramB) +
             ")^2=" + numberText(c.paramR) + "^2";
    case 9: return firstForm ? conicText(c, "+") : std::string();
    case 10: return firstForm ? conicText(c, "-") : std::string();
    case 11: return parabolaText(c);
    case 12:
      return firstForm ? "y=" + numberText(c.paramA) + "x+" + numberText(c.paramB) + "/x"
                       : std::string();
    case 13: return customText(c);
    default: return std::string();
  }
}

std::optional<std::string> validityMessage(const CurveParams& c) {
  // The rules compare the single-precision values as they were read from the boxes.
  const float a = c.paramA;
  const float b = c.paramB;
  switch (c.funcFamily) {
    case 0:
      // Only the general form has a rule; the others draw for any k.
      if (c.funcForm == 2 && a == 0.0f && b == 0.0f) return "Ａ、Ｂ不能同时为０";
      return std::nullopt;
    case 1:
      if (a == 0.0f) return "ａ≠０";
      return std::nullopt;
    case 2:
      if (c.paramK == 0.0f) return "ｋ≠０";
      return std::nullopt;
    case 3:
    case 4:
      if (!(a > 0.0f && a != 1.0f)) return "ａ＞０，且ａ≠１";
      return std::nullopt;
    case 5:
    case 6:
    case 7:
      if (!(a != 0.0f && c.paramOmega != 0.0f)) return "Ａ≠０，ω≠０";
      return std::nullopt;
    case 8:
      if (!(c.paramR > 0.0f)) return "ｒ＞０";
      return std::nullopt;
    case 9:
      if (!(a > 0.0f && b > 0.0f && a != b)) return "ａ＞０，ｂ＞０，且ａ≠ｂ";
      return std::nullopt;
    case 10:
      if (!(a > 0.0f && b > 0.0f)) return "ａ＞０，ｂ＞０";
      return std::nullopt;
    case 12:
      if (!(a != 0.0f && b != 0.0f)) return "ａ≠０，ｂ≠０";
      return std::nullopt;
    default:  // 11 draws for any p; 13 has its own checks
      return std::nullopt;
  }
}

bool bracketsBalanced(const std::string& expression) {
  std::int64_t depth = 0;
  for (const char ch : expression) {
    if (ch == '(') {
      ++depth;
    } else if (ch == ')') {
      --depth;
      if (depth < 0) return false;
    }
  }
  return depth == 0;
}

}  // namespace quorvel
