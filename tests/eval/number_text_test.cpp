#include "eval/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quorvel {
namespace {

// The single just below the single nearest to 0.0001 (9.99999902e-05).
float belowTenThousandth() { return std::nextafter(0.0001f, 0.0f); }

TEST(SingleText, OrdinaryValues) {
  struct Case {
    float v;
    const char* text;
  };
  const Case cases[] = {
      {0.0f, "0"},
      {-0.0f, "0"},
      {0.5f, "0.5"},
      {-0.25f, "-0.25"},
      {2.0f * 3.14159f, "6.28318"},
      {1.41421354f, "1.414214"},
      {0.1f, "0.1"},
      {1.0f / 3.0f, "0.3333333"},
      {2.0f / 3.0f, "0.6666667"},
      {123.456f, "123.456"},
      {100.0f, "100"},
      {-42.0f, "-42"},
      {0.001234567f, "0.001234567"},
      {1.5e8f, "1.5E+08"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(singleText(c.v), c.text) << c.text;
  }
}

TEST(SingleText, SwitchesToTheExponentFormAtSevenAndMinusFive) {
  struct Case {
    float v;
    const char* text;
  };
  const Case cases[] = {
      {9999999.0f, "9999999"},  // exponent 6: plain
      {1e7f, "1E+07"},          // exponent 7: exponent form
      {10000001.0f, "1E+07"},   // 8 digits round to 1.000000E+07
      {12345678.0f, "1.234568E+07"},
      {-1e7f, "-1E+07"},
      {1000000.0f, "1000000"},
      {0.0001f, "0.0001"},  // the nearest single is 9.99999975e-05, rounds up
      {belowTenThousandth(), "9.999999E-05"},
      {0.00015f, "0.00015"},
      {1e-5f, "1E-05"},
      {1.5e-5f, "1.5E-05"},
      {-1.5e-7f, "-1.5E-07"},
      {FLT_MAX, "3.402823E+38"},
      {std::numeric_limits<float>::denorm_min(), "1.401298E-45"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(singleText(c.v), c.text) << c.text;
  }
}

TEST(NumberText, DropsTheZeroBeforeThePointOnly) {
  struct Case {
    float v;
    const char* text;
  };
  const Case cases[] = {
      {0.5f, ".5"},       {-0.25f, "-.25"},        {-0.5f, "-.5"},
      {0.0001f, ".0001"}, {1.5e8f, "1.5E+08"},     {1.5e-5f, "1.5E-05"},
      {3.0f, "3"},        {-3.0f, "-3"},           {0.0f, "0"},
      {-0.0f, "0"},       {12.5f, "12.5"},         {10.25f, "10.25"},
      {1e7f, "1E+07"},    {9999999.0f, "9999999"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(numberText(c.v), c.text) << c.text;
  }
  EXPECT_EQ(numberText(std::int32_t{3}), "3");
  EXPECT_EQ(numberText(std::int32_t{-2}), "-2");
  EXPECT_EQ(numberText(std::int32_t{123456789}), "123456789");  // not 1.234568E+08
  EXPECT_EQ(numberText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(DoubleText, FifteenDigitsAndItsOwnSwitchOver) {
  struct Case {
    double v;
    const char* text;
  };
  const Case cases[] = {
      {0.25, "0.25"},
      {2.47, "2.47"},
      {-0.5, "-0.5"},
      {6000.0, "6000"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {999999999999999.0, "999999999999999"},  // exponent 14: plain
      {1e15, "1E+15"},                         // exponent 15: exponent form
      {999999999999999.9, "1E+15"},            // rounds up to 16 digits
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {1e100, "1E+100"},
      {-1.25e-300, "-1.25E-300"},
      {-0.0, "0"},
      {1e7, "10000000"},  // plain here, unlike a single
  };
  for (const Case& c : cases) {
    EXPECT_EQ(doubleText(c.v), c.text) << c.text;
  }
}

TEST(TextToSingle, AcceptsTheNumberForms) {
  struct Case {
    const char* text;
    float value;
  };
  const Case cases[] = {
      {"1", 1.0f},
      {" 1.5 ", 1.5f},
      {"+2", 2.0f},
      {"-.5", -0.5f},
      {"1.", 1.0f},
      {".25", 0.25f},
      {"1.5E+08", 1.5e8f},
      {"1E-05", 1e-5f},
      {"1e3", 1000.0f},
      {"1D2", 100.0f},
      {"2d-1", 0.2f},
      {"007", 7.0f},
      {"6.28318", 6.28318f},
      {"1e-50", 0.0f},
      {"1e-400", 0.0f},
      {"0e99999999999", 0.0f},
      {"3.4028235e38", FLT_MAX},
  };
  for (const Case& c : cases) {
    float out = -99.0f;
    ASSERT_EQ(textToSingle(c.text, out), kOk) << c.text;
    EXPECT_EQ(out, c.value) << c.text;
  }
}

TEST(TextToSingle, RefusesWhatIsNotANumber) {
  struct Case {
    const char* text;
    Status status;
  };
  const Case cases[] = {
      {"", kTypeMismatch},       {" ", kTypeMismatch},
      {".", kTypeMismatch},      {"1.2.3", kTypeMismatch},
      {"3.14.1", kTypeMismatch}, {"1e", kTypeMismatch},
      {"1e+", kTypeMismatch},    {"e5", kTypeMismatch},
      {"abc", kTypeMismatch},    {"1 2", kTypeMismatch},
      {"--1", kTypeMismatch},    {"+-1", kTypeMismatch},
      {"0x10", kTypeMismatch},   {"inf", kTypeMismatch},
      {"nan", kTypeMismatch},    {"1,5", kTypeMismatch},
      {"\t1", kTypeMismatch},    {"1e39", kOverflow},
      {"-1e39", kOverflow},      {"3.4028236e38", kOverflow},
      {"1e400", kOverflow},      {"1e99999999999999999999", kOverflow},
  };
  for (const Case& c : cases) {
    float out = 42.0f;
    EXPECT_EQ(textToSingle(c.text, out), c.status) << '"' << c.text << '"';
    EXPECT_EQ(out, 42.0f) << "left unchanged for \"" << c.text << '"';
  }
}

TEST(TextToSingle, ReadsADoubleFirstThenRoundsToSingle) {
  // 1 + 2^-24 is halfway between 1 and the next single. This text lies a hair above
  // it: straight to single it would round up, but as a double it is exactly the
  // halfway point, which then rounds to the even single 1.
  float out = 0.0f;
  ASSERT_EQ(textToSingle("1.0000000596046448", out), kOk);
  EXPECT_EQ(out, 1.0f);
}

TEST(TextToDouble, KeepsDoublePrecision) {
  double out = 0.0;
  ASSERT_EQ(textToDouble("0.1", out), kOk);
  EXPECT_EQ(out, 0.1);
  ASSERT_EQ(textToDouble("1e300", out), kOk);
  EXPECT_EQ(out, 1e300);
  EXPECT_EQ(textToDouble("1e400", out), kOverflow);
  EXPECT_EQ(textToDouble("1..0", out), kTypeMismatch);
}

TEST(NumberTexts, ResultTextsReadBackWithinTheSeventhDigit) {
  // The evaluator hands x over as text and callers read results back: the text of
  // a single converts back to a single within half a unit of its seventh digit.
  const float samples[] = {0.1f,    1.0f / 3.0f, 6.28318f, 9999999.0f,
                           1e7f,    12345678.0f, 0.0001f,  belowTenThousandth(),
                           1.5e-5f, FLT_MAX,     -2.5e-38f};
  for (float v : samples) {
    float back = 0.0f;
    ASSERT_EQ(textToSingle(singleText(v), back), kOk) << singleText(v);
    EXPECT_LE(std::fabs(static_cast<double>(back) - static_cast<double>(v)),
              6e-7 * std::fabs(static_cast<double>(v)))
        << singleText(v);
  }
}

}  // namespace
}  // namespace quorvel
