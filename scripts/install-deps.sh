#!/usr/bin/env bash
# Installs everything building and testing need from Debian's packages. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git
  mingw-w64 g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  libsdl2-dev libpng-dev libcairo2-dev libgtk-3-dev
  # wine64 runs the x86_64 build where the kernel executes no 32-bit code.
  wine wine32 wine64 xvfb xdotool x11-utils imagemagick util-linux bc
  # Two monitors for the saver's tests: Xorg's dummy driver, and Xinerama for Wine's 32-bit side.
  xserver-xorg-core xserver-xorg-video-dummy libxinerama1:i386
  # The Windows release: zip writes it, its test unpacks it (zip only recommends unzip).
  zip unzip
  libsystemd-dev systemd systemd-container iproute2 tshark python3 tzdata
  libx11-dev libxfixes-dev libxss-dev libxrandr-dev libwayland-dev
  weston xscreensaver man-db
  # The Debian packages and their checks; the X idle timer's saver starter.
  debhelper lintian desktop-file-utils
  # Any X desktop's saver: the idle timer, its watcher, and a stand-in login manager on a bus.
  x11-xserver-utils xss-lock dbus-daemon python3-gi
  # The name service's independent peers on the namespace LAN: nmbd and nmblookup.
  samba samba-common-bin
)

missing=()
for p in "${packages[@]}"; do
  # A package of another architecture is named with its suffix by dpkg-query.
  name=$p
  [ "$p" = wine32 ] && name=wine32:i386
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=
[ "$(id -u)" -ne 0 ] && SUDO=sudo
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
# A mirror in the middle of a sync fails an index now and then; the lists already here still
# serve, so go on with them.
$SUDO apt-get update || echo "install-deps: some package lists failed to load; going on" >&2
install() { DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "$@"; }
if ! install "${missing[@]}"; then
  # The i386 packages serve only 32-bit Wine, which a kernel without i386 support cannot start
  # anyway: an i386 list that failed to load must not keep everything else out.
  rest=()
  for p in "${missing[@]}"; do [[ $p == wine32 || $p == *:i386 ]] || rest+=("$p"); done
  echo "install-deps: trying again without the i386 packages" >&2
  [ ${#rest[@]} -eq 0 ] || install "${rest[@]}"
fi
# Samba serves here only as a test peer, started by the tests inside their namespaces: its
# daemons must not come up at boot on the machine's own network (nor in the containers the
# tests boot from this root).
if [[ " ${missing[*]} " == *" samba "* ]]; then
  $SUDO systemctl disable nmbd.service smbd.service samba-ad-dc.service 2>/dev/null || true
fi
