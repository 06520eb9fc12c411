#!/usr/bin/env bash
# Time from process start to the window's first paint on a virtual display, and the
# process's peak resident memory then, with LINES birthdays and as many appointments
# (files as saved: sorted, CR LF; 10 000 each by default, 0 for empty files).
#   tools/startup.sh EXE [RUNS] [LINES]
# Needs xvfb. Prints each run and the medians.
set -eu
exe=$(readlink -f "$1"); runs=${2:-7}; lines=${3:-10000}
work=$(mktemp -d)
awk -v n="$lines" 'BEGIN { srand(7); for (i = 0; i < n; i++)
       printf "%02d.%02d.%04d     Vorname%05d Nachname\r\n", 1 + int(rand() * 28), 1 + int(rand() * 12), 1930 + int(rand() * 90), i }' |
  LC_ALL=C sort > "$work/geburt.dat"
awk -v n="$lines" 'BEGIN { srand(8); for (i = 0; i < n; i++)
       printf "%02d.%02d.%04d  %02d:%02d Uhr   Termin %05d\r\n", 1 + int(rand() * 28), 1 + int(rand() * 12), 2020 + int(rand() * 10), int(rand() * 24), 15 * int(rand() * 4), i }' |
  LC_ALL=C sort > "$work/termin.dat"
. "$(dirname "$0")/xvfb.sh"
xv=
trap 'kill $xv 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb
times=(); peaks=()
for _ in $(seq "$runs"); do
  : > "$work/log"
  start=$(date +%s%3N)
  (cd "$work" && QT_QPA_PLATFORM=xcb LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 \
    QT_LOGGING_RULES="quirnel.startup.debug=true" exec "$exe" 2>"$work/log") & app=$!
  for _ in $(seq 200); do grep -q "first paint at" "$work/log" && break; sleep 0.05; done
  peak=$(awk '/^VmHWM/ { print int($2 / 1024) }' "/proc/$app/status")
  kill "$app"; wait "$app" 2>/dev/null || true
  painted=$(grep -m1 -o "first paint at [0-9]*" "$work/log" | awk '{ print $4 }')
  times+=($(( painted - start ))); peaks+=("$peak")
  echo "run: $(( painted - start )) ms, peak $peak MB"
done
median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
echo "median: $(median "${times[@]}") ms, peak $(median "${peaks[@]}") MB"
