# Sourced by the tests that drive a real window: `run_under_private_xvfb SCREEN SCRIPT ARGS...`
# starts an Xvfb on a display number it picks itself (-displayfd), so test runs side by side never
# share or race for a display, runs SCRIPT ARGS with DISPLAY set and VESK_X11_INNER=1, and exits
# with its status. Exits 77 (skipped) when a tool is missing or Xvfb does not start.
run_under_private_xvfb() {
  local screen=$1; shift
  local tool
  for tool in Xvfb xwininfo xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
  export VESK_X11_INNER=1
  local fifo_dir display xvfb status
  fifo_dir=$(mktemp -d)
  mkfifo "$fifo_dir/display"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$fifo_dir/display" >/dev/null 2>&1 &
  xvfb=$!
  display=$(timeout 20 head -n 1 "$fifo_dir/display")
  rm -rf "$fifo_dir"
  if [ -z "$display" ]; then
    kill "$xvfb" 2>/dev/null
    echo "skipped: Xvfb did not start"
    exit 77
  fi
  DISPLAY=:$display "$@"
  status=$?
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  exit $status
}
