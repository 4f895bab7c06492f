#!/usr/bin/env bash
# Whole-process time of a PNG export against gnuplot drawing the same curves in the
# same run: `quorvel export` of a list holding y = sin(x) (the sine family, built
# with `quorvel add`) at 1600 x 1000 pixels and 10000 steps, and gnuplot's pngcairo
# terminal at that size with 10000 samples; then the same for the 15-entry list of
# the replay benchmarks (bench/mixed_list.sh). The programs run alternately RUNS
# times (default 20); the medians of the wall times and their ratios are printed, and
# the lines `export_ratio QUORVEL_MS GNUPLOT_MS RATIO` and `export15_ratio …` for
# bench/run.sh. QUORVEL names another build of the program to time (default
# build/quorvel). Target: quorvel at most 0.3 x gnuplot.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"

source bench/process_timing.sh
"$quorvel" add sine.qvx --family 5 --p1 1 --p2 1 --p3 0 >/dev/null
mixed_list "$quorvel" mixed.qvx

: >q.times
: >g.times
: >q15.times
: >g15.times
for ((i = 0; i < RUNS; ++i)); do
  wall_ms "$quorvel" export sine.qvx q.png --size 1600x1000 --level 10000 >>q.times
  wall_ms gnuplot -e 'set terminal pngcairo size 1600,1000; set output "g.png"; set samples 10000; plot sin(x)' >>g.times
  wall_ms "$quorvel" export mixed.qvx q15.png --size 1600x1000 --level 10000 >>q15.times
  wall_ms gnuplot -e "set terminal pngcairo size 1600,1000; set output 'g15.png'; set samples 10000; set yrange [-10:10]; plot $MIXED_LIST_GNUPLOT" >>g15.times
done
report() {
  local what=$1 key=$2 q g
  q=$(median <"$3")
  g=$(median <"$4")
  awk -v what="$what" -v key="$key" -v q="$q" -v g="$g" -v runs="$RUNS" \
      -v qb="$(stat -c %s "$5")" -v gb="$(stat -c %s "$6")" 'BEGIN {
    ratio = q / g
    printf "%-40s %10s %10s\n", what, "median ms", "file bytes"
    printf "%-40s %10.1f %10d\n", "quorvel export", q, qb
    printf "%-40s %10.1f %10d\n", "gnuplot pngcairo", g, gb
    printf "ratio %.2fx (target at most 0.3x): %s   (%d runs each, alternating)\n", ratio, \
           ratio <= 0.3 ? "met" : "NOT met", runs
    printf "%s %.1f %.1f %.3f\n", key, q, g, ratio
  }'
}
report "one sine, 1600 x 1000 PNG, 10000 steps" export_ratio q.times g.times q.png g.png
report "15 curves, 1600 x 1000 PNG, 10000 steps" export15_ratio q15.times g15.times q15.png g15.png
