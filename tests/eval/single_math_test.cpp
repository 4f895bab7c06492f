#include "eval/single_math.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace quorvel {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double in, out;
  };
  const Case cases[] = {
      {0.5, 0.0},       {1.5, 2.0},
      {2.5, 2.0},       {3.5, 4.0},
      {-0.5, -0.0},     {-1.5, -2.0},
      {-2.5, -2.0},     {-3.5, -4.0},
      {2.4999999, 2.0}, {2.5000001, 3.0},
      {-2.6, -3.0},     {7.0, 7.0},
      {1e300, 1e300},   {4503599627370495.5, 4503599627370496.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
  }
}

TEST(RoundToWhole, RefusesWhatDoesNotFit) {
  struct Case {
    double in;
    Status status;
    std::int32_t out;
  };
  const Case cases32[] = {
      {2147483647.4, kOk, 2147483647},
      {2147483647.5, kOverflow, 0},           // rounds to 2^31
      {-2147483648.5, kOk, -2147483647 - 1},  // the tie goes to the even -2^31
      {-2147483649.0, kOverflow, 0},
      {std::numeric_limits<double>::quiet_NaN(), kOverflow, 0},
      {2.5, kOk, 2},
      {-3.5, kOk, -4},
  };
  for (const Case& c : cases32) {
    std::int32_t out = 0;
    EXPECT_EQ(roundToInt32(c.in, out), c.status) << c.in;
    if (c.status == kOk) {
      EXPECT_EQ(out, c.out) << c.in;
    }
  }
  const Case cases16[] = {
      {32767.4, kOk, 32767},   {32767.5, kOverflow, 0},  {32766.5, kOk, 32766},
      {-32768.5, kOk, -32768}, {-32769.0, kOverflow, 0},
  };
  for (const Case& c : cases16) {
    std::int16_t out = 0;
    EXPECT_EQ(roundToInt16(c.in, out), c.status) << c.in;
    if (c.status == kOk) {
      EXPECT_EQ(out, c.out) << c.in;
    }
  }
}

TEST(ToSingle, OverflowStartsWhereRoundingReachesInfinity) {
  float out = 0.0f;
  EXPECT_EQ(toSingle(static_cast<double>(FLT_MAX), out), kOk);
  EXPECT_EQ(out, FLT_MAX);
  // Just below the halfway point above the largest single: still rounds down.
  EXPECT_EQ(toSingle(std::nextafter(0x1.ffffffp+127, 0.0), out), kOk);
  EXPECT_EQ(out, FLT_MAX);
  EXPECT_EQ(toSingle(0x1.ffffffp+127, out), kOverflow);
  EXPECT_EQ(toSingle(-0x1.ffffffp+127, out), kOverflow);
  EXPECT_EQ(toSingle(std::numeric_limits<double>::infinity(), out), kOverflow);
  EXPECT_EQ(toSingle(std::numeric_limits<double>::quiet_NaN(), out), kOverflow);
  // Too small for a single is not a failure: it becomes zero.
  EXPECT_EQ(toSingle(1e-50, out), kOk);
  EXPECT_EQ(out, 0.0f);
}

TEST(SingleArithmetic, RoundsEveryStepToSingle) {
  float out = 0.0f;
  // 2^24 + 1 is not a single: the sum stays 2^24.
  ASSERT_EQ(addSingle(16777216.0f, 1.0f, out), kOk);
  EXPECT_EQ(out, 16777216.0f);
  ASSERT_EQ(divSingle(1.0f, 3.0f, out), kOk);
  EXPECT_EQ(out, 0.333333343f);
  // In double the same inputs sum to 0.30000000447034836; in single to 0.3f.
  ASSERT_EQ(addSingle(0.1f, 0.2f, out), kOk);
  EXPECT_EQ(out, 0.3f);
  ASSERT_EQ(subSingle(0.3f, 0.1f, out), kOk);
  EXPECT_EQ(out, 0.200000018f);  // the exact difference is a tie, the even one wins
}

TEST(SingleArithmetic, ReportsThePlatformFailures) {
  struct Case {
    Status (*op)(float, float, float&);
    float a, b;
    Status status;
    const char* what;
  };
  const Case cases[] = {
      {addSingle, FLT_MAX, FLT_MAX, kOverflow, "max + max"},
      {subSingle, -FLT_MAX, FLT_MAX, kOverflow, "-max - max"},
      {mulSingle, 1e20f, 1e20f, kOverflow, "1e20 * 1e20"},
      {mulSingle, 1e-30f, 1e-30f, kOk, "underflow is zero"},
      {divSingle, 1.0f, 0.0f, kDivisionByZero, "1/0"},
      {divSingle, -1.0f, 0.0f, kDivisionByZero, "-1/0"},
      {divSingle, 0.0f, 0.0f, kOverflow, "0/0"},
      {divSingle, 1e30f, 1e-30f, kOverflow, "1e30/1e-30"},
  };
  for (const Case& c : cases) {
    float out = 123.0f;
    EXPECT_EQ(c.op(c.a, c.b, out), c.status) << c.what;
  }
}

TEST(SingleFunctions, ComputeInDoubleAndRoundOnce) {
  float out = 0.0f;
  // ln 1000 / ln 10 is 2.9999999999999996 in double; rounded to single it is 3.
  ASSERT_EQ(lgSingle(1000.0f, out), kOk);
  EXPECT_EQ(out, 3.0f);
  ASSERT_EQ(sqrtSingle(2.0f, out), kOk);
  EXPECT_EQ(out, 1.41421354f);
  ASSERT_EQ(sinSingle(3.14159f, out), kOk);
  EXPECT_EQ(out, static_cast<float>(std::sin(static_cast<double>(3.14159f))));
  ASSERT_EQ(cotSingle(1.0f, out), kOk);
  EXPECT_EQ(out, static_cast<float>(1.0 / std::tan(1.0)));
  ASSERT_EQ(powSingle(2.0f, -149.0f, out), kOk);  // the smallest single
  EXPECT_EQ(out, std::numeric_limits<float>::denorm_min());
}

TEST(SingleFunctions, ReportDomainAndRangeFailures) {
  struct Case {
    Status (*op)(float, float&);
    float v;
    Status status;
    const char* what;
  };
  const Case unary[] = {
      {sqrtSingle, -1.0f, kInvalidArgument, "sqr -1"},
      {sqrtSingle, -0.0f, kOk, "sqr -0"},
      {lnSingle, 0.0f, kInvalidArgument, "ln 0"},
      {lnSingle, -1.0f, kInvalidArgument, "ln -1"},
      {lgSingle, 0.0f, kInvalidArgument, "lg 0"},
      {cotSingle, 0.0f, kDivisionByZero, "cot 0"},
      {cotSingle, 1e-40f, kOverflow, "cot of a tiny number"},
      {tanSingle, 1.57079637f, kOk, "tan near pi/2 is large but finite"},
  };
  for (const Case& c : unary) {
    float out = 0.0f;
    EXPECT_EQ(c.op(c.v, out), c.status) << c.what;
  }
  float out = 0.0f;
  EXPECT_EQ(powSingle(0.0f, -1.0f, out), kDivisionByZero);
  EXPECT_EQ(powSingle(-8.0f, 1.0f / 3.0f, out), kInvalidArgument);
  EXPECT_EQ(powSingle(2.0f, 128.0f, out), kOverflow);
  ASSERT_EQ(powSingle(0.0f, 0.0f, out), kOk);
  EXPECT_EQ(out, 1.0f);
  ASSERT_EQ(powSingle(-2.0f, 3.0f, out), kOk);
  EXPECT_EQ(out, -8.0f);
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// The power rule of "^", shared by the evaluator and the compiled form.
TEST(PowerRule, NegativeBasesKeepOnlyWholeExponentsAndOddRoots) {
  const struct {
    float a, b;
    Status status;
    float out;
  } cases[] = {
      {2.0f, 0.5f, kOk, static_cast<float>(std::sqrt(2.0))},
      {-2.0f, 2.0f, kOk, 4.0f},  // whole exponent: plain power
      {-2.0f, -1.0f, kOk, -0.5f},
      {-8.0f, 1.0f / 3.0f, kOk, -2.0f},              // n = 3: the real odd root
      {-32.0f, 0.2f, kOk, -2.0f},                    // n = 5
      {-8.0f, -1.0f / 3.0f, kOk, -0.5f},             // n = -3 is odd too
      {-8.0f, 2.0f / 3.0f, kInvalidArgument, 0.0f},  // 1/(2/3) = 1.5 rounds to 2
      {-32.0f, 0.4f, kInvalidArgument, 0.0f},        // 2.5 rounds to 2 (halves to even)
      {-4.0f, 0.5f, kInvalidArgument, 0.0f},
      {-2.0f, 1.5f, kInvalidArgument, 0.0f},  // fraction 0.5 of 1.5
      {-2.0f, 0.0f, kDivisionByZero, 0.0f},   // 1 / 0
      {-0.5f, 0.0f, kDivisionByZero, 0.0f},
      {0.0f, -1.0f, kDivisionByZero, 0.0f},
      {10.0f, 39.0f, kOverflow, 0.0f},
      {-10.0f, 39.0f, kOverflow, 0.0f},
      {-2.0f, 2e-39f, kOverflow, 0.0f},  // 1 / d leaves single precision
  };
  for (const auto& c : cases) {
    float out = 12345.0f;
    EXPECT_EQ(powerRuleSingle(c.a, c.b, out), c.status) << c.a << " ^ " << c.b;
    EXPECT_EQ(out, c.status == kOk ? c.out : 12345.0f) << c.a << " ^ " << c.b;
  }
}

}  // namespace
}  // namespace quorvel
