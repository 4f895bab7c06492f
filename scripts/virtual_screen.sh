#!/usr/bin/env bash
# Sourced by the screenshot scripts: builds the program and starts it on a virtual
# screen of 1366 × 768 (Xvfb) with a window manager (openbox), in a folder of its own.
# Afterwards DISPLAY is set, $panel and $main are the control panel's and the main
# window's ids, wait_for waits for a condition, and everything stops when the
# script ends.
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" xvfb openbox xdotool imagemagick \
  x11-utils

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target quorvel >&2

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Waits for a condition, a tenth of a second at a time, at most ten seconds.
wait_for() {
  for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "gave up waiting for: $*" >&2
  return 1
}

display=
for n in $(seq 70 99); do
  [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }
done
[ -n "$display" ] || { echo "no free display number" >&2; exit 1; }
export DISPLAY=$display
Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 & pids+=($!)
wait_for xdpyinfo
openbox >/dev/null 2>&1 & pids+=($!)
wait_for wmctrl -m 2>/dev/null || wait_for xprop -root _NET_SUPPORTING_WM_CHECK

# The program keeps its working list and settings beside itself: a folder of its own.
cp build/quorvel "$work/"
mkdir -m 700 "$work/runtime"
(cd "$work" && XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb ./quorvel >"$work/log" 2>&1) &
pids+=($!)
wait_for xdotool search --name '^控制$'
wait_for xdotool search --onlyvisible --name '^Quorvel'
panel=$(xdotool search --name '^控制$' | head -n 1)
main=$(xdotool search --onlyvisible --name '^Quorvel' | head -n 1)
sleep 1.5  # the splash closes itself after a second
