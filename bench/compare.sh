#!/usr/bin/env bash
# Runs bench_evaluators and prints, for each expression, the points per second of the
# reference Epc, the compiled form through f, the compiled form without the result
# text ("no text"), muparser and the hand-written formula, and the ratio of f to
# Epc, muparser and native (medians of the repetitions). Extra
# arguments go to the benchmark (for example --benchmark_min_time=1).
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
           "no text", "muparser", "native", "f/Epc", "f/mupar", "f/native"
    for (i = 1; i <= count; ++i) {
      e = order[i]
      c = rate["CompiledF", e]
      printf "%-18s %9s %9s %9s %9s %9s   %8s %8s %8s\n", e, mega(rate["Epc", e]), mega(c), \
             mega(rate["CompiledValue", e]), mega(rate["Muparser", e]), mega(rate["Native", e]), \
             ratio(c, rate["Epc", e]), \
             ratio(c, rate["Muparser", e]), ratio(c, rate["Native", e])
    }
  }'
