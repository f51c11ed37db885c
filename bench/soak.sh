#!/usr/bin/env bash
# Builds in Release and runs the random-event soak (bench/Dauerlauf.h, which
# the suite runs short as tests/soak) with N events (default 1000000). It
# prints the resident memory (VmRSS) at the start, at every tenth of the run
# and at the end, so one sees whether it stays flat.
#   bench/soak.sh [N] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
source ./deps.sh
anzahl="${1:-1000000}"
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTIPPOLO_BENCH=ON >/dev/null
cmake --build build-bench -j2 --target soak_tst_soak
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TIPPOLO_SOAK_EVENTS="$anzahl"
if [ -n "${2:-}" ]; then export TIPPOLO_SOAK_SEED="$2"; fi
beginn=$(date +%s)
./build-bench/tests/soak_tst_soak -maxwarnings 0
echo "soak: $anzahl events in $(( $(date +%s) - beginn )) s"
