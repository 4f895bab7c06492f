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
out=$(realpath -m "${1:-docs/analysis.png}")
source scripts/virtual_screen.sh

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
click_inside "$main" 484 22
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
