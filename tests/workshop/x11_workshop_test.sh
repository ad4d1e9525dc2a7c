#!/usr/bin/env bash
# Drives the real vesk-workshop under Xvfb with xdotool, as a user would: opens a design, types a
# new length (Alt+L, Return), undoes it (Ctrl+Z), types it again, saves (Ctrl+S), exports the
# template through the Export dialog (Ctrl+E) and compares the file with vesk-cli export's of the
# saved design. Then a design that cannot be read: an error box, and exit status 1 without the main
# window.
# Usage: x11_workshop_test.sh path/to/vesk-workshop path/to/vesk-cli. Exits 77 (skipped) when no X
# server can be started.
set -uo pipefail

workshop=$1 cli=$2
# shellcheck source=../common/private_xvfb.sh
source "$(dirname "$0")/../common/private_xvfb.sh"
[ "${VESK_X11_INNER:-}" = 1 ] || run_under_private_xvfb 1280x900x24 "$0" "$@"

xwininfo -root >/dev/null 2>&1 || { echo "x11_workshop_test: no X server"; exit 1; }
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Waits up to 15 s for a visible window whose whole name is $1; prints its id.
wait_for_window() {
  for _ in $(seq 75); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
visible_names() { xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do xdotool getwindowname "$w"; done | tr '\n' ','; }
keys() { xdotool key --clearmodifiers --delay 60 "$@"; sleep 0.5; }
type_text() { xdotool type --clearmodifiers --delay 20 "$1"; sleep 0.3; }
stop() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }

design=$work/parlour.vsk
python3 -c 'import struct,sys; open(sys.argv[1],"wb").write(struct.pack("<8di", 45, 18.5, 12, 14, 0, -0.25, 0, -0.5, 0))' "$design"

echo "== open, change, undo, save, export"
"$workshop" "$design" & pid=$!
if ! win=$(wait_for_window "parlour.vsk - vesk workshop"); then
  fail "no window titled 'parlour.vsk - vesk workshop'; visible: $(visible_names)"
  stop $pid
  exit 1
fi
xdotool windowfocus --sync "$win" 2>/dev/null
sleep 0.5
keys alt+l ctrl+a
type_text 47.5
keys Return
wait_for_window "parlour.vsk\\* - vesk workshop" >/dev/null || fail "no modified title after typing a length; visible: $(visible_names)"
keys ctrl+z
wait_for_window "parlour.vsk - vesk workshop" >/dev/null || fail "Ctrl+Z did not return to the saved design; visible: $(visible_names)"
keys alt+l ctrl+a
type_text 47.5
keys Return ctrl+s
wait_for_window "parlour.vsk - vesk workshop" >/dev/null || fail "Ctrl+S did not save; visible: $(visible_names)"
keys ctrl+e
if dialog=$(wait_for_window "Export template"); then
  xdotool windowfocus --sync "$dialog" 2>/dev/null
  keys ctrl+a
  type_text "$work/body.svg"
  keys Return
  for _ in $(seq 75); do [ -s "$work/body.svg" ] && break; sleep 0.2; done
else
  fail "no Export template dialog; visible: $(visible_names)"
fi
stop $pid

"$cli" export "$design" -o "$work/cli.svg" >/dev/null || fail "vesk-cli export failed"
if [ ! -s "$work/body.svg" ]; then
  fail "the workshop wrote no template"
elif ! cmp -s "$work/body.svg" "$work/cli.svg"; then
  fail "the workshop's template differs from vesk-cli export's"
fi
python3 - "$design" <<'PY' || fail "the saved design does not hold the typed length 47.5"
import struct, sys
sys.exit(0 if struct.unpack("<d", open(sys.argv[1], "rb").read(8))[0] == 47.5 else 1)
PY

echo "== a design that cannot be read"
printf 'short' >"$work/short.vsk"
"$workshop" "$work/short.vsk" & pid=$!
if box=$(wait_for_window "vesk workshop"); then
  xdotool search --onlyvisible --name " - vesk workshop$" >/dev/null 2>&1 && fail "the main window was mapped"
  xdotool key --window "$box" Return 2>/dev/null
else
  fail "no error box titled 'vesk workshop'; visible: $(visible_names)"
fi
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
if kill -0 $pid 2>/dev/null; then
  fail "vesk-workshop still runs after its error box"
  stop $pid
else
  wait $pid
  status=$?
  [ $status -eq 1 ] || fail "an unreadable design ended with status $status, not 1"
fi

if [ $failures -ne 0 ]; then
  echo "x11_workshop_test: $failures failed"
  exit 1
fi
echo "x11_workshop_test: all passed"
