#!/usr/bin/env bash
# Builds in Release and prints the benchmark table.
#   ./bench.sh
set -eu
cd "$(dirname "$0")"
source ./deps.sh
for p in xvfb xauth xdotool; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || {
    if [ "$(id -u)" = 0 ]; then DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null;
    else echo "Missing: sudo apt-get install -y $p" >&2; exit 1; fi; }
done
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTIPPOLO_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target tippolo bench_tippolo bench_leer
./build-bench/bench/bench_tippolo
./build-bench/bench/bench_tippolo bericht
xvfb-run -a -s "-screen 0 1280x1024x24" bash bench/start.sh "$(pwd)/build-bench/tippolo" "$(pwd)/build-bench/bench/bench_leer"
