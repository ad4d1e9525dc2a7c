#!/usr/bin/env bash
# Each manual page renders without a warning from man and groff, and names every long option of its
# program's --help (and of each command's --help, for a program with commands).
# Usage: check_man_pages.sh PROGRAM PAGE [PROGRAM PAGE ...]
set -uo pipefail
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

long_options() { "$@" --help | grep -o -E -- '--[a-z][a-z0-9-]*' | sort -u; }

while [ $# -ge 2 ]; do
  program=$1 page=$2
  shift 2
  name=$(basename "$page" .1)
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $name warns: $warnings"
  text=$(MANWIDTH=200 man --nh --nj -l "$page" 2>/dev/null)
  wanted=$(long_options "$program")
  for command in $("$program" --help | sed -n '/^commands:$/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p'); do
    grep -qF -- "$command" <<<"$text" || fail "$name does not name the command $command"
    wanted+=$'\n'$(long_options "$program" "$command")
  done
  for option in $(sort -u <<<"$wanted"); do
    grep -qF -- "$option" <<<"$text" || fail "$name does not name $option"
  done
done

[ $failures -eq 0 ] || { echo "check_man_pages: $failures failed"; exit 1; }
echo "check_man_pages: all passed"
