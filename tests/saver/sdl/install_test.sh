#!/usr/bin/env bash
# What `cmake --install` puts in place for the native saver: both programs, XScreenSaver's
# description of the display mode, and a man page that renders without a warning.
#   install_test.sh <build folder>
set -uo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install: exit code $?"
for program in verdant verdant-render; do
  [ -x "$prefix/bin/$program" ] || fail "no bin/$program"
done
"$prefix/bin/verdant" --help | grep -q -- "-root" || fail "the installed verdant does not run"

xml=$prefix/share/xscreensaver/config/verdant.xml
grep -q '<screensaver name="verdant"' "$xml" || fail "no display mode named verdant in $xml"
grep -q '<command arg="--root"/>' "$xml" || fail "$xml does not run it on XScreenSaver's window"

page=$prefix/share/man/man6/verdant.6
[ -f "$page" ] || fail "no man page"
warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >"$prefix/page.txt")
[ -z "$warnings" ] || fail "man page warnings: $warnings"
for heading in SYNOPSIS OPTIONS MODES FILES "EXIT STATUS"; do
  grep -q "^$heading" "$prefix/page.txt" || fail "the man page has no $heading"
done

[ "$failures" -eq 0 ] && echo "install: all checks passed"
exit $((failures > 0))
