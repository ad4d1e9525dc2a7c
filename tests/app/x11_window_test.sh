#!/usr/bin/env bash
# Starts the real vesk under Xvfb and looks at what the X server sees: `vesk` maps one window
# titled "Untitled - vesk"; `vesk FILE` titles it with the file's name and stores the recent-file
# list under XDG_CONFIG_HOME; `vesk missing-file` shows its error and, once that is dismissed,
# exits non-zero without ever mapping the main window.
# Usage: x11_window_test.sh path/to/vesk. Exits 77 (skipped) when no X server can be started.
set -uo pipefail

vesk=$1
# shellcheck source=../common/private_xvfb.sh
source "$(dirname "$0")/../common/private_xvfb.sh"
[ "${VESK_X11_INNER:-}" = 1 ] || run_under_private_xvfb 1024x768x24 "$0" "$@"

xwininfo -root >/dev/null 2>&1 || { echo "x11_window_test: no X server"; exit 1; }
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The names of the mapped top-level windows, one a line.
mapped_titles() {
  xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) "\(.*\)":.*/\1 \2/p' |
    while read -r id title; do
      if xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable"; then echo "$title"; fi
    done
}

# Waits up to 10 s for a mapped window with exactly this title.
wait_for_title() {
  for _ in $(seq 50); do
    mapped_titles | grep -qxF "$1" && return 0
    sleep 0.2
  done
  return 1
}

# A 68-byte design: eight little-endian doubles and the soundhole flag 0.
write_design() {
  python3 -c 'import struct,sys; open(sys.argv[1],"wb").write(struct.pack("<8di", 45, 18.5, 12, 14, 0, -0.25, 0, -0.5, 0))' "$1"
}

stop() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }

echo "== vesk with no argument"
export XDG_CONFIG_HOME=$work/config-new
"$vesk" & pid=$!
if wait_for_title "Untitled - vesk"; then
  count=$(mapped_titles | grep -c -- " - vesk$")
  [ "$count" -eq 1 ] || fail "expected one main window, found $count: $(mapped_titles | tr '\n' ',')"
else
  fail "no window titled 'Untitled - vesk'; mapped: $(mapped_titles | tr '\n' ',')"
fi
stop $pid

echo "== vesk FILE"
export XDG_CONFIG_HOME=$work/config-file
design=$work/parlour.vsk
write_design "$design"
"$vesk" "$design" & pid=$!
wait_for_title "parlour.vsk - vesk" || fail "no window titled 'parlour.vsk - vesk'; mapped: $(mapped_titles | tr '\n' ',')"
stop $pid
conf="$XDG_CONFIG_HOME/Local AppWizard-Generated Applications/vesk.conf"
if [ -f "$conf" ]; then
  grep -qxF "File1=$design" "$conf" || fail "recent list lacks File1=$design: $(cat "$conf")"
else
  fail "no settings file at $conf"
fi

echo "== vesk missing-file"
export XDG_CONFIG_HOME=$work/config-missing
"$vesk" "$work/missing.vsk" & pid=$!
wait_for_title "vesk" || fail "no error box titled 'vesk'"
mapped_titles | grep -q -- " - vesk$" && fail "the main window was mapped: $(mapped_titles | tr '\n' ',')"
box=$(xdotool search --onlyvisible --name '^vesk$' 2>/dev/null | head -n1)
[ -n "$box" ] && xdotool key --window "$box" Return 2>/dev/null
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
if kill -0 $pid 2>/dev/null; then
  fail "vesk still runs after its error box was dismissed"
  stop $pid
else
  wait $pid
  status=$?
  [ $status -ne 0 ] || fail "vesk missing-file exited with status 0"
  [ $status -lt 128 ] || fail "vesk missing-file died from signal $((status - 128))"
fi

if [ $failures -ne 0 ]; then
  echo "x11_window_test: $failures failed"
  exit 1
fi
echo "x11_window_test: all passed"
