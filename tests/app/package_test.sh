#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks its control data and file list, unpacks
# it into a scratch root and runs the unpacked programs there with the system's Qt.
# Usage: package_test.sh BUILD_DIR VERSION
set -uo pipefail
build=$1 version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAIL: cpack -G DEB"
  exit 1
fi
deb=$(ls "$scratch"/out/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: cpack wrote no .deb"; exit 1; }
echo "package_test: $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Package)" = vesk ] || fail "the package is not called vesk"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
# dpkg-shlibdeps read the programs' libraries.
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
for f in usr/bin/vesk usr/bin/vesk-cli usr/share/applications/vesk.desktop \
  usr/share/icons/hicolor/16x16/apps/vesk.png usr/share/icons/hicolor/32x32/apps/vesk.png \
  usr/share/icons/hicolor/scalable/apps/vesk.svg usr/share/metainfo/org.vesk.vesk.metainfo.xml \
  usr/share/man/man1/vesk.1.gz usr/share/man/man1/vesk-cli.1.gz usr/share/doc/vesk/copyright \
  usr/share/doc/vesk/changelog.gz \
  usr/bin/vesk-workshop usr/share/applications/vesk-workshop.desktop usr/share/man/man1/vesk-workshop.1.gz \
  usr/share/icons/hicolor/16x16/apps/vesk-workshop.png usr/share/icons/hicolor/32x32/apps/vesk-workshop.png \
  usr/share/icons/hicolor/48x48/apps/vesk-workshop.png usr/share/icons/hicolor/scalable/apps/vesk-workshop.svg; do
  grep -qx "$f" <<<"$files" || fail "$f is not in the package"
done
stray=$(grep -v -E '^usr/(bin|share)/|/$' <<<"$files")
[ -z "$stray" ] || fail "files outside usr/bin and usr/share: $stray"

root=$scratch/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
out=$(appstreamcli validate --no-net "$root/usr/share/metainfo/org.vesk.vesk.metainfo.xml" 2>&1) ||
  fail "appstreamcli validate: $out"
for entry in vesk vesk-workshop; do
  out=$(desktop-file-validate "$root/usr/share/applications/$entry.desktop" 2>&1) || fail "desktop-file-validate $entry: $out"
done
grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
  "$root/usr/share/doc/vesk/copyright" || fail "the copyright file is not machine-readable (DEP-5)"
for program in "$root"/usr/bin/*; do
  page=$(basename "$program")
  gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "$page.1.gz is not gzip"
  zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH ${page^^} 1" || fail "$page.1 has no .TH line"
  if command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
  fi
done

# The unpacked programs, with no library path of the build: Qt comes from the system.
run() { env -u LD_LIBRARY_PATH -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
[ "$(run "$root/usr/bin/vesk-cli" --version)" = "vesk-cli $version" ] || fail "vesk-cli --version"
[ "$(run timeout 20 "$root/usr/bin/vesk" --version)" = "vesk $version" ] || fail "vesk --version without a display"
[ "$(run timeout 20 "$root/usr/bin/vesk-workshop" --version)" = "vesk-workshop $version" ] ||
  fail "vesk-workshop --version without a display"
run timeout 20 "$root/usr/bin/vesk-workshop" 2>"$scratch/err"
status=$?
[ $status -eq 1 ] && [ "$(wc -l <"$scratch/err")" -eq 1 ] ||
  fail "vesk-workshop without a display: status $status, stderr: $(cat "$scratch/err")"
run "$root/usr/bin/vesk-cli" render -o "$scratch/design.png" --size 320x240 2>"$scratch/err" ||
  fail "vesk-cli render: $(cat "$scratch/err")"
[ -s "$scratch/err" ] && fail "vesk-cli render wrote to stderr: $(cat "$scratch/err")"
size=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]), sep="x") if d[:8]==b"\x89PNG\r\n\x1a\n" else print("not a PNG")' "$scratch/design.png" 2>&1)
[ "$size" = 320x240 ] || fail "render wrote $size, not a 320x240 PNG"

[ $failures -eq 0 ] || { echo "package_test: $failures failed"; exit 1; }
echo "package_test: all passed"
