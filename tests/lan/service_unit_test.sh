#!/usr/bin/env bash
# beaconry.service as systemd reads it: `systemd-analyze verify` without a word to say, and an
# exposure of at most 2.5 by `systemd-analyze security` (the service runs as a dynamic user with
# CAP_NET_BIND_SERVICE alone). The unit is checked with ExecStart pointing at the built program.
#   service_unit_test.sh <beaconry.service> <built beaconry>
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed "s#^ExecStart=.*#ExecStart=$2#" "$1" >"$work/beaconry.service"
failed=0
systemd-analyze verify "$work/beaconry.service" >"$work/verify" 2>&1 || failed=1
if [ -s "$work/verify" ] || [ "$failed" = 1 ]; then
  echo "FAIL: systemd-analyze verify: $(cat "$work/verify")"
  failed=1
fi
if ! systemd-analyze security --offline=true --threshold=25 "$work/beaconry.service" \
  >"$work/security" 2>&1; then
  echo "FAIL: exposure above 2.5: $(tail -1 "$work/security")"
  failed=1
fi
[ "$failed" = 0 ] && echo "PASS: $(tail -1 "$work/security")"
exit "$failed"
