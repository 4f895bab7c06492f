#!/usr/bin/env bash
# Whole-process time of the list commands against a bare `quorvel --version` in the
# same run: `quorvel list` and `quorvel points` of the 15-entry list of the replay
# benchmarks (bench/mixed_list.sh). The three run alternately RUNS times (default 20);
# the medians of the wall times and their ratios to --version are printed, and the
# lines `list_ratio MS VERSION_MS RATIO` and `points_ratio …` for bench/run.sh.
# QUORVEL names another build of the program to time (default build/quorvel).
# Target: each at most 1.3 x --version.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"

source bench/process_timing.sh
mixed_list "$quorvel" mixed.qvx

: >version.times
: >list.times
: >points.times
for ((i = 0; i < RUNS; ++i)); do
  wall_ms "$quorvel" --version >>version.times
  wall_ms "$quorvel" list mixed.qvx >>list.times
  wall_ms "$quorvel" points mixed.qvx --entry 14 >>points.times
done
v=$(median <version.times)
l=$(median <list.times)
p=$(median <points.times)
awk -v v="$v" -v l="$l" -v p="$p" -v runs="$RUNS" 'BEGIN {
  printf "%-40s %10s %10s\n", "the 15-entry list, whole processes", "median ms", "of version"
  printf "%-40s %10.1f %10s\n", "quorvel --version", v, "1.00x"
  printf "%-40s %10.1f %9.2fx  %s\n", "quorvel list", l, l / v, l / v <= 1.3 ? "met" : "NOT met"
  printf "%-40s %10.1f %9.2fx  %s\n", "quorvel points --entry 14", p, p / v, p / v <= 1.3 ? "met" : "NOT met"
  printf "(%d runs each, alternating; target at most 1.3x)\n", runs
  printf "list_ratio %.1f %.1f %.3f\n", l, v, l / v
  printf "points_ratio %.1f %.1f %.3f\n", p, v, p / v
}'
