#include "analysis/definite_integral.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <limits>
#include <queue>

#include "analysis/analysis_text.h"

namespace quorvel {

namespace {

// The Kronrod nodes on [−1, 1] (the odd ones, 1, 3, 5, are the Gauss nodes; the
// centre is last) and their weights, and the weights of the 7-point Gauss rule on
// nodes 1, 3, 5 and the centre.
constexpr std::array<double, 8> kKronrodNodes{
    0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
    0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
    0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
    0.207784955007898467600689403773245, 0.000000000000000000000000000000000};
constexpr std::array<double, 8> kKronrodWeights{
    0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
    0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
    0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
    0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr std::array<double, 4> kGaussWeights{
    0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
    0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// The error aimed at, as a share of the area; a result that misses it when the pieces
// run out is still given when it is within kGoodEnough.
constexpr double kAimedShare = 1e-10;
constexpr double kGoodEnough = 1e-8;
// A piece this small against the interval that still holds most of the error holds
// a point where f is unbounded.
constexpr double kUnboundedWidth = 1e-9;
// Zeros closer than this share of the interval are one.
constexpr double kSameZero = 1e-9;

struct Piece {
  double a = 0, b = 0;
  double value = 0;
  double error = 0;
  std::size_t part = 0;  // the stretch between two zeros it belongs to
  bool operator<(const Piece& o) const { return error < o.error; }
};

// f failed at `where` (or gave no finite value).
struct Failure {
  double where = 0;
};

// One Gauss–Kronrod rule on [a, b] with the error estimate of QUADPACK's QK15.
std::optional<Piece> gaussKronrod(const ScalarFunction& f, double a, double b, std::size_t part,
                                  Failure& failure) {
  const double centre = a + (b - a) / 2;
  const double half = (b - a) / 2;
  std::array<double, 7> left{}, right{};
  auto at = [&](double x, double& v) {
    const std::optional<double> fx = f(x);
    if (!fx || !std::isfinite(*fx)) {
      failure.where = x;
      return false;
    }
    v = *fx;
    return true;
  };
  double fc = 0;
  if (!at(centre, fc)) return std::nullopt;
  double kronrod = fc * kKronrodWeights[7];
  double gauss = fc * kGaussWeights[3];
  double absolute = std::fabs(kronrod);
  for (std::size_t j = 0; j < 7; ++j) {
    const double dx = half * kKronrodNodes[j];
    if (!at(centre - dx, left[j]) || !at(centre + dx, right[j])) return std::nullopt;
    const double sum = left[j] + right[j];
    kronrod += kKronrodWeights[j] * sum;
    absolute += kKronrodWeights[j] * (std::fabs(left[j]) + std::fabs(right[j]));
    if (j % 2 == 1) gauss += kGaussWeights[j / 2] * sum;
  }
  const double mean = kronrod / 2;
  double spread = kKronrodWeights[7] * std::fabs(fc - mean);
  for (std::size_t j = 0; j < 7; ++j) {
    spread += kKronrodWeights[j] * (std::fabs(left[j] - mean) + std::fabs(right[j] - mean));
  }
  const double width = std::fabs(half);
  spread *= width;
  absolute *= width;
  double error = std::fabs((kronrod - gauss) * half);
  if (spread != 0 && error != 0)
    error = spread * std::min(1.0, std::pow(200 * error / spread, 1.5));
  if (absolute > DBL_MIN / (50 * kEpsilon)) error = std::max(50 * kEpsilon * absolute, error);
  return Piece{a, b, kronrod * half, error, part};
}

std::string undefinedAt(double x) {
  return "函数在积分区间内的 x = " + textbookNumber(x) + " 处没有定义";
}
std::string poleAtText(double x) {
  return "积分区间内的 x = " + textbookNumber(x) + " 处是函数的极点，积分不存在";
}

// The reason the sampled interval cannot be integrated, or the places where it is cut:
// its jumps and holes (cuts) and the zeros of f (the area's splits).
std::string inspect(const ScalarFunction& f, const Samples& s, std::vector<double>& cuts,
                    std::vector<double>& zeros) {
  const double lo = s.t.front(), hi = s.t.back();
  const double step = (hi - lo) / static_cast<double>(s.t.size() - 1);
  for (std::size_t i = 0; i < s.t.size(); ++i) {
    if (s.value[i] && std::isfinite(*s.value[i])) continue;
    const double t = tidied(s.t[i], hi - lo);
    return poleAt(f, s.t[i], step) ? poleAtText(t) : undefinedAt(t);
  }
  for (const Break& b : breaksOf(f, s)) {
    if (b.pole) return poleAtText(tidied(b.t, hi - lo));
    cuts.push_back(b.t);
  }
  for (const double z : zerosOf(f, s)) {
    // The search may find a zero that touches the axis twice, a few ulps apart.
    if (lo < z && z < hi && (zeros.empty() || z - zeros.back() > kSameZero * (hi - lo))) {
      zeros.push_back(z);
    }
  }
  cuts.insert(cuts.end(), zeros.begin(), zeros.end());
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  return {};
}

// The running sums of the pieces: each part's integral, and the error of all.
class Totals {
 public:
  explicit Totals(std::size_t parts) : parts_(parts, 0.0) {}
  void add(const Piece& p, double sign) {
    area_ -= std::fabs(parts_[p.part]);
    parts_[p.part] += sign * p.value;
    area_ += std::fabs(parts_[p.part]);
    error_ += sign * p.error;
  }
  double area() const { return area_; }
  double error() const { return std::max(error_, 0.0); }

 private:
  std::vector<double> parts_;
  double area_ = 0;
  double error_ = 0;
};

// Adaptive quadrature over the parts [edges[k], edges[k + 1]]: the piece with the
// largest error is halved until the errors add up to the aim or the pieces run out.
IntegralOutcome adaptive(const ScalarFunction& f, const std::vector<double>& edges) {
  const double width = edges.back() - edges.front();
  std::priority_queue<Piece> open;
  std::vector<Piece> settled;  // pieces too narrow to halve
  Totals totals(edges.size());
  Failure failure;
  for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
    const std::optional<Piece> p = gaussKronrod(f, edges[k], edges[k + 1], k, failure);
    if (!p) return {std::nullopt, undefinedAt(tidied(failure.where, width))};
    open.push(*p);
    totals.add(*p, 1);
  }
  for (int pieces = static_cast<int>(open.size()); totals.error() > kAimedShare * totals.area() &&
                                                   !open.empty() && pieces < kMostIntegralPieces;
       ++pieces) {
    const Piece worst = open.top();
    open.pop();
    const double mid = worst.a + (worst.b - worst.a) / 2;
    if (!(worst.a < mid && mid < worst.b)) {
      settled.push_back(worst);
      continue;
    }
    totals.add(worst, -1);
    for (const auto& [lo, hi] : {std::pair{worst.a, mid}, std::pair{mid, worst.b}}) {
      const std::optional<Piece> p = gaussKronrod(f, lo, hi, worst.part, failure);
      if (!p) return {std::nullopt, undefinedAt(tidied(failure.where, width))};
      open.push(*p);
      totals.add(*p, 1);
    }
  }
  // The sums again from the pieces themselves, free of the running sums' rounding.
  for (; !open.empty(); open.pop()) settled.push_back(open.top());
  Totals exact(edges.size());
  DefiniteIntegral result;
  const Piece* worst = nullptr;
  for (const Piece& p : settled) {
    exact.add(p, 1);
    result.integral += p.value;
    if (worst == nullptr || p.error > worst->error) worst = &p;
  }
  if (!(exact.error() <= kGoodEnough * exact.area())) {
    if (worst != nullptr && worst->b - worst->a <= kUnboundedWidth * width) {
      return {std::nullopt,
              "积分不收敛：函数在 x = " + textbookNumber(tidied(worst->a, width)) + " 附近无界"};
    }
    return {std::nullopt, "积分没有达到要求的精度：函数在区间内变化太剧烈"};
  }
  result.area = exact.area();
  result.error = exact.error();
  return {result, {}};
}

}  // namespace

IntegralOutcome integrate(const ScalarFunction& f, double a, double b) {
  if (!std::isfinite(a) || !std::isfinite(b)) return {std::nullopt, kMessageIntegralBounds};
  if (a == b) return {DefiniteIntegral{}, {}};
  const double lo = std::min(a, b), hi = std::max(a, b);
  const Samples samples = sampleFunction(f, lo, hi);
  std::vector<double> cuts, zeros;
  const std::string reason = inspect(f, samples, cuts, zeros);
  if (!reason.empty()) return {std::nullopt, reason};
  std::vector<double> edges{lo};
  for (const double c : cuts) {
    if (lo < c && c < hi) edges.push_back(c);
  }
  edges.push_back(hi);
  IntegralOutcome outcome = adaptive(f, edges);
  if (outcome.result) {
    if (a > b) outcome.result->integral = -outcome.result->integral;
    outcome.result->zeros = zeros;
  }
  return outcome;
}

IntegralOutcome integrateBetween(const ScalarFunction& upper, const ScalarFunction& lower, double a,
                                 double b) {
  const ScalarFunction difference = [&upper, &lower](double x) -> std::optional<double> {
    const std::optional<double> u = upper(x);
    if (!u) return std::nullopt;
    const std::optional<double> l = lower(x);
    if (!l) return std::nullopt;
    return *u - *l;
  };
  return integrate(difference, a, b);
}

}  // namespace quorvel
