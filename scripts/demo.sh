#!/usr/bin/env bash
# The main job: shows the suite's programs at work under Wine.
#   demo.sh <build folder>
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
export WINEPREFIX=$build/demo-wineprefix
here=$(dirname "$0")
bin=$build/win32/bin
"$here/wine-run.sh" --init
trap '"$here/wine-run.sh" --shutdown' EXIT
for prog in "$bin"/dockhand.exe; do
  [ -x "$prog" ] || { echo "demo: $prog is not built" >&2; exit 1; }
done
echo "== dockhand installs a service =="
"$here/wine-run.sh" "$bin/dockhand.exe" DemoService 'C:\demo\service.exe' || true
echo "== dockhand removes it =="
"$here/wine-run.sh" "$bin/dockhand.exe" DemoService /r || true
