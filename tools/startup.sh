#!/usr/bin/env bash
# Time from process start to the window's first paint on a virtual display, with
# 10 000 birthdays and 10 000 appointments (files as saved: sorted, CR LF).
#   tools/startup.sh EXE [RUNS]
# Needs xvfb. Prints each run and the median in milliseconds.
set -eu
exe=$(readlink -f "$1"); runs=${2:-7}
work=$(mktemp -d)
awk 'BEGIN { srand(7); for (i = 0; i < 10000; i++)
       printf "%02d.%02d.%04d     Vorname%05d Nachname\r\n", 1 + int(rand() * 28), 1 + int(rand() * 12), 1930 + int(rand() * 90), i }' |
  LC_ALL=C sort > "$work/geburt.dat"
awk 'BEGIN { srand(8); for (i = 0; i < 10000; i++)
       printf "%02d.%02d.%04d  %02d:%02d Uhr   Termin %05d\r\n", 1 + int(rand() * 28), 1 + int(rand() * 12), 2020 + int(rand() * 10), int(rand() * 24), 15 * int(rand() * 4), i }' |
  LC_ALL=C sort > "$work/termin.dat"
. "$(dirname "$0")/xvfb.sh"
xv=
trap 'kill $xv 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb
times=()
for _ in $(seq "$runs"); do
  : > "$work/log"
  start=$(date +%s%3N)
  (cd "$work" && QT_QPA_PLATFORM=xcb LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 \
    QT_LOGGING_RULES="quirnel.startup.debug=true" exec "$exe" 2>"$work/log") & app=$!
  for _ in $(seq 200); do grep -q "first paint at" "$work/log" && break; sleep 0.05; done
  kill "$app"; wait "$app" 2>/dev/null || true
  painted=$(grep -m1 -o "first paint at [0-9]*" "$work/log" | awk '{ print $4 }')
  times+=($(( painted - start )))
  echo "run: $(( painted - start )) ms"
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { print "median:", a[int((NR + 1) / 2)], "ms" }'
