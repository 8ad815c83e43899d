# Shared by the desktop end-to-end test scripts (sourced, not run): the tool check, the
# clean-up of every process started, waiting, and a private Xvfb display.
# The sourcing script sets `out` (its output folder) and may define `fail_details` to add
# its own lines to a failure report.

for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done

# Processes to stop however the test ends: append with `pids+=($!)`.
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
  declare -F fail_details >/dev/null && fail_details
  exit 1
}

# Waits up to $1 tenths of a second for a command to succeed.
wait_for() {
  local n="$1" i
  shift
  for ((i = 0; i < n; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Starts Xvfb on a display it picks itself, with a screen of $1 (e.g. 1024x768), under a
# hard time limit in case the test itself is killed; exports DISPLAY.
start_xvfb() {
  local dfile="$out/display"
  rm -f "$dfile"
  timeout -s KILL 120 Xvfb -displayfd 3 -nolisten tcp -screen 0 "$1x24" 3>"$dfile" 2>"$out/xvfb.err" &
  pids+=($!)
  wait_for 100 test -s "$dfile" || fail "Xvfb did not start: $(cat "$out/xvfb.err")"
  export DISPLAY=":$(head -n1 "$dfile")"
}

# The centre of a component's screen rectangle in the script driver's dump the sourcing
# script holds in `layout`: "X Y".
centre() {
  grep -E "^ *[A-Za-z0-9_]+ $1 " <<<"$layout" | grep -oE ' -?[0-9]+,-?[0-9]+,-?[0-9]+,-?[0-9]+' | head -n1 |
    awk -F, '{ printf "%d %d\n", ($1 + $3) / 2, ($2 + $4) / 2 }'
}
