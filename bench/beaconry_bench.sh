#!/usr/bin/env bash
# beaconry measured under Wine, through the harness: request-to-answer latency (latency_probe,
# one request at a time) and answers per second under a flood of 10,000 valid and 10,000 bad
# requests (flood), three runs each against the real service; then the service's own cost per
# request (beaconry_bench, Google Benchmark, native). Run after `make native BUILD=<build>`:
#   bench/beaconry_bench.sh [build folder]   (build by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
run=$root/scripts/wine-run.sh
service=Beaconry
# The Windows build and prefix that the tests of this machine use.
WINE_ARCH=$("$root/scripts/windows-test-build.sh" | head -n 1)
bin=$build/$WINE_ARCH/bin
export WINE_ARCH WINEPREFIX=$build/native/wineprefix-$WINE_ARCH

"$run" --init
cleanup() {
  "$run" "$bin/svc_control.exe" $service 1 >/dev/null 2>&1 || true
  "$run" "$bin/dockhand.exe" $service /r >/dev/null 2>&1 || true
}
trap cleanup EXIT
cleanup
"$run" "$bin/dockhand.exe" $service "$("$run" winepath -w "$bin/beaconry.exe" | tr -d '\r')"
"$run" sc start $service >/dev/null
# Keeps the prefix's wineserver, and so the service, up between the runs below.
timeout 600 "$run" "$bin/svc_control.exe" $service wait 1 540 >/dev/null 2>&1 &
"$run" "$bin/svc_control.exe" $service wait 4 30 >/dev/null

for i in 1 2 3; do "$run" "$bin/latency_probe.exe" 2000 | tr -d '\r'; done
for i in 1 2 3; do "$run" "$bin/flood.exe" 10000 | tr -d '\r' | grep 'answers/s'; done
"$build/native/bin/beaconry_bench" --benchmark_min_time=0.5
