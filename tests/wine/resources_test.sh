#!/usr/bin/env bash
# What Windows reads of each program's resources, read back by resource_probe under Wine: the
# saver's name in the settings page's list, the manifest (as invoker, Vista to 11; DPI-aware
# for the saver), the version strings of the project's version, and the icon at 32 and 256.
#   resources_test.sh <project version>
set -uo pipefail
: "${WINE_RUN:?}" "${WINDOWS_BIN_DIR:?}"
version=$1
failures=0

# Wine maps / to drive Z:.
probe() {
  local path=$WINDOWS_BIN_DIR/$1
  "$WINE_RUN" "$WINDOWS_BIN_DIR/resource_probe.exe" "Z:${path//\//\\}" 2>/dev/null | tr -d '\r'
}
expect() {
  local program=$1 expected=$2 seen
  seen=$(probe "$program")
  if [ "$seen" != "$expected" ]; then
    echo "FAIL: $program:"
    diff <(echo "$expected") <(echo "$seen")
    failures=$((failures + 1))
  fi
}

console_manifest="manifest: present, asInvoker 1, Windows 10 1, dpiAware 0, PerMonitorV2 0"
icon="icon: 32x32, 256x256"
expect verdant.scr "string 1: Verdant Drift
manifest: present, asInvoker 1, Windows 10 1, dpiAware 1, PerMonitorV2 1
version: $version; Verdant Drift; Verdant Drift screen saver; verdant.scr
$icon"
expect beaconry.exe "string 1: 
$console_manifest
version: $version; Verdant Drift; Verdant Drift time service; beaconry.exe
$icon"
expect horolan.exe "string 1: 
$console_manifest
version: $version; Verdant Drift; Verdant Drift time client; horolan.exe
$icon"
expect dockhand.exe "string 1: 
$console_manifest
version: $version; Verdant Drift; Verdant Drift service installer; dockhand.exe
$icon"

[ "$failures" -eq 0 ] && echo "PASS: name, manifest, version $version and icon in all four programs"
exit $((failures > 0))
