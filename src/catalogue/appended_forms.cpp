#include "catalogue/appended_forms.h"

#include <cmath>
#include <string_view>

#include "catalogue/curve_rules.h"
#include "catalogue/families.h"
#include "catalogue/printed_number.h"
#include "catalogue/textbook_form.h"
#include "eval/number_text.h"

namespace quorvel {

namespace {

constexpr int kShiftedTrigForm = 1;
constexpr int kYFirstConic = 1;   // y²/a² ± x²/b² = 1
constexpr int kCentredConic = 2;  // (x − h)²/a² ± (y − k)²/b² = 1
// Form 3: (y − k)²/a² ± (x − h)²/b² = 1.

bool yFirst(const CurveParams& c) { return c.funcForm != kCentredConic; }
bool centred(const CurveParams& c) { return c.funcForm >= kCentredConic; }

// "x", "(x-2)", "(x--2)" as the list writes a shifted variable.
std::string listVariable(std::string_view variable, float centre, bool shifted) {
  if (!shifted) return std::string(variable);
  return "(" + std::string(variable) + "-" + numberText(centre) + ")";
}

std::optional<std::string> conicListText(const CurveParams& c) {
  const float aSquare = c.paramA * c.paramA;
  const float bSquare = c.paramB * c.paramB;
  if (!std::isfinite(aSquare) || !std::isfinite(bSquare)) return std::nullopt;
  const std::string x = listVariable("x", c.paramCentreX, centred(c));
  const std::string y = listVariable("y", c.paramK, centred(c));
  const std::string first = yFirst(c) ? y : x;
  const std::string second = yFirst(c) ? x : y;
  const char* sign = c.funcFamily == 10 ? "-" : "+";
  return first + "^2/" + numberText(aSquare) + sign + second + "^2/" + numberText(bSquare) + "=1";
}

// A term after the first: " + 2", " − 2", nothing for 0.
std::string printedTerm(float value) {
  if (value == 0.0f) return std::string();
  std::string sign = value < 0.0f ? " " + std::string(kMinusSign) + " " : " + ";
  return sign + printedNumber(std::fabs(value));
}

// "x²", "(x − 2)²", "(y + 1)²".
std::string printedSquare(std::string_view variable, float centre) {
  if (centre == 0.0f) return std::string(variable) + "²";
  return "(" + std::string(variable) + printedTerm(-centre) + ")²";
}

// A squared term over its denominator, left without one when the square is 1.
std::string printedPart(std::string_view variable, float centre, float semiAxis) {
  std::string text = printedSquare(variable, centre);
  const float square = semiAxis * semiAxis;
  if (square == 1.0f) return text;
  const std::string denominator = printedNumber(square);
  return text + "/" + (isPowerOfTenForm(denominator) ? "(" + denominator + ")" : denominator);
}

std::string conicTextbookText(const CurveParams& c) {
  const float h = centred(c) ? c.paramCentreX : 0.0f;
  const float k = centred(c) ? c.paramK : 0.0f;
  const std::string first =
      yFirst(c) ? printedPart("y", k, c.paramA) : printedPart("x", h, c.paramA);
  const std::string second =
      yFirst(c) ? printedPart("x", h, c.paramB) : printedPart("y", k, c.paramB);
  const std::string sign = c.funcFamily == 10 ? " " + std::string(kMinusSign) + " " : " + ";
  return first + sign + second + " = 1";
}

CurveParams firstFormOf(const CurveParams& c) {
  CurveParams base;
  base.funcFamily = c.funcFamily;
  base.paramA = c.paramA;
  base.paramOmega = c.paramOmega;
  base.paramPhi = c.paramPhi;
  return base;
}

std::string powerTextbookText(const CurveParams& c) {
  if (c.alphaDenominator == 1) {
    if (c.alphaNumerator == 1) return "y = x";
    return "y = x" + superscriptDigits(std::to_string(c.alphaNumerator));
  }
  std::string exponent = c.alphaDenominator > 1 ? std::to_string(std::abs(c.alphaNumerator)) + "/" +
                                                      std::to_string(c.alphaDenominator)
                                                : printedNumber(std::fabs(c.paramAlpha));
  const bool negative = c.alphaDenominator > 1 ? c.alphaNumerator < 0 : c.paramAlpha < 0.0f;
  if (negative) return "y = x^(" + std::string(kMinusSign) + exponent + ")";
  if (c.alphaDenominator > 1) return "y = x^(" + exponent + ")";
  return "y = x^" + exponent;
}

}  // namespace

bool isAppendedForm(int family, int form) {
  return quorvel::form(family, form) != nullptr && !inListFile(family, form);
}

std::string exponentText(const CurveParams& c) {
  if (c.alphaDenominator == 0) return numberText(c.paramAlpha);
  std::string text = std::to_string(c.alphaNumerator);
  if (c.alphaDenominator != 1) text += "/" + std::to_string(c.alphaDenominator);
  return text;
}

std::optional<std::string> appendedListText(const CurveParams& c) {
  switch (c.funcFamily) {
    case 5:
    case 6:
    case 7: {
      if (c.funcForm != kShiftedTrigForm) return std::string();
      std::optional<std::string> base = listText(firstFormOf(c));
      if (!base) return std::nullopt;
      return *base + "+" + numberText(c.paramK);
    }
    case 9:
    case 10: return c.funcForm >= kYFirstConic ? conicListText(c) : std::string();
    case kPowerFamily: {
      const std::string exponent = exponentText(c);
      const bool plain = c.alphaDenominator == 1 && c.alphaNumerator >= 0;
      return plain ? "y=x^" + exponent : "y=x^(" + exponent + ")";
    }
    default: return std::string();
  }
}

std::string appendedTextbookText(const CurveParams& c) {
  switch (c.funcFamily) {
    case 5:
    case 6:
    case 7:
      if (c.funcForm != kShiftedTrigForm) return std::string();
      return textbookText(firstFormOf(c)) + printedTerm(c.paramK);
    case 9:
    case 10: return c.funcForm >= kYFirstConic ? conicTextbookText(c) : std::string();
    case kPowerFamily: return powerTextbookText(c);
    default: return std::string();
  }
}

}  // namespace quorvel
