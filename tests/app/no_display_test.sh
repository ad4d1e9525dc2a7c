#!/usr/bin/env bash
# A window program with no display, or a display that does not answer, prints one line naming what
# is missing and exits 1 (not Qt's abort); --help, --version and a display-less platform still work.
# Usage: no_display_test.sh PROGRAM NAME (NAME starts the error line: "NAME: cannot open a window:").
set -uo pipefail
program=$1 name=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A display number with no X server behind it.
dead=65000
while [ -e "/tmp/.X11-unix/X$dead" ]; do dead=$((dead + 1)); done

# Row: expected status | expected stderr (exactly, one line) or "-" for any | environment and arguments.
# Every row starts with no display at all; VESK_EXIT_AFTER_FIRST_PAINT ends a window that does open.
rows=(
  "1|$name: cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY are unset)|"
  "1|$name: cannot open a window: no display (DISPLAY is unset, and the xcb platform needs it)|QT_QPA_PLATFORM=xcb"
  "1|$name: cannot open a window: could not connect to display :$dead|DISPLAY=:$dead"
  "1|$name: cannot open a window: could not connect to display :$dead|-- -display :$dead"
  "0|-|QT_QPA_PLATFORM=offscreen"
  "0|-|-- -platform offscreen"
  "0|-|-- --version"
  "0|-|-- --help"
)
for row in "${rows[@]}"; do
  IFS='|' read -r want_status want_err setting <<<"$row"
  read -r -a words <<<"$setting"
  vars=() args=()
  for ((i = 0; i < ${#words[@]}; i++)); do
    if [ "${words[i]}" = -- ]; then args=("${words[@]:i+1}"); break; fi
    vars+=("${words[i]}")
  done
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE VESK_EXIT_AFTER_FIRST_PAINT=1 \
    XDG_RUNTIME_DIR="$scratch" "${vars[@]}" timeout 30 "$program" "${args[@]}" >/dev/null 2>"$scratch/err"
  status=$?
  [ "$status" = "$want_status" ] || fail "[$setting] exit status $status, not $want_status: $(cat "$scratch/err")"
  if [ "$want_err" != - ]; then
    [ "$(cat "$scratch/err")" = "$want_err" ] || fail "[$setting] stderr: $(cat "$scratch/err")"
  fi
done

[ $failures -eq 0 ] || { echo "no_display_test: $failures failed"; exit 1; }
echo "no_display_test: all passed"
