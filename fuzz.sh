#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60).
#   ./fuzz.sh 600
set -eu
cd "$(dirname "$0")"
source ./deps.sh
command -v clang++ >/dev/null || { echo "clang++ fehlt: apt-get install -y clang libclang-rt-14-dev" >&2; exit 1; }
sekunden=${1:-60}
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
mkdir -p build-fuzz/funde
for ziel in build-fuzz/fuzz_*; do
  [ -f "$ziel" ] && [ -x "$ziel" ] || continue
  name=${ziel##*/fuzz_}
  korpus=build-fuzz/korpus/$name
  mkdir -p "$korpus"
  echo "== $name: $sekunden s"
  "$ziel" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=4096 -max_len=65536 \
    -artifact_prefix=build-fuzz/funde/"$name"- "$korpus" fuzz/corpus/"$name" 2>&1 | tail -n 3
done
