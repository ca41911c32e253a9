#!/usr/bin/env bash
# The release zip as a Windows user gets it: one folder with INSTALL.txt and the four programs of
# each build, stripped, in x86/ and x64/; each program of the build this machine runs behaves,
# run from it, as the one built (the same texts and exit codes), and the saver opens its dialog.
#   dist_test.sh <zip> <objdump of 32-bit programs> <objdump of 64-bit programs>
source "$(dirname "$0")/saver_common.sh"
zip=$1 objdump32=$2 objdump64=$3
[ -f "$zip" ] || fail "$zip is missing: run make dist"
folder=$(basename "$zip" -windows.zip)

echo "== the zip holds $folder/ with INSTALL.txt and the four programs in x86/ and x64/"
mkdir "$work/unzipped"
unzip -q "$zip" -d "$work/unzipped" || fail "cannot unpack $zip"
listing=$(cd "$work/unzipped" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
expected="./$folder/INSTALL.txt"
for build in x64 x86; do
  for program in beaconry.exe dockhand.exe horolan.exe verdant.scr; do
    expected+=" ./$folder/$build/$program"
  done
done
[ "$listing" = "$expected " ] || fail "the zip holds: $listing"
for build in x86:$objdump32:pei-i386 x64:$objdump64:pei-x86-64; do
  IFS=: read -r subfolder objdump format <<<"$build"
  for program in beaconry.exe dockhand.exe horolan.exe verdant.scr; do
    shipped=$work/unzipped/$folder/$subfolder/$program
    "$objdump" -f "$shipped" | grep -q "file format $format$" ||
      fail "$subfolder/$program is not a $format program"
    "$objdump" -h "$shipped" | grep -q debug && fail "$subfolder/$program keeps its debug sections"
    "$objdump" -t "$shipped" | grep -q '^\[' && fail "$subfolder/$program keeps its symbols"
  done
done
grep -q $'\r$' "$work/unzipped/$folder/INSTALL.txt" || fail "INSTALL.txt lacks Windows line ends"
grep -qF "Verdant Drift ${folder#verdant-suite-} for Windows" "$work/unzipped/$folder/INSTALL.txt" ||
  fail "INSTALL.txt does not name the version"

# The build that runs here is the one the other Wine tests run.
case $WINE_ARCH in
  win32) release=$work/unzipped/$folder/x86 ;;
  win64) release=$work/unzipped/$folder/x64 ;;
esac
echo "== $(basename "$release")/: smaller than built, and the same texts and exit codes"
for program in beaconry.exe dockhand.exe horolan.exe verdant.scr; do
  built=$(stat -c %s "$WINDOWS_BIN_DIR/$program") shipped=$(stat -c %s "$release/$program")
  ((shipped < built)) || fail "$program is not smaller than the built one ($shipped, $built bytes)"
done
same_as_built() {
  local program=$1
  shift
  "$WINE_RUN" "$release/$program" "$@" >"$work/shipped.out" 2>&1
  local shipped_rc=$?
  "$WINE_RUN" "$WINDOWS_BIN_DIR/$program" "$@" >"$work/built.out" 2>&1
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
