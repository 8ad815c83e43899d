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
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$out"
log="$out/windemo.log"
dfile="$out/display"
rm -f "$log" "$dfile" "$out/windemo-e2e.png"

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -TERM "$p" 2>/dev/null; done
  for p in "${pids[@]}"; do
    for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$p" 2>/dev/null
    wait "$p" 2>/dev/null
  done
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
  echo "FAIL: $*"
  [ -f "$log" ] && sed 's/^/  log: /' "$log"
  exit 1
}

# Waits up to $1 tenths of a second for a command to succeed.
wait_for() {
  local n="$1"
  shift
  for ((i = 0; i < n; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Every process runs under a hard time limit too, in case this script itself is killed.
timeout -s KILL 120 Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$dfile" 2>"$out/xvfb.err" &
pids+=($!)
wait_for 100 test -s "$dfile" || fail "Xvfb did not start: $(cat "$out/xvfb.err")"
export DISPLAY=":$(head -n1 "$dfile")"
echo "display $DISPLAY"

timeout -s KILL 90 "$demo" --log "$log" 2>"$out/windemo.err" &
demo_pid=$!
pids+=($demo_pid)
wait_for 100 grep -q '^shown' "$log" || fail "the demo did not show its window: $(cat "$out/windemo.err")"
read -r _ left top right bottom cx cy < <(grep '^shown' "$log")
echo "window $left $top $right $bottom, close button at $cx $cy"

# Drag the caption by (+70, +45).
x=$((left + (right - left) / 2)) y=$((top + 18))
xdotool mousemove "$x" "$y"; sleep 0.3
xdotool mousedown 1; sleep 0.3
xdotool mousemove $((x + 30)) $((y + 20)); sleep 0.2
xdotool mousemove $((x + 70)) $((y + 45)); sleep 0.3
xdotool mouseup 1; sleep 0.5
want="moved $((left + 70)) $((top + 45))"
wait_for 30 sh -c "tail -n1 '$log' | grep -qx '$want'" || fail "expected '$want' last"

# The screen shows our frame where the window now is: the caption starts in the active
# caption colour at the frame's inner edge.
import -display "$DISPLAY" -window root "$out/windemo-e2e.png" || fail "no screenshot"
pixel=$(convert "$out/windemo-e2e.png" -format "%[pixel:p{$((left + 70 + 8)),$((top + 45 + 12))}]" info:)
case "$pixel" in
  "srgb(10,36,106)" | "rgb(10,36,106)") ;;
  *) fail "caption pixel is $pixel" ;;
esac

xdotool mousemove $((cx + 70)) $((cy + 45)); sleep 0.3
xdotool click 1
wait_for 100 sh -c "! kill -0 $demo_pid 2>/dev/null" || fail "the demo did not exit after the close button"
wait "$demo_pid"
code=$?
[ "$code" -eq 0 ] || fail "the demo exited with $code"
grep -qx closed "$log" || fail "the demo did not report its window closed"
echo "passed: moved and closed"
