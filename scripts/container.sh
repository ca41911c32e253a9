# Sourced by the tests that need a real systemd: boots a container from this machine's own
# system (systemd-nspawn) with a network namespace of its own, and runs commands in it; nothing
# it writes reaches the host. A test defines skip() and calls container_test_begin: a folder of
# its own in $work, removed with the container on exit, and fail(), which marks $failed.
#   container_boot <root: volatile | overlay> [nspawn options…]   then   inside <command…>
# volatile: a tmpfs root with this machine's /usr read-only. overlay: the whole root file system
# writable, the writes on a tmpfs, for installing packages (nspawn's own overlay mode refuses /).
source "$(dirname "${BASH_SOURCE[0]}")/poll.sh"

nspawn_pid=
container_leader=

container_preflight() {
  [ "$(id -u)" -eq 0 ] || skip "booting a container needs root"
  command -v systemd-nspawn >/dev/null || skip "no systemd-nspawn (Debian package systemd-container)"
  [ -e /usr/lib/systemd/systemd ] || skip "no systemd in /usr to boot"
}

container_boot() {
  local root=(-D / --volatile=yes)
  container_preflight
  if [ "$1" = overlay ]; then
    mkdir -p "$work/writes" "$work/root"
    mount -t tmpfs tmpfs "$work/writes" && mkdir "$work/writes/upper" "$work/writes/work" &&
      mount -t overlay overlay \
        -o "lowerdir=/,upperdir=$work/writes/upper,workdir=$work/writes/work" "$work/root" ||
      skip "cannot mount an overlay of / (no overlayfs?)"
    root=(-D "$work/root")
  fi
  shift
  # --keep-unit --register=no: no machined and no bus needed on the host. With nothing but
  # loopback, waiting for the network to be online would take its whole timeout: masked.
  systemd-nspawn -q -b --keep-unit --register=no "${root[@]}" --private-network \
    --console=passive -M "vd$$" \
    --bind-ro=/dev/null:/etc/systemd/system/systemd-networkd-wait-online.service \
    "$@" -- systemd.firstboot=off >"$work/console" 2>&1 &
  nspawn_pid=$!
  poll_until 20 container_started ||
    skip "systemd-nspawn did not start a container: $(tail -3 "$work/console")"
  container_leader=$(cat "$work/leader")
  poll_until 40 container_booted || skip "the container did not boot: $(tail -3 "$work/console")"
}

# The container's PID 1 is nspawn's child once its first helper child has gone.
container_started() {
  pgrep -P "$nspawn_pid" >"$work/leader" && [ "$(wc -l <"$work/leader")" = 1 ] &&
    [ "$(cat "/proc/$(cat "$work/leader")/comm" 2>/dev/null)" = systemd ]
}
container_booted() { inside systemctl is-system-running 2>/dev/null | grep -qxE 'running|degraded'; }
inside() { nsenter -t "$container_leader" -m -u -i -n -p -- "$@"; }

container_teardown() {
  if [ -n "$nspawn_pid" ]; then
    # nspawn powers the container off on SIGTERM; its mounts and namespaces go with it.
    kill "$nspawn_pid" 2>/dev/null
    timeout 15 tail --pid="$nspawn_pid" -f /dev/null || kill -KILL "$nspawn_pid" 2>/dev/null
    wait "$nspawn_pid" 2>/dev/null
  fi
  mountpoint -q "$work/root" && umount "$work/root"
  mountpoint -q "$work/writes" && umount "$work/writes"
}

container_test_begin() {
  work=$(mktemp -d)
  trap 'container_teardown; rm -rf "$work"' EXIT
  failed=0
}
fail() {
  echo "FAIL: $*"
  failed=1
}
