#!/usr/bin/env bash
# Every benchmark of the project and one table of the figures that have targets.
# Runs bench/compare.sh (the evaluator table, printed as it comes), bench_replay,
# bench_frame, bench_plot, bench_surface, bench_list and bench_curves (medians of REPS
# repetitions, default 5) and bench/export_compare.sh (RUNS alternating runs, default 20).
# Times are wall medians; the machine should be quiet (other builds raise them all).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"

REPS=${REPS:-5}
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WERROR=ON >/dev/null
fi
cmake --build build --target bench_replay bench_frame bench_plot bench_surface bench_list \
  bench_curves quorvel >/dev/null

echo "== evaluators (bench/compare.sh)"
bench/compare.sh || echo "(bench/compare.sh failed; the table below goes on without it)"
echo

results=$(mktemp)
trap 'rm -f "$results"' EXIT
# NAME MEDIAN_MS (wall) MEDIAN_CPU_MS, one line per benchmark.
for bench in bench_replay bench_frame bench_plot bench_surface bench_list bench_curves; do
  "./build/bench/$bench" --benchmark_format=csv --benchmark_repetitions="$REPS" \
      --benchmark_report_aggregates_only=true 2>/dev/null |
  awk -F, '$1 ~ /_median"$/ {
    name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
    scale = ($5 == "ns") ? 1e-6 : ($5 == "us") ? 1e-3 : ($5 == "s") ? 1e3 : 1
    printf "%s %.3f %.3f\n", name, $3 * scale, $4 * scale
  }' >>"$results" || echo "($bench failed; its figures are left out)"
done
echo "== export against gnuplot (bench/export_compare.sh)"
exported=$(bench/export_compare.sh) || echo "(bench/export_compare.sh failed)"
echo "$exported" | grep -v '^export_ratio ' || true
echo "$exported" | awk '$1 == "export_ratio" { print "ExportRatio", $4, $2, $3 }' >>"$results"
echo

awk '
  { value[$1] = $2; cpu[$1] = $3 }
  function row(what, name, limit, unit,    v, ok) {
    if (!(name in value)) { printf "%-44s %10s %10s %10s  %s\n", what, "-", limit unit, "-", "not run"; return }
    v = value[name]; ok = v <= limit
    printf "%-44s %10.2f %10s %9.2fx  %s\n", what, v, limit unit, v / limit, ok ? "met" : "NOT met"
  }
  function info(what, name) {
    if (name in value) printf "%-44s %10.2f %10s %10s  %s\n", what, value[name], "-", "-", "(cpu " cpu[name] " ms)"
  }
  END {
    printf "%-44s %10s %10s %10s  %s\n", "figure (medians, ms)", "value", "target", "of target", ""
    row("one 10000-step curve, sin(x)*x^2, raster", "UserCurveOnRaster", 4, " ms")
    info("  its 10000 lines + dots alone (aliased)", "BM_CurveAliased")
    info("  antialiased (QPainter)", "BM_CurveAntialiased")
    info("  axes (aliased)", "BM_AxesAliased")
    row("15-entry replay, level 10000, 1600 x 1000", "BM_Replay15/Full_Aliased", 60, " ms")
    row("  the same, stretch target", "BM_Replay15/Full_Aliased", 16, " ms")
    info("  antialiased (not used by the window)", "BM_Replay15/Full_Antialiased")
    row("15-entry replay, level 2000, 1000 x 700", "BM_Replay15/Window_Level2000", 100, " ms")
    info("  antialiased (not used by the window)", "BM_Replay15/Window_Level2000_Antialiased")
    row("drag frame in the window, 15 entries", "BM_DragFrame/Aliased", 8, " ms")
    row("  modern look (smooth, nice ticks, texts)", "BM_DragFrame/Modern", 16, " ms")
    row("  modern, names beside the curves", "BM_DragFrame/ModernNames", 16, " ms")
    row("  modern, legend", "BM_DragFrame/ModernLegend", 16, " ms")
    row("  modern, key points of sin x marked", "BM_DragFrame/ModernKeyPoints", 16, " ms")
    row("  modern, 4 of the 15 parametric, polar, forms", "BM_DragFrame/ModernNewKinds", 16, " ms")
    row("  modern, 3 of the 15 equations (smooth)", "BM_DragFrame/ModernEquations", 16, " ms")
    row("wheel frame in the window, 15 entries", "BM_WheelFrame", 8, " ms")
    row("live slider step over 15 curves", "BM_SliderStep/iterations:200", 4, " ms")
    row("quorvel list of 32767 records", "BM_ListCommand/32767", 2000, " ms")
    info("  of 8000 records", "BM_ListCommand/8000")
    row("the window opening 1000 curves", "BM_OpenInWindow/1000", 3000, " ms")
    info("  300 curves", "BM_OpenInWindow/300")
    row("parametric curve, 10000 steps, window", "BM_ParametricCircle10000", 4, " ms")
    info("  polar rose, 10000 steps", "BM_PolarRose10000")
    row("implicit conic x^2/4+y^2=1, window", "BM_ImplicitConic", 20, " ms")
    info("  native F (the evaluator's share left out)", "BM_ImplicitConicNative")
    row("implicit folium x^3+y^3=3xy, window", "BM_ImplicitFolium", 40, " ms")
    info("  native F (the evaluator's share left out)", "BM_ImplicitFoliumNative")
    info("region x^2+y^2<=4 shaded, window", "BM_RegionMaskDisc")
    info("  every pixel tested", "BM_RegionMaskDiscPerPixel")
    row("export PNG / gnuplot pngcairo (ratio)", "ExportRatio", 0.75, "x")
    info("  PNG of a curve, image as it is", "BM_PngOfTheImageAsItIs")
    info("  PNG of a curve, savePng (palette)", "BM_PngWithPalette")
  }' "$results"
