#!/usr/bin/env bash
# The release zip as a Windows user gets it: one folder with the four programs, stripped, and
# INSTALL.txt; each program run from it behaves as the one built (the same texts and exit
# codes), and the saver opens its dialog.
#   dist_test.sh <zip> <objdump>
source "$(dirname "$0")/saver_common.sh"
zip=$1 objdump=$2
[ -f "$zip" ] || fail "$zip is missing: run make dist"
folder=$(basename "$zip" -win32.zip)

echo "== the zip holds $folder/ with the four programs and INSTALL.txt"
mkdir "$work/unzipped"
unzip -q "$zip" -d "$work/unzipped" || fail "cannot unpack $zip"
listing=$(cd "$work/unzipped" && find . -type f | sort | tr '\n' ' ')
expected="./$folder/INSTALL.txt ./$folder/beaconry.exe ./$folder/dockhand.exe ./$folder/horolan.exe ./$folder/verdant.scr "
[ "$listing" = "$expected" ] || fail "the zip holds: $listing"
release=$work/unzipped/$folder
for program in beaconry.exe dockhand.exe horolan.exe verdant.scr; do
  "$objdump" -h "$release/$program" | grep -q debug && fail "$program keeps its debug sections"
  "$objdump" -t "$release/$program" | grep -q '^\[' && fail "$program keeps its symbols"
  built=$(stat -c %s "$WIN32_BIN_DIR/$program") shipped=$(stat -c %s "$release/$program")
  ((shipped < built)) || fail "$program is not smaller than the built one ($shipped, $built bytes)"
done
grep -q $'\r$' "$release/INSTALL.txt" || fail "INSTALL.txt lacks Windows line ends"
grep -qF "Verdant Drift ${folder#verdant-suite-} for Windows" "$release/INSTALL.txt" ||
  fail "INSTALL.txt does not name the version"

echo "== the console programs give the built ones' texts and exit codes"
same_as_built() {
  local program=$1
  shift
  "$WINE_RUN" "$release/$program" "$@" >"$work/shipped.out" 2>&1
  local shipped_rc=$?
  "$WINE_RUN" "$WIN32_BIN_DIR/$program" "$@" >"$work/built.out" 2>&1
  local built_rc=$?
  cmp -s "$work/shipped.out" "$work/built.out" || fail "$program $*: its text differs from the built one's"
  [ "$shipped_rc" = "$built_rc" ] || fail "$program $*: exit code $shipped_rc, built $built_rc"
  [ -s "$work/shipped.out" ] || fail "$program $*: printed nothing"
  echo "$program $*: exit code $shipped_rc, $(wc -c <"$work/shipped.out") bytes as built"
}
same_as_built horolan.exe /?
same_as_built dockhand.exe
# Started by hand the service has no dispatcher to talk to and ends with 1.
"$WINE_RUN" "$release/beaconry.exe" >/dev/null 2>&1
rc=$?
[ "$rc" = 1 ] || fail "beaconry.exe by hand: exit code $rc, expected 1"
echo "beaconry.exe by hand: exit code 1"

echo "== the saver opens its dialog, which Escape closes with exit code 1"
SAVER=$release/verdant.scr
start_saver /c
dialog=$(wait_window "--name ^Verdant.Drift$" 120) || fail "no dialog from the shipped saver"
timeout 60 xdotool windowfocus --sync "$dialog"
wait_still 1 60 "$dialog" || fail "the dialog kept changing"
xdotool key --delay 150 Escape
wait_exit 30 || fail "the dialog did not end after Escape"
[ "$saver_rc" = 1 ] || fail "the dialog ended with exit code $saver_rc, expected 1"
echo "PASS"
