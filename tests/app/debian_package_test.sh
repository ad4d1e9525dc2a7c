#!/usr/bin/env bash
# Builds the Debian package from a copy of the source tree as the README says (dpkg-buildpackage -us
# -uc -b: Debian's flags, the build's own tests) and checks it: lintian finds no error and no warning
# in the .deb and the .changes; both programs carry Debian's hardening; every compile kept
# -ffp-contract=off and none added -march=native or fast-math; the package's version is the programs'
# --version and the manual pages' footer; every program has its manual page.
# Takes many minutes, so CTest has it only with -DVESK_TEST_DEBIAN_PACKAGE=ON.
# Usage: debian_package_test.sh SOURCE_DIR VERSION
set -uo pipefail
source=$1 version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The source tree without build folders or an earlier package build's leftovers.
mkdir "$scratch/vesk"
tar -C "$source" -c --exclude=./.git --exclude='./build*' --exclude='./obj-*' --exclude=./debian/vesk \
  --exclude=./debian/.debhelper --exclude=./debian/tmp --exclude=./debian/files \
  --exclude='./debian/*.substvars' --exclude=./debian/debhelper-build-stamp --exclude='__pycache__' . |
  tar -C "$scratch/vesk" -x
start=$(date +%s)
if ! (cd "$scratch/vesk" && dpkg-buildpackage -us -uc -b) >"$scratch/build.log" 2>&1; then
  tail -n 60 "$scratch/build.log"
  echo "FAIL: dpkg-buildpackage"
  exit 1
fi
echo "debian_package_test: dpkg-buildpackage took $(($(date +%s) - start)) s"
deb=$(ls "$scratch"/vesk_*.deb) changes=$(ls "$scratch"/vesk_*.changes)

tags=$(lintian --fail-on error,warning "$deb" "$changes" 2>&1) || fail "lintian: $tags"
tags=$(grep -v "running with root privileges" <<<"$tags")
echo "lintian: ${tags:-no tags}"

root=$scratch/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
for program in "$root"/usr/bin/*; do
  name=$(basename "$program")
  # Bookworm's dpkg-buildflags has no control-flow protection, and its C library's start files carry
  # no CET note, so no bookworm program has it (stack clash protection is reported, never failed).
  out=$(hardening-check --nocfprotection "$program" 2>&1) || fail "hardening-check $name: $out"
  [ -f "$root/usr/share/man/man1/$name.1.gz" ] || fail "$name has no manual page"
done

compiles=$(grep -E '(c\+\+|g\+\+).* -c ' "$scratch/build.log")
[ -n "$compiles" ] || fail "the build log shows no compiler command"
grep -v -e '-ffp-contract=off' <<<"$compiles" | head -n 1 | grep . && fail "a compile without -ffp-contract=off"
grep -E -e '-march=native|-ffast-math|-Ofast' <<<"$compiles" | head -n 1 | grep . && fail "a compile with -march=native or fast-math"
grep -q -e '-D_FORTIFY_SOURCE=2' <<<"$compiles" || fail "the compiles lack Debian's CPPFLAGS"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
run() { env -u LD_LIBRARY_PATH -u DISPLAY -u WAYLAND_DISPLAY "$@"; }
[ "$(run "$root/usr/bin/vesk-cli" --version)" = "vesk-cli $version" ] || fail "vesk-cli --version"
[ "$(run "$root/usr/bin/vesk" --version)" = "vesk $version" ] || fail "vesk --version"
for page in "$root"/usr/share/man/man1/*.1.gz; do
  zcat "$page" | grep -q "^\.TH .* \"vesk $version\" " || fail "$(basename "$page") does not name vesk $version"
done

[ $failures -eq 0 ] || { echo "debian_package_test: $failures failed"; exit 1; }
echo "debian_package_test: all passed"
