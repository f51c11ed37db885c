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
# The fuzz targets built with clang as well, when it and its libFuzzer are
# there, and run over their seeds (the plain programs of the build above ran
# them as tests).
mit_libfuzzer() {
  command -v clang++ >/dev/null &&
    echo 'extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }' |
    clang++ -fsanitize=fuzzer -x c++ - -o "$build/libfuzzer-probe" 2>/dev/null
}
if [ "$build" = build ] && mit_libfuzzer; then
  cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build-fuzz -j"$(nproc)"
  for ziel in build-fuzz/fuzz_*; do
    [ -f "$ziel" ] && [ -x "$ziel" ] || continue
    "$ziel" -runs=0 fuzz/corpus/"${ziel##*/fuzz_}" >/dev/null 2>&1 ||
      { echo "${ziel##*/}: scheitert an seinen Beispielen" >&2; exit 1; }
  done
fi
# The Debian package of the program just tested: made from its build folder,
# checked by lintian, unpacked into a temporary root and started there.
if [ "$build" = build ] && command -v dh >/dev/null && command -v lintian >/dev/null; then
  packaging/deb.sh --gebaut "$build"
fi
