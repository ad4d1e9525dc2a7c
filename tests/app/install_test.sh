#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs: both programs, a valid
# vesk.desktop that registers no file types, and the icons in the hicolor theme; and that the
# programs hold none of the tests' recorders.
# Usage: install_test.sh BUILD_DIR
set -uo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
for f in bin/vesk bin/vesk-cli bin/vesk-workshop; do [ -x "$prefix/$f" ] || fail "$f is not installed"; done
desktop=$prefix/share/applications/vesk.desktop
if [ -f "$desktop" ]; then
  if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate warns: $out"
  fi
  grep -qx "Categories=Graphics;Engineering;" "$desktop" || fail "Categories are not Graphics;Engineering;"
  grep -qx "Icon=vesk" "$desktop" || fail "Icon is not vesk"
  grep -q "^MimeType=" "$desktop" && fail "vesk.desktop registers file types"
else
  fail "vesk.desktop is not installed"
fi
for icon in 16x16/apps/vesk.png 32x32/apps/vesk.png scalable/apps/vesk.svg; do
  [ -s "$prefix/share/icons/hicolor/$icon" ] || fail "icon $icon is not installed"
done
png_size() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]), sep="x")' "$1"; }
[ "$(png_size "$prefix/share/icons/hicolor/16x16/apps/vesk.png")" = 16x16 ] || fail "the 16x16 icon is not 16 by 16"
[ "$(png_size "$prefix/share/icons/hicolor/32x32/apps/vesk.png")" = 32x32 ] || fail "the 32x32 icon is not 32 by 32"

# The recorders live in the tests' support library: the installed programs' symbols name neither.
for f in bin/vesk bin/vesk-cli; do
  symbols=$(nm -C "$prefix/$f" 2>/dev/null)
  grep -q "CDC::LineTo" <<<"$symbols" || { fail "$f has no symbols to check"; continue; }
  for name in MessageBoxRecorder DrawCallRecorder; do
    grep -q "$name" <<<"$symbols" && fail "$f holds the test-only $name"
  done
done

[ $failures -eq 0 ] || { echo "install_test: $failures failed"; exit 1; }
echo "install_test: all passed"
