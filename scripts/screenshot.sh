#!/usr/bin/env bash
# Makes docs/screenshot.png from this version: builds the program, starts it on a
# virtual screen (Xvfb) with a window manager (openbox), draws three curves the way a
# user does (mouse and keyboard through xdotool) and photographs the two windows.
#
#   scripts/screenshot.sh [OUT.png]      (default docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/screenshot.png}")
source scripts/virtual_screen.sh

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
