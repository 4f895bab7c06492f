// The breaks the search finds between samples: poles with and without a change of
// sign, jumps, and none where the function is continuous, however steep.
#include <cmath>
#include <numbers>
#include <string>

#include "analysis/search.h"
#include "analysis_test_support.h"

namespace quorvel::test {
namespace {

ScalarFunction lambda(double (*f)(double)) {
  return [f](double x) -> std::optional<double> {
    const double v = f(x);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
  };
}

TEST(Breaks, PolesJumpsAndContinuousCurves) {
  const double third = 1.0 / 3;
  const struct {
    const char* what;
    ScalarFunction f;
    double lo, hi;
    std::vector<Break> breaks;
  } cases[] = {
      {"tan across pi/2", lambda(std::tan), 0, 3, {{std::numbers::pi / 2, true}}},
      {"1/(x-1/3): a change of sign",
       lambda([](double x) { return 1 / (x - 1.0 / 3); }),
       0,
       1,
       {{third, true}}},
      {"1/(x-1/3)^2: none",
       lambda([](double x) { return 1 / ((x - 1.0 / 3) * (x - 1.0 / 3)); }),
       -2,
       2,
       {{third, true}}},
      {"a step across zero",
       lambda([](double x) { return x < 0.3 ? -1.0 : 1.0; }),
       0,
       1,
       {{0.3, false}}},
      {"floor", lambda(std::floor), -1.5, 1.7, {{-1, false}, {0, false}, {1, false}}},
      {"sin", lambda(std::sin), -10, 10, {}},
      {"x^2 with its turn between samples",
       lambda([](double x) { return (x - 1.0 / 3) * (x - 1.0 / 3); }),
       -1,
       1,
       {}},
      {"sqrt, steep at its end", lambda(std::sqrt), 0, 1, {}},
      {"cube root, steep across 0", lambda(std::cbrt), -1, 1.1, {}},
      {"tanh 1000x, steep but continuous",
       lambda([](double x) { return std::tanh(1000 * x); }),
       -1,
       1.1,
       {}},
  };
  for (const auto& c : cases) {
    const std::vector<Break> found = breaksOf(c.f, sampleFunction(c.f, c.lo, c.hi));
    ASSERT_EQ(found.size(), c.breaks.size()) << c.what;
    for (std::size_t i = 0; i < found.size(); ++i) {
      EXPECT_NEAR(found[i].t, c.breaks[i].t, 1e-12) << c.what;
      EXPECT_EQ(found[i].pole, c.breaks[i].pole) << c.what;
    }
  }
}

TEST(Breaks, PlacesTidiedToTheirScale) {
  EXPECT_EQ(tidied(-1.5e-64, 6), 0.0);
  EXPECT_EQ(tidied(0.9999999999999999, 2), 1.0);
  EXPECT_EQ(tidied(1.4142135623730951, 2), 1.414213562373);
  EXPECT_EQ(tidied(1e-13, 1e-12), 1e-13);
}

}  // namespace
}  // namespace quorvel::test
