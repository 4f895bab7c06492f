// Formulas as in print: the textbook form of every family and form, and that each one
// reads back through the notation rewrite as the same curve.
#include "catalogue/textbook_form.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "catalogue/curve_rules.h"
#include "catalogue/families.h"
#include "catalogue/parameter_slots.h"
#include "catalogue/textbook_expression.h"
#include "eval/compiled_expression.h"
#include "eval/double_program.h"
#include "eval/epc.h"
#include "eval/notation.h"
#include "eval/number_text.h"

namespace quorvel {
namespace {

// The curve of a family and form with the boxes' texts, as the draw command reads them.
CurveParams curveOf(int family, int form, std::array<std::string, 3> boxes) {
  CurveParams c;
  c.funcFamily = static_cast<std::int16_t>(family);
  c.funcForm = static_cast<std::int16_t>(form);
  const FormInfo* info = quorvel::form(family, form);
  for (std::string& text : boxes) {
    if (text.empty()) text = "0";
  }
  EXPECT_TRUE(info != nullptr && readSlotParameters(*info, boxes, c)) << family << "/" << form;
  return c;
}

TEST(TextbookForm, EveryFamilyAndForm) {
  const struct {
    int family, form;
    std::array<std::string, 3> boxes;  // in the boxes' order of the form
    const char* printed;
  } cases[] = {
      // y = kx + b
      {0, 0, {"2", "-3"}, "y = 2x − 3"},
      {0, 0, {"1", "0"}, "y = x"},
      {0, 0, {"-1", "0.5"}, "y = −x + 0.5"},
      {0, 0, {"0", "4"}, "y = 4"},
      {0, 0, {"0", "0"}, "y = 0"},
      {0, 0, {"0.3333333", "-0.25"}, "y = 0.3333333x − 0.25"},
      // y − y1 = k(x − x1): x1, y1, k
      {0, 1, {"1", "2", "3"}, "y − 2 = 3(x − 1)"},
      {0, 1, {"-1", "-2", "-1"}, "y + 2 = −(x + 1)"},
      {0, 1, {"1", "2", "1"}, "y − 2 = x − 1"},
      {0, 1, {"0", "0", "0.5"}, "y = 0.5x"},
      {0, 1, {"2", "0", "0"}, "y = 0"},
      // Ax + By + C = 0
      {0, 2, {"2", "3", "-4"}, "2x + 3y − 4 = 0"},
      {0, 2, {"1", "-1", "0"}, "x − y = 0"},
      {0, 2, {"0", "1", "2"}, "y + 2 = 0"},
      {0, 2, {"-1", "0", "0.5"}, "−x + 0.5 = 0"},
      // y = ax² + bx + c
      {1, 0, {"1", "0", "-4"}, "y = x² − 4"},
      {1, 0, {"-1", "2", "0"}, "y = −x² + 2x"},
      {1, 0, {"0.5", "-1", "1"}, "y = 0.5x² − x + 1"},
      {1, 0, {"2", "0", "0"}, "y = 2x²"},
      // y = a(x − x1)(x − x2): x1, x2, a
      {1, 1, {"1", "3", "2"}, "y = 2(x − 1)(x − 3)"},
      {1, 1, {"0", "3", "-1"}, "y = −x(x − 3)"},
      {1, 1, {"-2", "0", "1"}, "y = x(x + 2)"},
      {1, 1, {"2", "2", "0.5"}, "y = 0.5(x − 2)²"},
      {1, 1, {"0", "0", "1"}, "y = x²"},
      // y = a(x − h)² + k: h, k, a
      {1, 2, {"2", "0.5", "1"}, "y = (x − 2)² + 0.5"},
      {1, 2, {"-1", "-3", "-2"}, "y = −2(x + 1)² − 3"},
      {1, 2, {"0", "0", "-1"}, "y = −x²"},
      {1, 2, {"2.5", "0", "1"}, "y = (x − 2)²"},  // h is a whole number, halves to even
      {2, 0, {"6"}, "y = 6/x"},
      {2, 0, {"-1"}, "y = −1/x"},
      {2, 0, {"0.5"}, "y = 0.5/x"},
      {3, 0, {"2"}, "y = 2ˣ"},
      {3, 0, {"0.5"}, "y = 0.5ˣ"},
      {4, 0, {"2"}, "y = log₂ x"},
      {4, 0, {"0.5"}, "y = log₀.₅ x"},
      {4, 0, {"10"}, "y = lg x"},
      {4, 0, {"150000000"}, "y = log(1.5×10⁸, x)"},
      {5, 0, {"1", "1", "0"}, "y = sin x"},
      {5, 0, {"0.9", "1.5", "0"}, "y = 0.9 sin(1.5x)"},
      {5, 0, {"-1", "2", "-1"}, "y = −sin(2x − 1)"},
      {5, 0, {"-2", "-1", "0.5"}, "y = −2 sin(−x + 0.5)"},
      {6, 0, {"1", "1", "0"}, "y = cos x"},
      {6, 0, {"3", "0.5", "1"}, "y = 3 cos(0.5x + 1)"},
      {7, 0, {"1", "2", "0"}, "y = tan(2x)"},
      {7, 0, {"-0.5", "1", "0"}, "y = −0.5 tan x"},
      {8, 0, {"0", "0", "3"}, "x² + y² = 9"},
      {8, 0, {"1", "-2", "1.5"}, "(x − 1)² + (y + 2)² = 2.25"},
      {8, 0, {"-0.5", "0", "1"}, "(x + 0.5)² + y² = 1"},
      {9, 0, {"2", "1.5"}, "x²/4 + y²/2.25 = 1"},
      {9, 0, {"1", "3"}, "x² + y²/9 = 1"},
      {10, 0, {"0.5", "3"}, "x²/0.25 − y²/9 = 1"},
      {10, 0, {"1", "1"}, "x² − y² = 1"},
      {11, 0, {"1.5"}, "y² = 3x"},
      {11, 1, {"0.5"}, "y² = −x"},
      {11, 2, {"-1"}, "x² = −2y"},
      {11, 3, {"1"}, "x² = −2y"},
      {11, 0, {"0"}, "y² = 0"},
      {12, 0, {"1", "4"}, "y = x + 4/x"},
      {12, 0, {"-2", "-1"}, "y = −2x − 1/x"},
      {12, 0, {"0.5", "0.25"}, "y = 0.5x + 0.25/x"},
      // Numbers beyond the plain form: a power of ten, bracketed where it divides.
      {2, 0, {"0.00001"}, "y = 1×10⁻⁵/x"},
      {9, 0, {"100000", "1"}, "x²/(1×10¹⁰) + y² = 1"},
      {0, 0, {"-15000000", "0"}, "y = −1.5×10⁷x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(textbookText(curveOf(c.family, c.form, c.boxes)), c.printed)
        << c.family << "/" << c.form;
  }
  CurveParams outside;
  outside.funcFamily = 2;
  outside.funcForm = 1;
  EXPECT_EQ(textbookText(outside), "");
}

TEST(TextbookForm, UserExpressions) {
  const struct {
    int form;
    const char* stored;
    const char* printed;
  } cases[] = {
      {0, "x^2-4", "y = x²−4"},
      {0, "2*x+1", "y = 2x+1"},
      {0, "x*2", "y = x·2"},
      {0, "2 * sin(x)", "y = 2sin(x)"},
      {0, "sqr(x+1)", "y = √(x+1)"},
      {0, "sqr x", "y = √x"},
      {0, "2pi*x", "y = 2π·x"},
      {0, "x^-1", "y = x⁻¹"},
      {0, "x^12+x^0.5", "y = x¹²+x^0.5"},
      {0, "(x+1)^2*(x-1)", "y = (x+1)²·(x−1)"},
      {0, "sin(x)^2", "y = sin(x)²"},
      {0, "sin x^2", "y = sin x^2"},      // (sin x)², which x² would not read as
      {0, "2^x^2", "y = 2^x^2"},          // (2^x)^2
      {0, "2^(x+1)^2", "y = 2^(x+1)^2"},  // (2^(x+1))^2
      {0, "x^-2*x", "y = x⁻²·x"},         // the run of "^-" would take a number's x
      {0, "sin 2*x", "y = sin 2·x"},      // sin(2)·x, not sin 2x
      {0, "sqr x2", "y = sqr x2"},
      {0, "abs(x)/(x^2+1)", "y = abs(x)/(x²+1)"},
      {0, "e^-x", "y = e^−x"},
      {1, "1/x", "Sx = 1/x"},
  };
  for (const auto& c : cases) {
    CurveParams p;
    p.funcFamily = kCustomFamily;
    p.funcForm = static_cast<std::int16_t>(c.form);
    p.expression = c.stored;
    EXPECT_EQ(textbookText(p), c.printed) << c.stored;
  }
}

// --- reading back --------------------------------------------------------------------

// One side of a printed equation, read back as the notation rewrite reads a box, with y
// as a variable beside x.
CompiledExpression readBack(const std::string& side) {
  const RewrittenText r = rewriteNotation(side, NotationBox::kValue);
  return CompiledExpression(r.text, VariableSet{}.with(Variable::kY));
}

double sideAt(const CompiledExpression& side, double x, double y) {
  const DoubleOutcome out = runProgramInDouble(side.program(), x, {0.0, 0.0, 0.0, y});
  EXPECT_EQ(out.status, kOk) << side.text() << " at " << x << ", " << y;
  return out.value;
}

// The points of the curve the family's own formulas give: y for x where the curve is a
// function of x, both branches of the conics, x for y for a vertical line.
std::vector<std::array<double, 2>> pointsOf(const CurveParams& c) {
  const bool twoBranches =
      (c.funcFamily >= 8 && c.funcFamily <= 10) || (c.funcFamily == 11 && c.funcForm <= 1);
  std::vector<std::array<double, 2>> points;
  for (double x = -4.75; x <= 5.0; x += 0.5) {
    double y = 0.0, y1 = 0.0, y2 = 0.0, x1 = 0.0;
    if (twoBranches) {
      if (f2Double(c, x, y1, y2) == kOk) {
        points.push_back({x, y1});
        points.push_back({x, y2});
      }
      continue;
    }
    if (fDouble(c, x, y) == kOk) points.push_back({x, y});
    // A vertical line (B = 0) is x for any y.
    if (c.funcFamily == 0 && c.funcForm == 2 && f1Double(c, x, x1) == kOk) {
      points.push_back({x1, x});
    }
  }
  return points;
}

void expectReadsBack(const CurveParams& c) {
  const std::string printed = textbookText(c);
  const std::size_t equals = printed.find(" = ");
  ASSERT_NE(equals, std::string::npos) << printed;
  const CompiledExpression left = readBack(printed.substr(0, equals));
  const CompiledExpression right = readBack(printed.substr(equals + 3));
  const auto points = pointsOf(c);
  ASSERT_FALSE(points.empty()) << printed;
  double size = 1.0;
  for (const float p : {c.paramK, c.paramA, c.paramB, c.paramC, c.paramOmega, c.paramPhi, c.paramR,
                        c.paramP, c.paramX1, c.paramY1, c.paramX2}) {
    size += std::fabs(static_cast<double>(p));
  }
  size += std::fabs(static_cast<double>(c.paramH));
  for (const auto& [x, y] : points) {
    const double l = sideAt(left, x, y);
    const double r = sideAt(right, x, y);
    // The printed numbers have seven significant digits.
    const double scale = size * size * (1.0 + std::fabs(x) + std::fabs(y)) *
                         (1.0 + std::fabs(x) + std::fabs(y)) * (1.0 + std::fabs(y));
    EXPECT_NEAR(l, r, 1e-6 * scale) << printed << " at (" << x << ", " << y << ")";
  }
}

TEST(TextbookForm, EveryPrintedFormReadsBackAsTheSameCurve) {
  const char* const values[] = {"1", "-1", "0", "0.5", "-2.5", "0.3333333", "3", "-0.1"};
  int curves = 0;
  for (int family = 0; family < kCustomFamily; ++family) {
    for (std::size_t form = 0; form < quorvel::family(family).forms.size(); ++form) {
      for (const char* a : values) {
        for (const char* b : values) {
          for (const char* c : {"1", "0", "-2", "0.25"}) {
            const CurveParams p = curveOf(family, static_cast<int>(form), {a, b, c});
            if (validityMessage(p)) continue;
            // x² = 2py with p = 0 has no point the formula y = x²/2p can give.
            if (family == 11 && form >= 2 && p.paramP == 0.0f) continue;
            expectReadsBack(p);
            ++curves;
          }
        }
      }
    }
  }
  EXPECT_GT(curves, 2000);
}

TEST(TextbookForm, UserExpressionsReadBackAsTheSameCurve) {
  for (const char* stored :
       {"x^2-4",          "2*x+1", "x*2",        "2 * sin(x)", "sqr(x+1)",      "sqr x",
        "sqr 2x^2",       "2pi*x", "x^-1",       "x^12+x^0.5", "(x+1)^2*(x-1)", "sin(x)^2",
        "sin x^2",        "2^x^2", "2^(x+1)^2",  "x^-2*x",     "sin 2*x",       "sqr x2",
        "abs(x)/(x^2+1)", "e^-x",  "-x^2+3*x-1", "2*sqr(x)",   "x^2*x",         "2^-2x",
        "ln(x)/ln(2)",    "x^2 3", "3*e^(x)",    "1/x^2",      "(x^2)^3"}) {
    const std::string printed = textbookExpression(stored);
    const RewrittenText back = rewriteNotation(printed, NotationBox::kExpression);
    for (const char* xText : {"0.5", "-1.5", "2", "3.25"}) {
      EvalState want, got;
      Epc(want, stored, xText);
      Epc(got, back.text, xText);
      ASSERT_EQ(got.evalStatus, want.evalStatus)
          << stored << " → " << printed << " → " << back.text;
      float a = 0.0f, b = 0.0f;
      ASSERT_EQ(textToSingle(want.evalResult.text(), a), kOk);
      ASSERT_EQ(textToSingle(got.evalResult.text(), b), kOk);
      EXPECT_NEAR(a, b, 1e-5f * (1.0f + std::fabs(a))) << stored << " → " << back.text;
    }
  }
}

}  // namespace
}  // namespace quorvel
