#!/usr/bin/env bash
# End-to-end test of window regions on the desktop backend: starts Xvfb (on a display it
# picks itself), takes a screenshot of the bare desktop, starts the shaped-window probe
# (a frameless window whose region leaves out three-pixel steps at its corners) and checks
# in a second screenshot that the left-out pixels show the desktop of the X server while
# the pixels next to them show the window. A click takes the region away, and the corners
# show the window; a second click closes it. Exit 77 (skipped) without Xvfb.
# Usage: shape_e2e.sh PROBE_BINARY OUTPUT_DIR
set -u
probe="$1"
out="$2"
mkdir -p "$out"
log="$out/probe.log"
rm -f "$log" "$out"/*.png
fail_details() {
  [ -f "$log" ] && sed 's/^/  log: /' "$log"
  [ -s "$out/probe.err" ] && sed 's/^/  stderr: /' "$out/probe.err"
}
source "$(dirname "${BASH_SOURCE[0]}")/../../support/desktop_e2e.sh"

start_xvfb 640x480
import -window root "$out/desktop.png" || fail "no screenshot of the bare desktop"

ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" timeout -s KILL 60 "$probe" >"$log" 2>"$out/probe.err" &
probe_pid=$!
pids+=($probe_pid)
wait_for 100 grep -q '^shown' "$log" || fail "the probe did not show its window"
read -r _ L T R B < <(grep '^shown' "$log")
sleep 0.5

# The colours of a screenshot at the given points, one "(R,G,B)" per line.
colours() {
  local file="$1" format="" p c
  shift
  for p in "$@"; do
    format+="("
    for c in r g b; do format+="%[fx:round(255*p{$p}.$c)],"; done
    format="${format%,})\n"
  done
  convert "$file" -format "$format" info:
}
# Points by their offset from each of the four corners, turned inwards: "dx,dy" ...
corners() {
  local p dx dy
  for p in "$@"; do
    dx=${p%,*} dy=${p#*,}
    echo "$((L + dx)),$((T + dy))" "$((R - 1 - dx)),$((T + dy))" "$((L + dx)),$((B - 1 - dy))" \
      "$((R - 1 - dx)),$((B - 1 - dy))"
  done
}
window="(200,40,40)"
ours="(58,110,165)"  # the window system's own desktop colour, which must not show

import -window root "$out/shaped.png" || fail "no screenshot"
cut=($(corners 0,0 1,0 2,0 0,1 1,1 0,2))
kept=($(corners 3,0 2,1 1,2 0,3) "$(((L + R) / 2)),$(((T + B) / 2))")
mapfile -t before < <(colours "$out/desktop.png" "${cut[@]}")
mapfile -t after < <(colours "$out/shaped.png" "${cut[@]}")
for i in "${!cut[@]}"; do
  [ "${after[$i]}" == "${before[$i]}" ] || fail "left-out pixel ${cut[$i]} is ${after[$i]}, the desktop there ${before[$i]}"
  [ "${after[$i]}" != "$ours" ] && [ "${after[$i]}" != "$window" ] || fail "left-out pixel ${cut[$i]} is ${after[$i]}"
done
while read -r c; do
  [ "$c" == "$window" ] || fail "a pixel inside the region is $c, not the window's $window"
done < <(colours "$out/shaped.png" "${kept[@]}")
grep -qiE "shape|X request" "$out/probe.err" && fail "the backend could not shape the window"

# Without a region the whole rectangle is the window again.
xdotool mousemove $(((L + R) / 2)) $(((T + B) / 2)) click 1
wait_for 50 grep -qx unshaped "$log" || fail "the click did not take the region away"
sleep 0.5
import -window root "$out/unshaped.png" || fail "no screenshot"
while read -r c; do
  [ "$c" == "$window" ] || fail "without a region a corner pixel is $c, not the window's $window"
done < <(colours "$out/unshaped.png" "${cut[@]}")

xdotool click 1
wait_for 100 sh -c "! kill -0 $probe_pid 2>/dev/null" || fail "the probe did not exit after its window closed"
wait "$probe_pid"
code=$?
[ "$code" -eq 0 ] || fail "the probe exited with $code"
echo "passed: the corners show the desktop, and the window once its region is gone"
