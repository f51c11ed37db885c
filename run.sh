#!/usr/bin/env bash
# Builds the trainer and starts it in its own working folder
# (${XDG_DATA_HOME:-~/.local/share}/tippolo), where it keeps its lists and settings.
set -eu
cd "$(dirname "$0")"
source ./deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tippolo
programm="$(pwd)/build/tippolo"
ordner="${XDG_DATA_HOME:-$HOME/.local/share}/tippolo"
mkdir -p "$ordner"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt): Tippolo braucht eine grafische Oberfläche." >&2
  exit 1
fi
cd "$ordner"
exec "$programm"
