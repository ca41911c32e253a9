#!/usr/bin/env bash
# Builds the Debian packages verdant, beaconry and horolan from the files of this tree that git
# tracks or would track (uncommitted changes included), in a copy under <build>/deb/, and leaves the .deb, .changes
# and .buildinfo files there; then runs lintian on the .changes.
#   make-deb.sh <build folder>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1/deb" && cd "$1/deb" && pwd)

# One version for the zip, the packages and Windows: the changelog's must be the project's.
project=$(sed -n 's/^project(VerdantDrift VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
package=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
[ "${package%-*}" = "$project" ] || {
  echo "make-deb: debian/changelog is at $package, the project at $project" >&2
  exit 1
}

rm -rf "$out"/*
src=$out/verdant-drift-$project
mkdir "$src"
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  git -C "$root" ls-files -z --cached --others --exclude-standard |
    (cd "$root" && tar --null --ignore-failed-read -T - -cf - 2>/dev/null) | tar -xf - -C "$src"
else
  (cd "$root" && tar --exclude=./build -cf - .) | tar -xf - -C "$src"
fi
(cd "$src" && dpkg-buildpackage -b -us -uc >"$out/build.log" 2>&1) || {
  tail -30 "$out/build.log" >&2
  exit 1
}
rm -rf "$src"
ls "$out"/*.deb
# Errors fail the build; warnings are shown.
lintian --fail-on error "$out"/*.changes
