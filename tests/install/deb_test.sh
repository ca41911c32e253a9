#!/usr/bin/env bash
# The Debian packages on a real system: installed with apt-get in a container booted from this
# machine's /usr (its root an overlay on a tmpfs, so the host is not touched), the service
# running, the client answered, the pages found, the renderer drawing; then removed and purged
# without a trace. Exit 77 where there are no packages or no container can boot.
#   deb_test.sh <folder of the .deb files>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/container.sh"

skip() {
  echo "SKIPPED: $*"
  exit 77
}
debs=$(cd "$1" 2>/dev/null && pwd) || skip "no folder $1 (make deb builds the packages)"
packages=(verdant beaconry horolan)
for p in "${packages[@]}"; do
  ls "$debs/${p}"_*.deb >/dev/null 2>&1 || skip "no ${p} package in $debs (make deb builds it)"
done
container_preflight

container_test_begin

container_boot overlay --bind-ro="$debs:/debs"
# The container has only loopback: every dependency must come from what Debian installed here.
# A container image's policy that forbids starting services at install (exit 101) is not a real
# system's: the container goes without it.
inside rm -f /usr/sbin/policy-rc.d
files=()
for p in "${packages[@]}"; do
  for f in "$debs/${p}"_*.deb; do files+=("/debs/${f##*/}"); done
done
inside env DEBIAN_FRONTEND=noninteractive apt-get install -y "${files[@]}" \
  >"$work/install" 2>&1 || fail "apt-get install: $(tail -5 "$work/install")"

active() { [ "$(inside systemctl is-active beaconry)" = active ]; }
poll_until 10 active || fail "beaconry after install: $(inside systemctl is-active beaconry)"
[ "$(inside systemctl is-enabled beaconry)" = enabled ] || fail "beaconry is not enabled"
inside horolan . >"$work/horolan" 2>&1 || fail "horolan .: $(cat "$work/horolan")"
grep -q "^Time-server .* responded with:" "$work/horolan" || fail "horolan .: $(cat "$work/horolan")"
inside man -w horolan beaconry verdant >"$work/pages" 2>&1 || fail "man -w: $(cat "$work/pages")"
[ "$(wc -l <"$work/pages")" = 3 ] || fail "man -w: $(cat "$work/pages")"
inside verdant-render --width 64 --height 64 --seed 1 --ticks 2 --png /tmp/plant.png &&
  inside test -s /tmp/plant.png || fail "verdant-render wrote no PNG"

for p in "${packages[@]}"; do inside dpkg -L "$p" >>"$work/files"; done
inside env DEBIAN_FRONTEND=noninteractive apt-get remove -y beaconry >"$work/remove" 2>&1 ||
  fail "apt-get remove: $(tail -5 "$work/remove")"
[ "$(inside systemctl is-active beaconry)" != active ] || fail "beaconry still runs after remove"
inside test -e /lib/systemd/system/beaconry.service && fail "the unit is left after remove"
inside env DEBIAN_FRONTEND=noninteractive apt-get purge -y "${packages[@]}" >"$work/purge" 2>&1 ||
  fail "apt-get purge: $(tail -5 "$work/purge")"
# Every file the packages brought, and what systemd kept for the service, is gone.
while read -r path; do
  [ -d "/proc/$container_leader/root$path" ] && continue
  [ -e "/proc/$container_leader/root$path" ] && fail "left after purge: $path"
done <"$work/files"
left=$(inside find /etc/systemd /var/lib/systemd -name 'beaconry*' 2>/dev/null)
[ -z "$left" ] || fail "left after purge: $left"
inside dpkg -s "${packages[@]}" >/dev/null 2>&1 && fail "dpkg still knows a package"

[ "$failed" = 0 ] && echo "PASS: installed, running, answered, pages found, drawn, removed and purged"
exit "$failed"
