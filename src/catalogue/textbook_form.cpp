#include "catalogue/textbook_form.h"

#include <cmath>
#include <string_view>

#include "catalogue/appended_forms.h"
#include "catalogue/printed_number.h"
#include "catalogue/textbook_expression.h"

namespace quorvel {

namespace {

// A sum as printed: the first term with its own sign, the others after " + " or " − ";
// terms of 0 left out, "0" when none is left.
class PrintedSum {
 public:
  // coefficient · variable part ("x", "x²", "y"): a coefficient of 1 is left out, −1 is
  // a sign only.
  PrintedSum& term(float coefficient, std::string_view variable) {
    if (coefficient == 0.0f) return *this;
    const float magnitude = std::fabs(coefficient);
    std::string body = magnitude == 1.0f ? std::string() : printedNumber(magnitude);
    body += variable;
    return add(coefficient < 0.0f, body);
  }
  // A number standing alone, or over a denominator ("4/x").
  PrintedSum& number(float value, std::string_view over = {}) {
    if (value == 0.0f) return *this;
    std::string body = printedNumber(std::fabs(value));
    body += over;
    return add(value < 0.0f, body);
  }
  // A term printed already, with its sign apart.
  PrintedSum& add(bool negative, const std::string& body) {
    if (text_.empty()) {
      if (negative) text_ += kMinusSign;
    } else {
      text_ += negative ? " − " : " + ";
    }
    text_ += body;
    return *this;
  }

  bool empty() const { return text_.empty(); }
  std::string text() const { return text_.empty() ? "0" : text_; }

 private:
  std::string text_;
};

// coefficient before a product that starts with a bracket or a letter: "", "−", "2".
std::string factorPrefix(float coefficient) {
  if (coefficient == 1.0f) return "";
  if (coefficient == -1.0f) return std::string(kMinusSign);
  return printedNumber(coefficient);
}

// "x", or "(x − r)" for a root r ≠ 0.
std::string shiftedVariable(std::string_view variable, float root) {
  if (root == 0.0f) return std::string(variable);
  return "(" + PrintedSum().term(1.0f, variable).number(-root).text() + ")";
}

// (v − c)² as printed: v² for c = 0.
std::string shiftedSquare(std::string_view variable, float centre) {
  const std::string base = shiftedVariable(variable, centre);
  return base + "²";
}

// A number as a divisor or a power's base: bracketed when it is a product itself.
std::string asOperand(float value) {
  const std::string printed = printedNumber(value);
  if (isPowerOfTenForm(printed) || value < 0.0f) return "(" + printed + ")";
  return printed;
}

std::string linear(const CurveParams& c) {
  switch (c.funcForm) {
    case 0: return "y = " + PrintedSum().term(c.paramK, "x").number(c.paramB).text();
    case 1: {
      const std::string left = PrintedSum().term(1.0f, "y").number(-c.paramY1).text();
      std::string right;
      if (c.paramK == 0.0f) {
        right = "0";
      } else if (c.paramX1 == 0.0f) {
        right = PrintedSum().term(c.paramK, "x").text();
      } else if (c.paramK == 1.0f) {  // y − 2 = x − 1
        right = PrintedSum().term(1.0f, "x").number(-c.paramX1).text();
      } else {
        right = factorPrefix(c.paramK) + shiftedVariable("x", c.paramX1);
      }
      return left + " = " + right;
    }
    case 2:
      return PrintedSum().term(c.paramA, "x").term(c.paramB, "y").number(c.paramC).text() + " = 0";
    default: return std::string();
  }
}

std::string quadratic(const CurveParams& c) {
  switch (c.funcForm) {
    case 0:
      return "y = " + PrintedSum().term(c.paramA, "x²").term(c.paramB, "x").number(c.paramC).text();
    case 1: {
      std::string factors;
      if (c.paramX1 == c.paramX2) {
        factors = shiftedSquare("x", c.paramX1);
      } else if (c.paramX2 == 0.0f) {  // the bare x first: 2x(x − 3)
        factors = "x" + shiftedVariable("x", c.paramX1);
      } else {
        factors = shiftedVariable("x", c.paramX1) + shiftedVariable("x", c.paramX2);
      }
      return "y = " + factorPrefix(c.paramA) + factors;
    }
    case 2: {
      const float h = static_cast<float>(c.paramH);
      std::string body = shiftedSquare("x", h);
      PrintedSum sum;
      sum.add(c.paramA < 0.0f, factorPrefix(std::fabs(c.paramA)) + body);
      return "y = " + sum.number(c.paramK).text();
    }
    default: return std::string();
  }
}

// logₐ x: lg for base 10, the base as subscript digits, or log(a, x) for a base in
// powers of ten.
std::string logarithm(float base) {
  if (base == 10.0f) return "y = lg x";
  const std::string printed = printedNumber(base);
  if (isPowerOfTenForm(printed) || base < 0.0f) return "y = log(" + printed + ", x)";
  return "y = log" + subscriptDigits(printed) + " x";
}

// A·name(ωx + φ): "sin x", "0.9 sin(1.5x)", "−tan(x − 1)".
std::string periodic(const CurveParams& c, std::string_view name) {
  const std::string argument = PrintedSum().term(c.paramOmega, "x").number(c.paramPhi).text();
  std::string call(name);
  call += argument == "x" ? " x" : "(" + argument + ")";
  std::string prefix = factorPrefix(c.paramA);
  if (!prefix.empty() && prefix != kMinusSign) prefix += " ";
  return "y = " + prefix + call;
}

std::string circle(const CurveParams& c) {
  const float radiusSquared = c.paramR * c.paramR;
  return shiftedSquare("x", c.paramA) + " + " + shiftedSquare("y", c.paramB) + " = " +
         printedNumber(radiusSquared);
}

// x²/a² ± y²/b² = 1, a square of 1 without its denominator.
std::string conic(const CurveParams& c, bool hyperbola) {
  const auto part = [](std::string_view variable, float semiAxis) {
    std::string text(variable);
    text += "²";
    const float square = semiAxis * semiAxis;
    if (square != 1.0f) text += "/" + asOperand(square);
    return text;
  };
  return part("x", c.paramA) + (hyperbola ? " − " : " + ") + part("y", c.paramB) + " = 1";
}

std::string parabola(const CurveParams& c) {
  const bool negative = c.funcForm == 1 || c.funcForm == 3;
  const float coefficient = (negative ? -2.0f : 2.0f) * c.paramP;
  switch (c.funcForm) {
    case 0:
    case 1: return "y² = " + PrintedSum().term(coefficient, "x").text();
    case 2:
    case 3: return "x² = " + PrintedSum().term(coefficient, "y").text();
    default: return std::string();
  }
}

}  // namespace

std::string textbookText(const CurveParams& c) {
  if (isAppendedForm(c.funcFamily, c.funcForm)) return appendedTextbookText(c);
  const bool firstForm = c.funcForm == 0;
  switch (c.funcFamily) {
    case 0: return linear(c);
    case 1: return quadratic(c);
    case 2: return firstForm ? "y = " + printedNumber(c.paramK) + "/x" : std::string();
    case 3: return firstForm ? "y = " + asOperand(c.paramA) + "ˣ" : std::string();
    case 4: return firstForm ? logarithm(c.paramA) : std::string();
    case 5: return firstForm ? periodic(c, "sin") : std::string();
    case 6: return firstForm ? periodic(c, "cos") : std::string();
    case 7: return firstForm ? periodic(c, "tan") : std::string();
    case 8: return firstForm ? circle(c) : std::string();
    case 9: return firstForm ? conic(c, false) : std::string();
    case 10: return firstForm ? conic(c, true) : std::string();
    case 11: return parabola(c);
    case 12:
      return firstForm ? "y = " + PrintedSum().term(c.paramA, "x").number(c.paramB, "/x").text()
                       : std::string();
    case 13:
      if (c.funcForm == 0) return "y = " + textbookExpression(c.expression);
      if (c.funcForm == 1) return "Sx = " + textbookExpression(c.expression);
      return std::string();
    default: return std::string();
  }
}

}  // namespace quorvel
