#!/usr/bin/env bash
# End-to-end test of the desktop backend: starts Xvfb (on a display it picks itself),
# starts the window demo on it, drags the window's caption and clicks its close button
# with xdotool, and checks from the demo's log and exit that the window moved and
# closed. Saves a screenshot of the screen. Everything started here is stopped however
# the test ends. Exit 77 (skipped) without Xvfb.
# Usage: windemo_e2e.sh DEMO_BINARY OUTPUT_DIR
set -u
demo="$1"
out="$2"
mkdir -p "$out"
log="$out/windemo.log"
rm -f "$log" "$out/windemo-e2e.png"
fail_details() { [ -f "$log" ] && sed 's/^/  log: /' "$log"; }
source "$(dirname "${BASH_SOURCE[0]}")/../../support/desktop_e2e.sh"

start_xvfb 1024x768
echo "display $DISPLAY"

# The desktop libraries (D-Bus, X11 drivers loaded and unloaded at run time) keep a few
# allocations until exit; our own code's leaks are checked by the headless tests, so the
# leak check is off for this one program under the sanitizers.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  timeout -s KILL 90 "$demo" --log "$log" 2>"$out/windemo.err" &
demo_pid=$!
pids+=($demo_pid)
wait_for 100 grep -q '^shown' "$log" || fail "the demo did not show its window: $(cat "$out/windemo.err")"
read -r _ left top right bottom cx cy < <(grep '^shown' "$log")
echo "window $left $top $right $bottom, close button at $cx $cy"

# Drag the caption by (+70, +45) in two equal steps with pauses: after the first the OS
# window has followed, so the second leaves the pointer where it was in that window.
x=$((left + (right - left) / 2)) y=$((top + 18))
xdotool mousemove "$x" "$y"; sleep 0.3
xdotool mousedown 1; sleep 0.3
xdotool mousemove $((x + 35)) $((y + 22)); sleep 0.5
xdotool mousemove $((x + 70)) $((y + 45)); sleep 0.3
xdotool mouseup 1; sleep 0.5
want="moved $((left + 70)) $((top + 45))"
wait_for 30 sh -c "tail -n1 '$log' | grep -qx '$want'" || fail "expected '$want' last"

# A fast drag, all in one command: the OS window is still on its way to each new place
# when the next pointer event arrives, and the window moves by the pointer's travel all
# the same, (+100, +50).
left=$((left + 70)) top=$((top + 45)) right=$((right + 70)) bottom=$((bottom + 45)) cx=$((cx + 70)) cy=$((cy + 45))
x=$((left + 150)) y=$((top + 15))
xdotool mousemove "$x" "$y" mousedown 1 mousemove $((x + 50)) $((y + 25)) mousemove $((x + 100)) $((y + 50)) mouseup 1
want="moved $((left + 100)) $((top + 50))"
wait_for 30 sh -c "tail -n1 '$log' | grep -qx '$want'" || fail "fast drag: expected '$want' last"
sleep 0.5
tail -n1 "$log" | grep -qx "$want" || fail "fast drag: the window went on to $(tail -n1 "$log")"
left=$((left + 100)) top=$((top + 50)) cx=$((cx + 100)) cy=$((cy + 50))

# The screen shows our frame where the window now is: the caption starts in the active
# caption colour at the frame's inner edge.
import -display "$DISPLAY" -window root "$out/windemo-e2e.png" || fail "no screenshot"
pixel=$(convert "$out/windemo-e2e.png" -format "%[pixel:p{$((left + 8)),$((top + 12))}]" info:)
case "$pixel" in
  "srgb(10,36,106)" | "rgb(10,36,106)") ;;
  *) fail "caption pixel is $pixel" ;;
esac

xdotool mousemove "$cx" "$cy"; sleep 0.3
xdotool click 1
wait_for 100 sh -c "! kill -0 $demo_pid 2>/dev/null" || fail "the demo did not exit after the close button"
wait "$demo_pid"
code=$?
[ "$code" -eq 0 ] || fail "the demo exited with $code"
grep -qx closed "$log" || fail "the demo did not report its window closed"
echo "passed: moved slowly and fast, and closed"
