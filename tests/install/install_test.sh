#!/usr/bin/env bash
# What `cmake --install` puts in place for a Linux user: the four programs, the unit naming the
# installed service, manual pages that render without a warning, the desktop entry and its
# icons, and XScreenSaver's description of the display mode.
#   install_test.sh <build folder>
set -uo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install: exit code $?"
for program in bin/verdant bin/verdant-render bin/horolan sbin/beaconry; do
  [ -x "$prefix/$program" ] || fail "no $program"
done
"$prefix/bin/verdant" --help | grep -q -- "-root" || fail "the installed verdant does not run"

# The unit was made for the build's own prefix; the installed program is where it says.
unit=$prefix/lib/systemd/system/beaconry.service
[ -f "$unit" ] || fail "no unit in lib/systemd/system"
installed_prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
grep -qx "ExecStart=$installed_prefix/sbin/beaconry" "$unit" || fail "unit: $(grep ExecStart "$unit")"

xml=$prefix/share/xscreensaver/config/verdant.xml
grep -q '<screensaver name="verdant"' "$xml" || fail "no display mode named verdant in $xml"
grep -q '<command arg="--root"/>' "$xml" || fail "$xml does not run it on XScreenSaver's window"

# Each page: no warning, and the headings a reader looks for.
check_page() {
  local page=$prefix/share/man/$1 warnings
  [ -f "$page" ] || { fail "no $1"; return; }
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >"$prefix/page.txt")
  [ -z "$warnings" ] || fail "$1 warnings: $warnings"
  shift
  for heading in SYNOPSIS "EXIT STATUS" FILES "$@"; do
    grep -q "^$heading" "$prefix/page.txt" || fail "$page has no $heading"
  done
}
check_page man6/verdant.6 OPTIONS MODES
check_page man1/horolan.1 ENVIRONMENT
check_page man1/verdant-render.1 OPTIONS
check_page man8/beaconry.8 SIGNALS ENVIRONMENT

desktop=$prefix/share/applications/verdant.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/verdant.png
  [ "$(identify -format '%wx%h %[channels]' "$icon" 2>/dev/null)" = "${size}x${size} srgba" ] ||
    fail "icon $size: $(identify -format '%wx%h %[channels]' "$icon" 2>&1)"
done

[ "$failures" -eq 0 ] && echo "install: all checks passed"
exit $((failures > 0))
