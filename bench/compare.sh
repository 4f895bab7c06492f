#!/usr/bin/env bash
# Runs bench_evaluators and prints, for each expression, the points per second of the
# reference Epc, the compiled form through f, the compiled form alone without f's
# dispatch, cache and state ("value"), muparser and the hand-written formula, and the ratio of f to
# Epc, muparser and native (medians of the repetitions), then which of the speed
# targets the run meets. Extra arguments go to the benchmark (for example
# --benchmark_min_time=1).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"

# Configuring again picks up muparser when it was installed after the first time.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WERROR=ON >/dev/null
cmake --build build --target bench_evaluators >/dev/null

./build/bench/bench_evaluators --benchmark_format=csv --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true "$@" 2>/dev/null |
awk -F, '
  $1 ~ /_median"$/ {
    name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
    split(name, part, "/")
    kind = part[1]; expr = part[2]
    if (kind ~ /^Native/) kind = "Native"
    rate[kind, expr] = $7
    if (!(expr in seen)) { seen[expr] = 1; order[++count] = expr }
  }
  function mega(v) { return v == "" ? "-" : sprintf("%.2f", v / 1e6) }
  function ratio(a, b) { return (a == "" || b == "") ? "-" : sprintf("%.2fx", a / b) }
  END {
    printf "%-18s %9s %9s %9s %9s %9s   %8s %8s %8s\n", "points (M/s)", "Epc", "f", \
           "value", "muparser", "native", "f/Epc", "f/mupar", "f/native"
    for (i = 1; i <= count; ++i) {
      e = order[i]
      c = rate["CompiledF", e]
      printf "%-18s %9s %9s %9s %9s %9s   %8s %8s %8s\n", e, mega(rate["Epc", e]), mega(c), \
             mega(rate["CompiledValue", e]), mega(rate["Muparser", e]), mega(rate["Native", e]), \
             ratio(c, rate["Epc", e]), \
             ratio(c, rate["Muparser", e]), ratio(c, rate["Native", e])
    }
    # The targets: f at least 40x Epc everywhere; 1.5x muparser on the sine and the
    # rational curve, 4x on the root and logs; within 2x of native on the arithmetic ones.
    want["mupar", "sine_times_square"] = 1.5; want["mupar", "rational_and_wave"] = 1.5
    want["mupar", "root_and_logs"] = 4; want["native", "x"] = 0.5; want["native", "linear"] = 0.5
    met = ""; missed = ""
    for (i = 1; i <= count; ++i) {
      e = order[i]; c = rate["CompiledF", e]
      check(c, rate["Epc", e], 40, e " f/Epc>=40x")
      if (("mupar", e) in want)
        check(c, rate["Muparser", e], want["mupar", e], e " f/mupar>=" want["mupar", e] "x")
      if (("native", e) in want)
        check(c, rate["Native", e], want["native", e], e " f/native>=" want["native", e] "x")
    }
    printf "targets met:    %s\n", met == "" ? "none" : met
    printf "targets missed: %s\n", missed == "" ? "none" : missed
  }
  function check(c, base, factor, label) {
    if (c == "" || base == "") missed = missed " [" label ": not measured]"
    else if (c / base >= factor) met = met " [" label "]"
    else missed = missed " [" label "]"
  }'
