#include "plot/nice_ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "plot/axes.h"

namespace quorvel {

namespace {

constexpr double kLeastMinorPixels = 8;  // minor ticks closer than this are left out
constexpr int kMostTries = 64;           // nice steps tried before the widest is taken
// More ticks than this on an axis means a degenerate picture: none are drawn.
constexpr std::int64_t kMostTicks = 100'000;

double scaleOf(const ViewState& view) {
  return view.zoomScale == 0 ? 1.0 : std::fabs(static_cast<double>(view.zoomScale));
}

// The multiples of `spacing` view units between two edges.
struct TickRange {
  std::int64_t first = 1;
  std::int64_t last = 0;
  bool empty() const { return last < first; }
};
TickRange ticksBetween(double low, double high, double spacing) {
  TickRange r;
  if (!(spacing > 0)) return r;
  const double first = std::ceil(low / spacing);
  const double last = std::floor(high / spacing);
  // Far beyond any picture's ticks (and beyond what a whole number holds): none.
  constexpr double kFarthest = 1e15;
  if (!(std::fabs(first) < kFarthest && std::fabs(last) < kFarthest) || last - first > kMostTicks) {
    return r;
  }
  r.first = static_cast<std::int64_t>(first);
  r.last = static_cast<std::int64_t>(last);
  return r;
}

// The widest label of the multiples of a step inside [low, high] view units.
template <class Label>
double widestLabel(double low, double high, double spacing, const TextMeasure& measure,
                   Label label) {
  const TickRange r = ticksBetween(low, high, spacing);
  double widest = 0;
  if (r.empty()) return widest;
  for (std::int64_t k = r.first; k <= r.last; ++k) {
    if (k != 0) widest = std::max(widest, measure.width(label(k)));
  }
  return widest;
}

// Major ticks with their labels and the minor ticks between them, 0 left out.
template <class Label>
std::vector<Tick> ticksAlong(double low, double high, double spacing, int minorParts,
                             double pixelsPerViewUnit, Label label) {
  std::vector<Tick> ticks;
  const bool minors =
      minorParts > 1 && spacing / minorParts * pixelsPerViewUnit >= kLeastMinorPixels;
  const int parts = minors ? minorParts : 1;
  const TickRange r = ticksBetween(low, high, spacing / parts);
  if (r.empty()) return ticks;
  for (std::int64_t m = r.first; m <= r.last; ++m) {
    if (m == 0) continue;
    const double at = static_cast<double>(m) * spacing / parts;
    ticks.push_back(Tick{at, m % parts == 0 ? label(m / parts) : std::string()});
  }
  return ticks;
}

int minorPartsOf(const NiceStep& step) { return step.digits == 2 ? 4 : 5; }

}  // namespace

double NiceStep::units() const { return static_cast<double>(digits) * std::pow(10.0, exponent); }

NiceStep NiceStep::next() const {
  switch (digits) {
    case 1: return {2, exponent};
    case 2: return {25, exponent - 1};
    case 25: return {5, exponent + 1};
    default: return {1, exponent + 1};
  }
}

NiceStep niceStepAtLeast(double units) {
  if (!(units > 0) || !std::isfinite(units)) return {};
  NiceStep step{1, static_cast<int>(std::floor(std::log10(units))) - 1};
  // A few steps at most: from a tenth of the power of ten below upward.
  for (int i = 0; i < 8 && step.units() < units * (1 - 1e-12); ++i) step = step.next();
  return step;
}

std::string niceLabel(std::int64_t k, const NiceStep& step) {
  const std::int64_t n = k * step.digits;
  if (n == 0) return "0";
  const std::string digits = std::to_string(n < 0 ? -n : n);
  std::string text = n < 0 ? "-" : "";
  if (step.exponent >= 0) {
    text += digits;
    text.append(static_cast<std::size_t>(step.exponent), '0');
    return text;
  }
  // The whole part, then as many decimals as the step has, trailing zeros left out.
  const auto decimals = static_cast<std::size_t>(-step.exponent);
  const std::string padded =
      std::string(digits.size() <= decimals ? decimals + 1 - digits.size() : 0, '0') + digits;
  const std::size_t point = padded.size() - decimals;
  text.append(padded, 0, point);
  std::size_t end = padded.size();
  while (end > point && padded[end - 1] == '0') --end;
  if (end > point) {
    text += '.';
    text.append(padded, point, end - point);
  }
  return text;
}

AxisTicks niceTicks(const ViewState& view, double pixelsPerUnitX, double pixelsPerUnitY,
                    bool piTicks, const TextMeasure& measure) {
  AxisTicks ticks;
  const double scale = scaleOf(view);
  const double acrossX = scale * pixelsPerUnitX;  // pixels per curve unit
  const double acrossY = scale * pixelsPerUnitY;
  if (!(acrossX > 0) || !(acrossY > 0) || !std::isfinite(acrossX) || !std::isfinite(acrossY)) {
    return ticks;
  }
  const double height = std::max(1.0, measure.height);
  const double gap = kLabelGapHeights * height;
  const double least = kLeastTickSpacingHeights * height;
  const auto left = static_cast<double>(view.viewLeft), right = static_cast<double>(view.viewRight);
  const auto bottom = static_cast<double>(view.viewBottom);
  const auto top = static_cast<double>(view.viewTop);

  // Along y the labels stand one above the other: a text's height and a gap apart.
  NiceStep step = niceStepAtLeast(std::max(least, height + gap) / acrossY);
  if (!piTicks) {
    // Along x the widest label of a step decides whether it fits.
    NiceStep x = niceStepAtLeast(least / acrossX);
    for (int i = 0; i < kMostTries; ++i, x = x.next()) {
      const double spacing = x.units() * scale;
      const double widest = widestLabel(left, right, spacing, measure,
                                        [&](std::int64_t k) { return niceLabel(k, x); });
      if (widest + gap <= spacing * pixelsPerUnitX) break;
    }
    if (x.units() > step.units()) step = x;
  }
  ticks.step = step;
  const double spacing = step.units() * scale;
  auto label = [&](std::int64_t k) { return niceLabel(k, step); };
  ticks.y = ticksAlong(bottom, top, spacing, minorPartsOf(step), pixelsPerUnitY, label);
  if (!piTicks) {
    ticks.x = ticksAlong(left, right, spacing, minorPartsOf(step), pixelsPerUnitX, label);
    return ticks;
  }

  // π ticks: π/2 times a power of two, from the least spacing up until the labels fit.
  const double halfPi = std::acos(-1.0) / 2;
  const double needed = least / (halfPi * acrossX);
  int power = static_cast<int>(std::clamp(std::ceil(std::log2(needed)), -40.0, 40.0));
  PiSpacing pi;
  for (int i = 0; i < kMostTries && power <= 40; ++i, ++power) {
    pi.numerator = power >= 0 ? std::int64_t{1} << power : 1;
    pi.denominator = power >= 0 ? 1 : std::int64_t{1} << -power;
    pi.viewUnits = halfPi * scale * std::ldexp(1.0, power);
    const double widest = widestLabel(left, right, pi.viewUnits, measure,
                                      [&](std::int64_t k) { return piLabel(k, pi); });
    if (widest + gap <= pi.viewUnits * pixelsPerUnitX) break;
  }
  ticks.piNumerator = pi.numerator;
  ticks.piDenominator = pi.denominator;
  ticks.x = ticksAlong(left, right, pi.viewUnits, 2, pixelsPerUnitX,
                       [&](std::int64_t k) { return piLabel(k, pi); });
  return ticks;
}

}  // namespace quorvel
