#!/usr/bin/env bash
# Start-up time (launch to the main window mapped) and resident memory a second
# later, for the trainer and for a bare Qt window of the same size (the pixels
# of a window cost the same in either); medians of 5 runs. For comparison the
# bare window also at the trainer's unscaled size (687 x 457).
set -eu
tippolo=$1; leer=$2
messen() { # program window-name args... -> "ms kB WxH"; a start that fails to reach the display is tried once more
  local prog=$1 name=$2 ordner start ende pid kb wid groesse versuch
  shift 2
  for versuch in 1 2; do
    ordner=$(mktemp -d)
    start=$(date +%s%N)
    (cd "$ordner" && exec "$prog" "${@//@ORDNER@/$ordner}") >/dev/null 2>&1 &
    pid=$!
    local grenze=$(( start + 20000000000 )) wid=
    until wid=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1) && [ -n "$wid" ]; do
      sleep 0.005
      if [ "$(date +%s%N)" -gt "$grenze" ] || ! kill -0 $pid 2>/dev/null; then break; fi
    done
    if [ -n "$wid" ]; then
      ende=$(date +%s%N)
      groesse=$(xdotool getwindowgeometry "$wid" | awk '/Geometry/ {print $2}')
      sleep 1
      kb=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
      kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true
      rm -rf "$ordner"
      echo "$(( (ende - start) / 1000000 )) $kb $groesse"
      return
    fi
    kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; rm -rf "$ordner"
  done
  echo "Fenster \"$name\" erschien nicht" >&2; echo "0 0 0x0"
}
# Wait until the X server answers.
for _ in $(seq 200); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
declare -a tz tm lz lm km
for i in 1 2 3 4 5; do
  read -r z m g < <(messen "$tippolo" "T i p p o l o" --ordner @ORDNER@); tz+=("$z"); tm+=("$m")
  read -r z m _ < <(messen "$leer" "Leeres Fenster" "$g"); lz+=("$z"); lm+=("$m")
  read -r _ m _ < <(messen "$leer" "Leeres Fenster"); km+=("$m")
done
t_z=$(printf '%s\n' "${tz[@]}" | median); t_m=$(printf '%s\n' "${tm[@]}" | median)
l_z=$(printf '%s\n' "${lz[@]}" | median); l_m=$(printf '%s\n' "${lm[@]}" | median)
k_m=$(printf '%s\n' "${km[@]}" | median)
zeile() { # title value unit goal floor-text ratio limit
  printf '| %-44s | %12s %s  | %-14s | %s, Verhältnis %s %s\n' "$1" "$2" "$3" "$4" "$5" "$6" \
    "$(awk -v v="$6" -v g="$7" 'BEGIN {print (g == "" ? "" : (v <= g ? "(erreicht)" : "(VERFEHLT)"))}')"
}
verh() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }
zeile "Start bis Fenster sichtbar ($g)" "$t_z" ms "<= 1.5x Boden" "Boden $l_z ms" "$(verh "$t_z" "$l_z")" 1.5
zeile "Speicher (RSS) 1 s nach dem Start" "$t_m" kB "<= 1.25x Boden" "Boden gleich groß $l_m kB" "$(verh "$t_m" "$l_m")" 1.25
zeile "Speicher, Boden 687x457 (zum Vergleich)" "$t_m" kB "-" "Boden $k_m kB" "$(verh "$t_m" "$k_m")" ""
