#!/usr/bin/env bash
# Test names must be the same from run to run and readable: each suite lists its tests twice, and
# the lists must match and hold no raw bytes of a parameter (gtest's "N-byte object <...>" dump,
# which carries pointers). Usage: check_test_names.sh TEST_EXECUTABLE...
set -uo pipefail
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
failures=0
for exe in "$@"; do
  first=$("$exe" --gtest_list_tests 2>/dev/null) || { echo "FAIL: $exe --gtest_list_tests"; failures=$((failures + 1)); continue; }
  second=$("$exe" --gtest_list_tests 2>/dev/null)
  if [ "$first" != "$second" ]; then
    echo "FAIL: $(basename "$exe") lists different tests from run to run:"
    diff <(echo "$first") <(echo "$second") | head -n 5
    failures=$((failures + 1))
  fi
  if grep -q -- '-byte object <' <<<"$first"; then
    echo "FAIL: $(basename "$exe") prints a parameter as raw bytes; give its type a PrintTo:"
    grep -- '-byte object <' <<<"$first" | head -n 3
    failures=$((failures + 1))
  fi
  echo "$(basename "$exe"): $(grep -c '^  ' <<<"$first") tests"
done
[ $failures -eq 0 ] || { echo "check_test_names: $failures failed"; exit 1; }
echo "check_test_names: all passed"
