#!/usr/bin/env bash
# dockhand.exe against Wine's service manager: install, the stored entry, a second install
# under the same name, removal in both letter cases, and the usage text. Output is compared byte
# for byte; the program prints in text mode, so every line ends in "\r\n". It runs in a folder
# of its own, against which a relative location is made absolute.
set -uo pipefail
: "${WINE_RUN:?}" "${WINDOWS_BIN_DIR:?}"

exe=$WINDOWS_BIN_DIR/dockhand.exe
name="DockTest$$x$(date +%s)"  # unique per run: the prefix outlives a single test
plain_name="${name}p"
location='bin\dock test\svc.exe'  # relative and with a space: made absolute, then quoted
plain_location='C:\dock\svc.exe'   # absolute, no space: stored as typed
key="HKLM\\System\\CurrentControlSet\\Services\\$name"
tmp=$(mktemp -d)
failures=0
cd "$tmp" || exit 1

cleanup() {
  "$WINE_RUN" sc delete "$name" >/dev/null 2>&1
  "$WINE_RUN" sc delete "$plain_name" >/dev/null 2>&1
  rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect <what> <exit code> <output with \n line ends> <arguments…>
expect() {
  local what=$1 code=$2 text=$3
  shift 3
  "$WINE_RUN" "$exe" "$@" >"$tmp/out"
  local rc=$?
  printf '%s' "${text//$'\n'/$'\r\n'}" >"$tmp/expected"
  [ "$rc" -eq "$code" ] || fail "$what: exit code $rc, expected $code"
  if ! cmp -s "$tmp/out" "$tmp/expected"; then
    fail "$what: output differs"
    echo "--- expected"; od -c "$tmp/expected"
    echo "--- got"; od -c "$tmp/out"
  fi
}

# The value of one entry of the service's key, as `reg query` shows it.
reg_value() {
  tr -d '\r' <"$tmp/reg" | sed -n "s/^    $1    REG_[A-Z_]*    //p"
}

expect_value() {
  local got
  got=$(reg_value "$1")
  [ "$got" = "$2" ] || fail "registry $1: '$got', expected '$2'"
}

usage=$'\nusage:\n\n'
usage+=$'       DOCKHAND <service name> <exe location>\n'
usage+=$'           to install a service, or:\n\n'
usage+=$'       DOCKHAND <service name> /r\n'
usage+=$'           to remove a service\n\n'

expect "no arguments" 1 "$usage"
expect "one argument" 1 "$usage" "$name"
expect "three arguments" 1 "$usage" "$name" "$location" extra
"$WINE_RUN" reg query "$key" >/dev/null 2>&1 && fail "the usage runs created $name"

expect "install" 0 $'\nService has been successfully installed!\n' "$name" "$location"
if "$WINE_RUN" reg query "$key" >"$tmp/reg" 2>&1; then
  expect_value Type 0x10
  expect_value Start 0x3
  expect_value ErrorControl 0x1
  expect_value DisplayName "$name"
  expect_value ImagePath "\"$("$WINE_RUN" winepath -w "$tmp" | tr -d '\r')\\$location\""
  expect_value ObjectName LocalSystem
  for absent in Group Tag DependOnService; do
    [ -z "$(reg_value $absent)" ] || fail "registry has $absent"
  done
else
  fail "no registry key for $name"
  cat "$tmp/reg"
fi

expect "install absolute" 0 $'\nService has been successfully installed!\n' "$plain_name" \
  "$plain_location"
"$WINE_RUN" reg query "${key}p" >"$tmp/reg" 2>&1
expect_value ImagePath "$plain_location"
expect "remove absolute" 0 $'\nService has been successfully removed!\n' "$plain_name" /r

expect "install again" 1 $'\nUnable to create service, error code: 1073)\n' "$name" 'C:\other.exe'
expect "remove with /R" 0 $'\nService has been successfully removed!\n' "$name" /R
"$WINE_RUN" reg query "$key" >/dev/null 2>&1 && fail "the key of $name is still there"
expect "remove again" 1 $'\nUnable to remove service, error code: 1060\n' "$name" /r

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "dockhand: all checks passed"
