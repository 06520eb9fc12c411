#!/usr/bin/env bash
# What the program costs while it sits open: CPU time and memory after running on a
# virtual display with 1 000 entries in each file.
#   tools/idle.sh EXE [SECONDS]     (default 60 s)
# Needs Xvfb and iconv. The first few seconds are start-up; the CPU time after them is
# printed apart, since that is what an open but unused window costs.
set -eu

if [ $# -lt 1 ] || [ ! -x "$1" ]; then
  echo "usage: $0 EXE [SECONDS]" >&2
  exit 2
fi
exe=$(readlink -f "$1")
seconds=${2:-60}
settle=5
if [ "$seconds" -le "$settle" ]; then
  echo "run for more than $settle s" >&2
  exit 2
fi

work=$(mktemp -d)
xv=
app=
cleanup() {
  # Only the two processes started here, by their ids.
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
  if [ -n "$xv" ]; then kill "$xv" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# 1 000 lines a file: random dates, German names and texts, Windows-1252 with CR LF.
generate() {
  awk -v seed="$1" -v kind="$2" 'BEGIN {
    srand(seed)
    nf = split("Jürgen Jörg Björn Sören Käthe Günter Bärbel Hans Eva Otto Lena Änne Marie Renée", first, " ")
    nl = split("Müller Schäfer Köhler Weiß Groß Böhm Krüger Jäger Schmidt Meyer Klein Özdemir", last, " ")
    nt = split("Zahnarzt, Dr. Berg|Elternabend|Rechnung über 120 € zahlen|„Tatort“ mit Käthe|Übergabe – Büro|Weihnachtsmarkt", text, "|")
    for (i = 0; i < 1000; i++) {
      day = 1 + int(rand() * 28); month = 1 + int(rand() * 12)
      if (kind == "birthday") {
        printf "%02d.%02d.%04d     %s %s\r\n", day, month, 1930 + int(rand() * 96),
               first[1 + int(rand() * nf)], last[1 + int(rand() * nl)]
      } else {
        year = 2026 + int(rand() * 2)
        if (rand() < 0.2) time = "************"
        else time = sprintf("%02d:%02d Uhr", 7 + int(rand() * 14), 15 * int(rand() * 4))
        printf "%02d.%02d.%04d  %s   %s\r\n", day, month, year, time, text[1 + int(rand() * nt)]
      }
    }
  }' | iconv -f UTF-8 -t WINDOWS-1252
}
generate 1 birthday >"$work/geburt.dat"
generate 2 appointment >"$work/termin.dat"

. "$(dirname "$0")/xvfb.sh"
start_xvfb

# The program reads its files from the working directory; exec keeps its process id.
(cd "$work" && exec env QT_QPA_PLATFORM=xcb LANG=de_DE.UTF-8 "$exe" >/dev/null 2>&1) &
app=$!

ticks=$(getconf CLK_TCK)
# utime + stime, fields 14 and 15; the name in field 2 holds no blanks here.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
status() { awk -v key="$1:" '$1 == key { print $2, $3 }' "/proc/$app/status"; }
alive() {
  if ! kill -0 "$app" 2>/dev/null; then
    echo "the program ended early" >&2
    exit 1
  fi
}

sleep "$settle"
alive
started=$(cpu_ticks)
switches_started=$(status voluntary_ctxt_switches)
sleep $((seconds - settle))
alive
total=$(cpu_ticks)
switches=$(status voluntary_ctxt_switches)

awk -v t="$total" -v s="$started" -v hz="$ticks" -v run="$seconds" -v settle="$settle" 'BEGIN {
  printf "CPU time in %d s:            %.2f s\n", run, t / hz
  printf "  of which after the first %d s: %.2f s in %d s\n", settle, (t - s) / hz, run - settle
}'
echo "wake-ups after start-up:   $(( ${switches% *} - ${switches_started% *} )) voluntary context switches"
echo "VmRSS:                     $(status VmRSS)"
echo "VmHWM:                     $(status VmHWM)"
