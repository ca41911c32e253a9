#!/usr/bin/env bash
# The main job: shows the suite's programs at work under Wine.
#   demo.sh <build folder>
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(dirname "$0")
# The Windows build this machine runs, as the tests choose it.
{ read -r WINE_ARCH && read -r sentence; } < <("$here/windows-test-build.sh")
echo "${sentence/Windows tests/Demo}"
echo
export WINE_ARCH WINEPREFIX=$build/demo-wineprefix-$WINE_ARCH
bin=$build/$WINE_ARCH/bin
"$here/wine-run.sh" --init
trap '"$here/wine-run.sh" --shutdown' EXIT
for prog in "$bin"/{dockhand,beaconry,horolan,svc_control}.exe; do
  [ -x "$prog" ] || { echo "demo: $prog is not built" >&2; exit 1; }
done

# Runs a program under Wine, echoing its command line, output and exit code.
show() {
  echo "\$ $*"
  local rc=0
  "$here/wine-run.sh" "$@" | tr -d '\r' || rc=$?
  echo "(exit code $rc)"
  echo
}

service=DemoService
key="HKLM\\System\\CurrentControlSet\\Services\\$service"
echo "== dockhand installs a service =="
show "$bin/dockhand.exe" "$service" 'C:\demo\service.exe'
echo "== the service control manager's entry for it =="
show reg query "$key"
echo "== installing the same name again fails =="
show "$bin/dockhand.exe" "$service" 'C:\demo\service.exe'
echo "== dockhand removes it =="
show "$bin/dockhand.exe" "$service" /r
echo "== removing it again finds no such service =="
show "$bin/dockhand.exe" "$service" /r

echo "== beaconry, installed by dockhand and started, answers horolan =="
"$here/wine-run.sh" "$bin/dockhand.exe" Beaconry \
  "$("$here/wine-run.sh" winepath -w "$bin/beaconry.exe" | tr -d '\r')" >/dev/null
"$here/wine-run.sh" sc start Beaconry >/dev/null
# Keeps the prefix's wineserver, and with it the service, up while horolan runs.
timeout 120 "$here/wine-run.sh" "$bin/svc_control.exe" Beaconry wait 1 100 >/dev/null 2>&1 &
keeper=$!
"$here/wine-run.sh" "$bin/svc_control.exe" Beaconry wait 4 30 >/dev/null
show "$bin/horolan.exe" .
"$here/wine-run.sh" "$bin/svc_control.exe" Beaconry 1 >/dev/null
wait "$keeper" || true
"$here/wine-run.sh" "$bin/dockhand.exe" Beaconry /r >/dev/null

echo "== verdant.scr, the screen saver, on a virtual screen for about 45 seconds =="
WINE_RUN="$here/wine-run.sh" WINDOWS_BIN_DIR="$bin" ARTIFACT_DIR="$build/demo" \
  "$here/with-xvfb.sh" bash "$here/../tests/wine/saver_picture_test.sh"
echo "picture of the running saver: $build/demo/saver.png"
