#!/usr/bin/env bash
# Runs the tests of a suite that need file permissions enforced. As root they would skip, so they
# run as the unprivileged user nobody (or, where nobody cannot reach the build, as root without
# the capabilities that bypass permissions). Exactly COUNT tests must run and pass; a skip fails.
# Usage: run_unprivileged.sh COUNT TEST_EXECUTABLE GTEST_FILTER
set -uo pipefail
count=$1 exe=$2 filter=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
run=()
if [ "$(id -u)" -eq 0 ]; then
  as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  if "${as_nobody[@]}" test -x "$exe" 2>/dev/null; then
    chown nobody:nogroup "$scratch"
    run=("${as_nobody[@]}")
    who=nobody
  else
    run=(setpriv --inh-caps=-dac_override,-dac_read_search --bounding-set=-dac_override,-dac_read_search)
    who="root without dac_override"
  fi
else
  who=$(id -un)
fi
echo "run_unprivileged: $(basename "$exe") as $who"

out=$(env HOME="$scratch" TMPDIR="$scratch" XDG_RUNTIME_DIR= QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
  "${run[@]}" "$exe" --gtest_filter="$filter" 2>&1)
status=$?
echo "$out" | grep -E '^\[ *(RUN|OK|FAILED|SKIPPED|PASSED) *\]'
[ $status -eq 0 ] || { echo "$out" | tail -n 30; echo "FAIL: exit status $status"; exit 1; }
grep -q '^\[  SKIPPED \]' <<<"$out" && { echo "FAIL: tests skipped although permissions are enforced"; exit 1; }
grep -q "^\[  PASSED  \] $count tests\?\.$" <<<"$out" || { echo "FAIL: expected $count tests to pass"; exit 1; }
echo "run_unprivileged: $count passed"
