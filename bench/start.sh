#!/usr/bin/env bash
# Start-up time (launch to the main window mapped) and resident memory a second
# later, for the trainer and for a bare Qt window; medians of 5 runs.
set -eu
tippolo=$1; leer=$2
messen() { # program window-name [nochmal] -> "ms kB"; a start that fails to reach the display is tried once more
  local prog=$1 name=$2 ordner start ende pid kb
  ordner=$(mktemp -d)
  start=$(date +%s%N)
  (cd "$ordner" && exec "$prog") >/dev/null 2>&1 &
  pid=$!
  local grenze=$(( start + 20000000000 ))
  until xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; do
    sleep 0.005
    if [ "$(date +%s%N)" -gt "$grenze" ] || ! kill -0 $pid 2>/dev/null; then
      kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; rm -rf "$ordner"
      if [ "${3:-}" != nochmal ]; then messen "$prog" "$name" nochmal; return; fi
      echo "Fenster \"$name\" erschien nicht" >&2; echo "0 0"; return; fi
  done
  ende=$(date +%s%N)
  sleep 1
  kb=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true
  rm -rf "$ordner"
  echo "$(( (ende - start) / 1000000 )) $kb"
}
# Wait until the X server answers.
for _ in $(seq 200); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
declare -a tz tm lz lm
for i in 1 2 3 4 5; do
  read -r z m < <(messen "$tippolo" "T i p p o l o"); tz+=("$z"); tm+=("$m")
  read -r z m < <(messen "$leer" "Leeres Fenster"); lz+=("$z"); lm+=("$m")
done
t_z=$(printf '%s\n' "${tz[@]}" | median); t_m=$(printf '%s\n' "${tm[@]}" | median)
l_z=$(printf '%s\n' "${lz[@]}" | median); l_m=$(printf '%s\n' "${lm[@]}" | median)
printf '| %-44s | %12s ms  | %-14s | %s\n' "Start bis Fenster sichtbar" "$t_z" "<= 2x Boden" \
  "Boden $l_z ms, Verhältnis $(awk -v a="$t_z" -v b="$l_z" 'BEGIN{printf "%.2f", a/b}')"
printf '| %-44s | %12s kB  | %-14s | %s\n' "Speicher (RSS) 1 s nach dem Start" "$t_m" "<= 1.5x Boden" \
  "Boden $l_m kB, Verhältnis $(awk -v a="$t_m" -v b="$l_m" 'BEGIN{printf "%.2f", a/b}')"
