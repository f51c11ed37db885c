#!/usr/bin/env bash
# Builds the Debian package from this source tree, checks it with lintian,
# unpacks it into a temporary root and runs the smoke test against the
# unpacked program. The package is left in build-deb/.
#   packaging/deb.sh            build with the tests run inside the package build
#   packaging/deb.sh --nocheck  without them
#   packaging/deb.sh --gebaut build
#                               packages the program of a CMake build folder
#                               that is built and tested already (./test.sh)
# As root it installs what is missing (debhelper, lintian, the build
# dependencies); nothing is installed from the package itself.
set -eu
cd "$(dirname "$0")/.."
quelle=$(pwd)
optionen="parallel=$(nproc)"
profile=()
gebaut=
case "${1:-}" in
  --nocheck) optionen="nocheck $optionen"; profile=(-Pnocheck) ;;
  --gebaut) optionen="nocheck $optionen"; profile=(-Pnocheck); gebaut=$(cd "$2" && pwd) ;;
esac

fehlt=()
command -v dpkg-buildpackage >/dev/null || fehlt+=(dpkg-dev)
command -v dh >/dev/null || fehlt+=(debhelper)
command -v lintian >/dev/null || fehlt+=(lintian)
command -v fakeroot >/dev/null || fehlt+=(fakeroot)
if [ "$(id -u)" = 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  if ((${#fehlt[@]})); then
    apt-get update -qq && apt-get install -y -qq "${fehlt[@]}" >/dev/null
  fi
  # Only what is missing: apt-get is quick when everything is there.
  dpkg-checkbuilddeps "${profile[@]}" >/dev/null 2>&1 || apt-get build-dep -y -qq "${profile[@]}" ./ >/dev/null
elif ((${#fehlt[@]})) || ! dpkg-checkbuilddeps "${profile[@]}" 2>/dev/null; then
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get install -y ${fehlt[*]:-} && sudo apt-get build-dep -y ${profile[*]:-} ./" >&2
  exit 1
fi

# The package is built from a copy of the tracked files (and new ones not
# ignored), so the work tree and its build folders stay as they are.
arbeit=$(mktemp -d "${TMPDIR:-/tmp}/tippolo-deb.XXXXXX")
trap 'rm -rf "$arbeit"' EXIT
version=$(dpkg-parsechangelog -S Version)
baum="$arbeit/tippolo-$version"
mkdir "$baum"
if [ -d .git ] || [ -f .git ]; then
  git ls-files -z --cached --others --exclude-standard | xargs -0 -I{} sh -c '[ -e "$1" ] && printf "%s\0" "$1"' _ {} |
    tar -cf - --null -T - | tar -xf - -C "$baum"
else
  tar -cf - --exclude='./build*' --exclude=./debian/tippolo --exclude=./obj-* . | tar -xf - -C "$baum"
fi

echo "== dpkg-buildpackage -us -uc -b (DEB_BUILD_OPTIONS=\"$optionen\"${gebaut:+, program of $gebaut})"
(cd "$baum" && TIPPOLO_GEBAUT="$gebaut" DEB_BUILD_OPTIONS="$optionen" dpkg-buildpackage -us -uc -b "${profile[@]}" >"$arbeit/build.log" 2>&1) || {
  tail -n 60 "$arbeit/build.log" >&2; echo "The package build failed." >&2; exit 1; }
deb=$(ls "$arbeit"/tippolo_*.deb)
changes=$(ls "$arbeit"/tippolo_*.changes)

echo "== lintian"
lintian --display-info --fail-on error,warning "$changes"
echo "(lintian: no error, no warning)"

echo "== $(basename "$deb")"
dpkg-deb -c "$deb" | awk '{print $6, $7, $8}'

echo "== smoke test against the unpacked program"
mkdir "$arbeit/wurzel"
dpkg-deb -x "$deb" "$arbeit/wurzel"
TIPPOLO="$arbeit/wurzel/usr/bin/tippolo" sh "$baum/debian/tests/smoke"

mkdir -p "$quelle/build-deb"
cp "$deb" "$quelle/build-deb/"
echo "Package: build-deb/$(basename "$deb")"
