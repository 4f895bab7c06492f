#!/usr/bin/env bash
# Makes docs/screenshot.png from this version: builds the program, starts it on a
# virtual screen (Xvfb) with a window manager (openbox), draws three curves the way a
# user does (mouse and keyboard through xdotool) and photographs the two windows.
#
#   scripts/screenshot.sh [OUT.png]      (default docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" xvfb openbox xdotool imagemagick \
  x11-utils
out=$(realpath -m "${1:-docs/screenshot.png}")

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

# Positions inside the panel's 绘制 page, in pixels from the panel's inside corner.
click() { xdotool mousemove --window "$panel" "$1" "$2" click 1; sleep 0.3; }
type_text() { xdotool type --delay 20 "$1"; }
pick_family() {  # opens the family list, goes to its top and down N entries
  click 80 64
  xdotool key Home
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 0.3
}
draw() { xdotool key Return; sleep 0.8; }

# 自定义 ｙ＝ is the panel's first family: y = x²/4.
click 80 210
type_text 'x^2/4'
draw
# 反比例函数: y = 6/x.
pick_family 2
click 55 200
type_text '6'
draw
# 正弦函数: y = 3sin(x).
pick_family 5
click 55 200
type_text '3'
click 130 200
type_text '1'
click 79 234
type_text '0'
draw

xdotool mousemove --window "$main" 560 200  # the pointer's read-out in the toolbar
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$main")"
# Both windows with their frames: from the screen's corner to the main window's.
right=$((X + WIDTH + 2))
bottom=$((Y + HEIGHT + 6))
import -window root -crop "${right}x${bottom}+0+0" +repage "$out"
echo "$out"
