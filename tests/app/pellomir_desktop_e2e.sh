#!/usr/bin/env bash
# End-to-end test of the program on a desktop: starts Xvfb (on a display it picks itself)
# and a loopback server with the sample sitemap, starts Pellomir on that display, checks
# that its main window opens at the top-left corner with its title, then with xdotool
# drags the window away and back by its title, types the sitemap address, presses the
# fetch button, presses the save button, types a file name in the save dialog and checks
# the saved list against the sample sitemap.
# Where to click comes from the script driver's `dump` of the same program, so the test
# follows the stored window description. Exit 77 (skipped) without Xvfb or xdotool.
# Usage: pellomir_desktop_e2e.sh PELLOMIR DRIVER SERVER SAMPLES_DIR OUTPUT_DIR
set -u
exe="$(realpath "$1")" driver="$2" server="$3" samples="$4" out="$5"
rm -rf "$out"
mkdir -p "$out"
fail_details() {
  [ -s "$out/pellomir.err" ] && sed 's/^/  stderr: /' "$out/pellomir.err"
  [ -n "${DISPLAY:-}" ] && import -window root "$out/failure.png" 2>/dev/null && echo "  screen: $out/failure.png"
}
source "$(dirname "${BASH_SOURCE[0]}")/../support/desktop_e2e.sh"

# Where components are, from the driver's dump (read by `centre`).
layout="$(printf 'dump\n' | "$driver" --screen 1280x1024 -)" || fail "the driver could not dump the program"
read -r editX editY < <(centre sEdit1)
read -r fetchX fetchY < <(centre sBitBtn1)
read -r saveX saveY < <(centre sButton1)
[ -n "${saveY:-}" ] || fail "no layout in the dump: $layout"

# The sample sitemap on loopback; the server stops when its input closes.
coproc SERVER { exec "$server" --root "$samples"; }
pids+=($SERVER_PID)
read -r -t 10 base <&"${SERVER[0]}" || fail "the loopback server did not start"
address="${base%/}/sitemap.xml"

start_xvfb 1280x1024

# The desktop libraries keep a few allocations until exit; the program's own leaks are
# checked by the headless tests, so the leak check is off for this run.
(cd "$out" && ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  exec timeout -s KILL 90 "$exe" 2>"$out/pellomir.err") &
pid=$!
pids+=($pid)

title="Pellomir by Orvanta V1.0"
# The window is looked for until it is mapped and the X server reports its place.
find_window() {
  win=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
  [ -n "$win" ] && geometry="$(xdotool getwindowgeometry "$win" 2>/dev/null)" && grep -q Position <<<"$geometry"
}
wait_for 400 find_window || fail "no window titled '$title'"
grep -q "Position: 0,0 " <<<"$geometry" || fail "the main window is not at the top-left corner: $geometry"
sleep 0.5

# A fast drag of the title, all in one command, moves the window exactly by the pointer's
# travel, (100, 50), though the OS window is still moving while the pointer goes on; a
# second one brings it back.
at() {
  wait_for 30 sh -c "xdotool getwindowgeometry $win | grep -q 'Position: $1 '" ||
    fail "after a fast drag the main window is not at $1: $(xdotool getwindowgeometry "$win")"
}
xdotool mousemove 300 15 mousedown 1 mousemove 350 40 mousemove 400 65 mouseup 1
at 100,50
sleep 0.3
at 100,50
xdotool mousemove 400 65 mousedown 1 mousemove 350 40 mousemove 300 15 mouseup 1
at 0,0
sleep 0.3

xdotool mousemove "$editX" "$editY" click 1; sleep 0.3
xdotool type --delay 5 "$address"; sleep 0.3
xdotool mousemove "$fetchX" "$fetchY" click 1; sleep 1.5
import -window root "$out/fetched.png" || fail "no screenshot"

xdotool mousemove "$saveX" "$saveY" click 1
wait_for 150 sh -c "xdotool search --name '^Save As\$' >/dev/null 2>&1" || fail "the save dialog did not open"
sleep 0.3
xdotool type --delay 5 "list"; sleep 0.2
xdotool key Return
wait_for 150 test -s "$out/list.txt" || fail "the list was not saved as list.txt in the current folder"

# The saved list: the sample's addresses in order, CR LF after each, no byte-order mark.
expected="$(grep -o '<loc>[^<]*</loc>' "$samples/sitemap.xml" | sed 's/<loc>\(.*\)<\/loc>/\1/' | sed 's/$/\r/')"
[ "$(cat "$out/list.txt")" == "$expected" ] || fail "the saved list differs from the sitemap's addresses"

# Without a window manager nobody gives the focus back when the dialog closes.
xdotool windowfocus "$win"; sleep 0.3
xdotool key alt+F4
wait_for 100 sh -c "! kill -0 $pid 2>/dev/null" || fail "the program did not exit after its window closed"
wait "$pid"
code=$?
[ "$code" -eq 0 ] || fail "the program exited with $code"
echo "passed: opened at the top-left, fetched $(wc -l <"$out/list.txt") addresses, saved them and closed"
