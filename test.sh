#!/usr/bin/env bash
# Builds the trainer and runs every test offscreen.
#   ./test.sh            normal build in build/
#   ./test.sh --sanitize AddressSanitizer + UndefinedBehaviorSanitizer in build-asan/
set -eu
cd "$(dirname "$0")"
# pdftotext lets the printing tests read the worksheets they write; FontForge
# and Andika let the font test make the exercise fonts again and compare them;
# debhelper and lintian build and check the Debian package.
ZUSATZPAKETE=(poppler-utils python3-fontforge fonts-sil-andika dpkg-dev debhelper fakeroot lintian)
source ./deps.sh
build=build; extra=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan; extra=(-DTIPPOLO_SANITIZE=ON)
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug "${extra[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
# The Debian package of the program just tested: made from its build folder,
# checked by lintian, unpacked into a temporary root and started there.
if [ "$build" = build ] && command -v dh >/dev/null && command -v lintian >/dev/null; then
  packaging/deb.sh --gebaut "$build"
fi
