// The forms beyond the list file in the catalogue: which they are, how the power
// function's exponent is read, and their list and textbook texts.
#include "catalogue/appended_forms.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "catalogue/curve_rules.h"
#include "catalogue/families.h"
#include "catalogue/list_file_check.h"
#include "catalogue/parameter_slots.h"
#include "catalogue/textbook_form.h"

namespace quorvel {
namespace {

TEST(AppendedForms, OnlyTheListFilesOwnFormsFitIt) {
  EXPECT_EQ(family(kPowerFamily).name, "幂函数");
  int appended = 0;
  for (int f = 0; f < kFamilyCount; ++f) {
    for (int m = 0; m < static_cast<int>(family(f).forms.size()); ++m) {
      // A fourth parameter has no field in a list file record.
      if (box4Visible(f, m)) {
        EXPECT_FALSE(inListFile(f, m)) << f << "/" << m;
      }
      if (isAppendedForm(f, m)) ++appended;
      EXPECT_NE(isAppendedForm(f, m), inListFile(f, m)) << f << "/" << m;
    }
  }
  // sin, cos, tan + k; three more ellipses and hyperbolas; the power function.
  EXPECT_EQ(appended, 3 + 3 + 3 + 1);
  EXPECT_TRUE(inListFile(11, 3));
  EXPECT_FALSE(inListFile(11, 4));
  EXPECT_FALSE(inListFile(kPowerFamily, 0));
  EXPECT_FALSE(inListFile(-1, 0));
}

// A list file record naming one of them is damaged, not another curve.
TEST(AppendedForms, AListFileRecordCannotNameThem) {
  const struct {
    std::int16_t family, form;
    ListFault fault;
    std::int32_t value;
  } cases[] = {
      {9, 0, ListFault::None, 0},
      {9, 1, ListFault::UnknownForm, 1},
      {10, 3, ListFault::UnknownForm, 3},
      {5, 1, ListFault::UnknownForm, 1},
      {14, 0, ListFault::UnknownFamily, 14},
      {13, 1, ListFault::None, 0},
  };
  for (const auto& c : cases) {
    FuncRecord r;
    r.family = c.family;
    r.form = c.form;
    std::int32_t value = 0;
    EXPECT_EQ(recordFault(r, value), c.fault) << c.family << "/" << c.form;
    EXPECT_EQ(value, c.value) << c.family << "/" << c.form;
  }
}

TEST(AppendedForms, TheExponentIsReadAsAReducedFractionOrARealNumber) {
  const struct {
    const char* typed;
    bool read;
    std::int32_t p, q;
    double value;
  } cases[] = {
      {"1/3", true, 1, 3, 1.0 / 3},
      {"2/4", true, 1, 2, 0.5},
      {"-1", true, -1, 1, -1},
      {"(-1)/3", true, -1, 3, -1.0 / 3},
      {"2/-6", true, -1, 3, -1.0 / 3},
      {" 3 ", true, 3, 1, 3},
      {"0", true, 0, 1, 0},
      {"0.4", true, 0, 0, 0.4},
      {"2.0", true, 2, 1, 2},
      {"-0.5", true, 0, 0, -0.5},
      {"1/0", false, 0, 0, 0},
      {"x", false, 0, 0, 0},
      {"1/3/2", false, 0, 0, 0},
      {"", false, 0, 0, 0},
      {"1e3", false, 0, 0, 0},
      {"1.5/2", false, 0, 0, 0},
  };
  for (const auto& t : cases) {
    CurveParams c;
    ASSERT_EQ(readExponent(t.typed, c), t.read) << t.typed;
    if (!t.read) continue;
    EXPECT_EQ(c.alphaNumerator, t.p) << t.typed;
    EXPECT_EQ(c.alphaDenominator, t.q) << t.typed;
    EXPECT_DOUBLE_EQ(c.alphaExact, t.value) << t.typed;
    EXPECT_FLOAT_EQ(c.paramAlpha, static_cast<float>(t.value)) << t.typed;
  }
}

CurveParams curveOf(int family, int form, std::array<std::string, 3> boxes,
                    const std::string& fourth = "0") {
  CurveParams c;
  c.funcFamily = static_cast<std::int16_t>(family);
  c.funcForm = static_cast<std::int16_t>(form);
  const FormInfo* info = quorvel::form(family, form);
  for (std::string& text : boxes) {
    if (text.empty()) text = "0";
  }
  EXPECT_TRUE(info != nullptr && readSlotParameters(*info, boxes, c)) << family << "/" << form;
  EXPECT_TRUE(info != nullptr && readFourthParameter(*info, fourth, c)) << family << "/" << form;
  return c;
}

TEST(AppendedForms, ListAndTextbookTexts) {
  const struct {
    CurveParams c;
    const char* list;
    const char* printed;
  } cases[] = {
      {curveOf(14, 0, {"1/3"}), "y=x^(1/3)", "y = x^(1/3)"},
      {curveOf(14, 0, {"-2/3"}), "y=x^(-2/3)", "y = x^(−2/3)"},
      {curveOf(14, 0, {"3"}), "y=x^3", "y = x³"},
      {curveOf(14, 0, {"-1"}), "y=x^(-1)", "y = x⁻¹"},
      {curveOf(14, 0, {"1"}), "y=x^1", "y = x"},
      {curveOf(14, 0, {"0.4"}), "y=x^(.4)", "y = x^0.4"},
      {curveOf(9, 1, {"3", "2"}), "y^2/9+x^2/4=1", "y²/9 + x²/4 = 1"},
      {curveOf(10, 1, {"1", "0.5"}), "y^2/1-x^2/.25=1", "y² − x²/0.25 = 1"},
      {curveOf(9, 2, {"3", "2", "1"}, "-2"), "(x-1)^2/9+(y--2)^2/4=1",
       "(x − 1)²/9 + (y + 2)²/4 = 1"},
      {curveOf(10, 3, {"2", "1", "-1"}, "0.5"), "(y-.5)^2/4-(x--1)^2/1=1",
       "(y − 0.5)²/4 − (x + 1)² = 1"},
      {curveOf(5, 1, {"2", "1", "1.047198"}, "1"), "y=2sin(1x+1.047198)+1",
       "y = 2 sin(x + 1.047198) + 1"},
      {curveOf(6, 1, {"1", "2", "0"}, "-0.5"), "y=1cos(2x+0)+-.5", "y = cos(2x) − 0.5"},
      {curveOf(7, 1, {"-1", "1", "0"}, "0"), "y=-1tan(1x+0)+0", "y = −tan x"},
  };
  for (const auto& t : cases) {
    EXPECT_EQ(listText(t.c).value_or("(too large)"), t.list);
    EXPECT_EQ(textbookText(t.c), t.printed);
  }
  // A square beyond single precision cannot be written.
  EXPECT_FALSE(listText(curveOf(9, 1, {"1e30", "2"})).has_value());
}

TEST(AppendedForms, TheFamiliesRulesHoldForTheirNewForms) {
  EXPECT_EQ(validityMessage(curveOf(9, 3, {"0", "2", "1"}, "1")), "ａ＞０，ｂ＞０，且ａ≠ｂ");
  EXPECT_EQ(validityMessage(curveOf(10, 1, {"2", "0"})), "ａ＞０，ｂ＞０");
  EXPECT_EQ(validityMessage(curveOf(5, 1, {"2", "0", "0"}, "1")), "Ａ≠０，ω≠０");
  EXPECT_EQ(validityMessage(curveOf(14, 0, {"-1"})), std::nullopt);
}

}  // namespace
}  // namespace quorvel
