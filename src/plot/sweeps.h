#pragma once
// The sweep loop of the plotter: steps the sweep variable across a planned range,
// evaluates each step, and draws the points that lie inside the limits.
#include <cstdint>

#include "plot/plotter.h"
#include "plot/sweep_rules.h"

namespace quorvel {

// No sweep visits more steps than this (whole-number mode over a huge typed range).
constexpr std::int64_t kMaxSweepSteps = 1'000'000;

// Runs one sweep. A failing step is skipped; nothing escapes.
void runSweep(PlotContext& ctx, const PlotOptions& options, const SweepPlan& plan);

}  // namespace quorvel
