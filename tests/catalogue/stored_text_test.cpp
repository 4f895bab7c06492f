// What a list entry's fields can hold: bytes of code page 936, a value too long for
// its field written shorter with the same single-precision value, and the refusal
// when neither the expression nor a value fits.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "catalogue/stored_text.h"
#include "eval/number_text.h"

namespace quorvel {
namespace {

const std::string kWideX = "\xEF\xBD\x98";  // ｘ, full width: two bytes in the file
const std::string kZhong = "\xE4\xB8\xAD";  // 中
const std::string kInfinity = "\xE2\x88\x9E";

std::string times(const std::string& text, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += text;
  return out;
}

TEST(StoredText, BytesAreCountedInTheListFilesCodePage) {
  EXPECT_EQ(storedByteCount("sin(x)"), 6u);
  EXPECT_EQ(storedByteCount(" -" + kInfinity), 4u);
  EXPECT_EQ(storedByteCount(kWideX + "+1"), 4u);
  EXPECT_EQ(storedByteCount(kZhong), 2u);
}

// Value texts around the ten bytes of a parameter or range field.
TEST(StoredText, ValueTextsAroundTenBytes) {
  struct Case {
    std::string text;
    std::optional<std::string> stored;
  };
  const Case cases[] = {
      {"-1.234568", "-1.234568"},    // 9 bytes: as it is
      {"1234567890", "1234567890"},  // 10: as it is
      {"-0.3333333", "-0.3333333"},  // 10, though shorter would read the same
      {" -" + kInfinity, " -" + kInfinity},
      {"-0.03333333", "-.03333333"},    // 11: the digit before the point goes
      {"-1.234568E+07", "-12345680"},   // 13: plain digits read back the same
      {"7.654321E-03", ".007654321"},   // 12 → exactly 10
      {"1.234568E+09", "1234567936"},   // 12 → 10
      {"1.234568E+10", std::nullopt},   // eleven digits at least
      {"3.333333E-04", std::nullopt},   // .0003333333 is 11
      {"1.234567E-05", std::nullopt},   // far below: no plain text fits
      {"sin(1)+cos(2)", std::nullopt},  // no value at all
      {times(kZhong, 6), std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> stored = storedValueText(c.text, 10);
    EXPECT_EQ(stored, c.stored) << c.text;
    if (stored && c.text.size() <= 13) {
      float before = 0, after = 0;
      if (textToSingle(c.text, before) == kOk) {
        ASSERT_EQ(textToSingle(*stored, after), kOk) << *stored;
        EXPECT_EQ(after, before) << c.text;  // the same single read back
      }
    }
  }
}

TEST(StoredText, ShortestPlainTextIsTheShortestThatReadsBack) {
  EXPECT_EQ(shortestPlainText(0.5F, 10), ".5");
  EXPECT_EQ(shortestPlainText(-0.25F, 10), "-.25");
  EXPECT_EQ(shortestPlainText(-0.0F, 10), "0");
  EXPECT_EQ(shortestPlainText(1.5e-5F, 10), ".000015");
  EXPECT_EQ(shortestPlainText(123456.8F, 10), "123456.8");
  EXPECT_EQ(shortestPlainText(3e38F, 10), std::nullopt);
  EXPECT_EQ(shortestPlainText(3e38F, 50).value_or("").size(), 39u);  // every digit of it
  EXPECT_EQ(shortestPlainText(1e-10F, 10), std::nullopt);
  EXPECT_EQ(shortestPlainText(1e-10F, 50), ".0000000001");
}

FuncRecord expressionEntry(const std::string& expression) {
  FuncRecord r;
  r.family = 13;
  r.para1 = expression;
  r.zeroPara23 = true;
  r.rangeX1 = " -" + kInfinity;
  r.rangeX2 = " +" + kInfinity;
  r.rangeY1 = r.rangeX1;
  r.rangeY2 = r.rangeX2;
  return r;
}

// Expressions around the fifty bytes of para1, ASCII and double-byte: never cut,
// never rewritten; refused with the limit named.
TEST(StoredText, ExpressionsAroundFiftyBytes) {
  struct Case {
    std::string expression;
    bool fits;
  };
  const Case cases[] = {
      {std::string(50, 'x'), true},
      {std::string(51, 'x'), false},
      {times(kWideX, 25), true},  // 25 characters, 50 bytes
      {times(kWideX, 26), false},
      {times(kWideX, 24) + "+1", true},
      {times(kWideX, 24) + "+12", false},  // 27 characters, 51 bytes
      {std::string(49, 'x') + kZhong, false},
      {"sin(x)+sin(2x)/2+sin(3x)/3+sin(4x)/4+sin(5x)/5+sin(6x)/6", false},  // 56
  };
  for (const Case& c : cases) {
    FuncRecord entry = expressionEntry(c.expression);
    const std::optional<std::string> problem = fitStoredTexts(entry);
    EXPECT_EQ(!problem.has_value(), c.fits) << c.expression;
    EXPECT_EQ(entry.para1, c.expression);
    if (problem) {
      EXPECT_NE(problem->find("50"), std::string::npos) << *problem;
    }
  }
}

TEST(StoredText, TheFieldsAFormReadsAreFittedTheOthersLeftAsTheyWere) {
  FuncRecord vertex;
  vertex.family = 1;
  vertex.form = 2;
  vertex.para1 = "-1.234568E+07";  // 50 bytes: fits as it is
  vertex.para2 = "3.14159";
  vertex.para3 = "-1.234568E+07";
  vertex.rangeX1 = "-0.03333333";
  vertex.rangeX2 = " +" + kInfinity;
  vertex.rangeY1 = "-2";
  vertex.rangeY2 = "1.5E+08";
  EXPECT_EQ(fitStoredTexts(vertex), std::nullopt);
  EXPECT_EQ(vertex.para1, "-1.234568E+07");
  EXPECT_EQ(vertex.para3, "-12345680");
  EXPECT_EQ(vertex.rangeX1, "-.03333333");
  EXPECT_EQ(vertex.rangeY2, "1.5E+08");

  // y=k/x reads box 1 only: whatever the hidden boxes hold is no part of the curve.
  FuncRecord inverse;
  inverse.family = 2;
  inverse.para1 = "6";
  inverse.para2 = "sin(1)+cos(2)";
  inverse.rangeX1 = inverse.rangeY1 = "-1";
  inverse.rangeX2 = inverse.rangeY2 = "1";
  EXPECT_EQ(fitStoredTexts(inverse), std::nullopt);
  EXPECT_EQ(inverse.para2, "sin(1)+cos(2)");

  // A value that cannot be written in ten bytes: refused, naming the value and the limit.
  inverse.rangeY2 = "1.234567E-05";
  const std::optional<std::string> problem = fitStoredTexts(inverse);
  ASSERT_TRUE(problem.has_value());
  EXPECT_NE(problem->find("1.234567E-05"), std::string::npos) << *problem;
  EXPECT_NE(problem->find("10"), std::string::npos) << *problem;
  FuncRecord box2 = vertex;
  box2.para2 = "1.234568E+10";
  EXPECT_TRUE(fitStoredTexts(box2).has_value());
}

}  // namespace
}  // namespace quorvel
