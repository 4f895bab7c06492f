#!/usr/bin/env bash
# Makes docs/analysis.png, the README's picture of the analysis window, from this
# version: builds the program, starts it on a virtual screen (Xvfb) with a window
# manager (openbox), draws a parabola and a sine curve, opens 分析 from the toolbar,
# asks for the intersections with the marks on the picture, traces the sine curve
# onto a key point and photographs the main window with the analysis window.
#
#   scripts/analysis_screenshot.sh [OUT.png]      (default docs/analysis.png)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" xvfb openbox xdotool imagemagick \
  x11-utils
out=$(realpath -m "${1:-docs/analysis.png}")

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target quorvel >&2

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

display=
for n in $(seq 70 99); do
  [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }
done
[ -n "$display" ] || { echo "no free display number" >&2; exit 1; }
export DISPLAY=$display
Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 & pids+=($!)
# Waits for a condition, a tenth of a second at a time, at most ten seconds.
wait_for() {
  for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "gave up waiting for: $*" >&2
  return 1
}
wait_for xdpyinfo
openbox >/dev/null 2>&1 & pids+=($!)
wait_for wmctrl -m 2>/dev/null || wait_for xprop -root _NET_SUPPORTING_WM_CHECK

# The program keeps its working list and settings beside itself: a folder of its own.
cp build/quorvel "$work/"
mkdir -m 700 "$work/runtime"
(cd "$work" && XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb ./quorvel >"$work/log" 2>&1) &
pids+=($!)
wait_for xdotool search --name '^控制$'
wait_for xdotool search --name '^Quorvel'
panel=$(xdotool search --name '^控制$' | head -n 1)
main=$(xdotool search --onlyvisible --name '^Quorvel' | head -n 1)
sleep 1.5  # the splash closes itself after a second

# 自定义 ｙ＝ is the panel's first family: a parabola, then a sine curve in the same box.
xdotool mousemove --window "$panel" 80 210 click 1
sleep 0.3
xdotool type --delay 20 'x^2/2-2'
xdotool key Return
sleep 0.8
xdotool key ctrl+a
xdotool type --delay 20 'sin(x)*2'
xdotool key Return
sleep 0.8

# Positions in pixels from a window's inside corner.
click_inside() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }

# 分析 in the main window's toolbar: the window opens on the list's current line.
click_inside "$main" 530 22
wait_for xdotool search --onlyvisible --name '^分析$'
analysis=$(xdotool search --onlyvisible --name '^分析$' | head -n 1)
sleep 0.5
click_inside "$analysis" 214 91  # 交点曲线: the parabola
xdotool key Down Return
sleep 0.5
click_inside "$analysis" 205 117  # 在图上标出
click_inside "$analysis" 13 43    # 跟踪
click_inside "$analysis" 324 387  # 列表: the table of values
# Onto the sine curve's maximum at (π/2, 2), where the trace snaps.
xdotool mousemove --window "$main" 384 313
sleep 0.3
xdotool mousemove --window "$main" 385 313
sleep 0.8

# Both windows with their frames: from the main window's left edge to the screen's right.
eval "$(xdotool getwindowgeometry --shell "$main")"
left=$((X - 4))
bottom=$((Y + HEIGHT + 6 < 768 ? Y + HEIGHT + 6 : 768))
import -window root -crop "$((1366 - left))x${bottom}+${left}+0" +repage "$out"
echo "$out"
