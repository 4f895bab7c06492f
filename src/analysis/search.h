#pragma once
// Where a function of one variable is zero and where it turns: it is sampled in equal
// steps and each bracket found there is refined with the function itself (in double
// precision). Every loop is bounded: the samples by their count, each refinement by
// its iterations.
#include <functional>
#include <optional>
#include <vector>

namespace quorvel {

// A function that may fail at some t (nullopt there).
using ScalarFunction = std::function<std::optional<double>(double)>;

// Steps over the sampled interval, whatever the plotter's precision.
inline constexpr int kSampleSteps = 4000;

// f at t_i = lo + i·(hi − lo)/steps, i = 0 … steps (computed, not added up).
struct Samples {
  std::vector<double> t;
  std::vector<std::optional<double>> value;
};
Samples sampleFunction(const ScalarFunction& f, double lo, double hi, int steps = kSampleSteps);
// The same samples less c (the samples of f − c).
Samples shiftedSamples(const Samples& samples, double c);

// The t where f (sampled as `samples`) is zero, ascending, possibly a few times the
// same t: where it changes sign, where it touches zero without crossing, where its
// domain ends on zero, and isolated samples that are exactly zero. Never a pole or a
// jump, and never a stretch where f stays zero.
std::vector<double> zerosOf(const ScalarFunction& f, const Samples& samples);

struct Turn {
  double t = 0;
  double value = 0;
  bool maximum = false;
};
// The local maxima and minima of f strictly inside the sampled interval, ascending:
// smooth turns and corners, never a pole, a jump or a flat stretch.
std::vector<Turn> turnsOf(const ScalarFunction& f, const Samples& samples);

}  // namespace quorvel
