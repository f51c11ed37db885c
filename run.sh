#!/usr/bin/env bash
# Builds the trainer and starts it. It works in its own folder
# (${XDG_DATA_HOME:-~/.local/share}/tippolo, made on the first start), where it
# keeps its lists and settings; arguments are passed on (./run.sh --ordner DIR).
set -eu
cd "$(dirname "$0")"
source ./deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tippolo
programm="$(pwd)/build/tippolo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt): Tippolo braucht eine grafische Oberfläche." >&2
  exit 1
fi
exec "$programm" "$@"
