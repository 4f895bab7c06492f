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

// A place between two defined samples where f is not continuous.
struct Break {
  double t = 0;
  // |f| grows without bound toward t; otherwise f jumps there, or fails at t alone.
  bool pole = false;
};
// The breaks of f (sampled as `samples`) between neighbouring defined samples,
// ascending: poles with or without a change of sign, jumps, and points where f alone
// fails. Undefined samples are not looked into: they are gaps of the domain.
std::vector<Break> breaksOf(const ScalarFunction& f, const Samples& samples);

// v rounded to twelve decimal places below the leading digit of `scale` (the width
// of the interval searched), and read back: the place of a pole found by halving
// close to 0 is 0, not −1.5e−64; one close to 1 is 1.
double tidied(double v, double scale);

// |f| grows without bound toward t: 2^-40 of `step` to either side of t it is more
// than a thousand times what it is 2^-10 of `step` away, where f is defined.
bool poleAt(const ScalarFunction& f, double t, double step);

// The last point where f is defined between `inside` (where it is, with the value
// insideValue) and `outside` (where it fails), and its value there; and the first
// point beyond it, where f fails (the two are neighbouring doubles, or as close as
// the bounded halving gets).
struct DomainEdge {
  double inside = 0;
  double value = 0;
  double outside = 0;
};
DomainEdge domainEdge(const ScalarFunction& f, double inside, double insideValue, double outside);

}  // namespace quorvel
