#!/usr/bin/env bash
# Installs the Debian packages the trainer needs to build, run and test.
# Sourced by run.sh and test.sh; installs only what is missing.
PAKETE=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins
        qt6-translations-l10n libgl-dev fonts-liberation fonts-comic-neue fonts-dejavu-core
        ${ZUSATZPAKETE[@]+"${ZUSATZPAKETE[@]}"})
fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if ((${#fehlend[@]})); then
  if [ "$(id -u)" = 0 ]; then
    echo "Installing missing packages: ${fehlend[*]}"
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${fehlend[@]}" >/dev/null || {
      echo "Package installation failed." >&2; exit 1; }
  else
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${fehlend[*]}" >&2
    exit 1
  fi
fi
