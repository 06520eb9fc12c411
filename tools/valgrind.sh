#!/usr/bin/env bash
# Start, an edit and a quit under valgrind's memcheck on a virtual display.
#   tools/valgrind.sh EXE [LOG]
# Needs xvfb, xdotool, faketime, valgrind. Prints the error summary; the full log
# (default /tmp/quirnel-valgrind.log) tells whose code an error is in.
set -eu
exe=$(readlink -f "$1"); log=${2:-/tmp/quirnel-valgrind.log}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d); cp "$here"/docs/sample/*.dat "$work"/
. "$here/tools/xvfb.sh"
app= xv=
trap 'kill $app $xv 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb
(cd "$work" && QT_QPA_PLATFORM=xcb LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 \
  faketime -f "@2026-12-05 10:00:00" valgrind --tool=memcheck \
  --num-callers=40 --leak-check=full --log-file="$log" "$exe" >/dev/null 2>&1) & app=$!
wid=$(xdotool search --sync --onlyvisible --class quirnel | head -n 1)
sleep 5
eval "$(xdotool getwindowgeometry --shell "$wid")"
menubar=$(( HEIGHT - 393 ))
click() { xdotool mousemove --window "$wid" $(( $1 / 15 )) $(( $2 / 15 + menubar )) click 1; sleep 3; }
key() { xdotool windowfocus --sync "$wid" 2>/dev/null || true; xdotool key --delay 300 "$@"; sleep 3; }
click 3652 4740                          # OK
click 5887 1995                          # G-Daten
click 1400 5782; xdotool type --delay 200 "Erika Beispiel"; sleep 2   # name
click 3800 5782; xdotool type --delay 200 "09.12.1976"; sleep 2       # date
click 2785 6442                          # Einfügen
click 4675 6442                          # Speichern
click 6465 6442                          # Exit
key ctrl+b                               # Beenden
dialog=$(xdotool search --sync --name "Programm Ende" | head -n 1)
xdotool windowfocus --sync "$dialog"; xdotool key Return; sleep 3   # "Ja"
wait "$app" || true
grep -E "ERROR SUMMARY|definitely lost" "$log"
# Qt and the X libraries report a few of their own; ours would name our namespace.
ours=$(awk '/^==[0-9]+== $/ { if (block ~ /quirnel::/ && block ~ /(Invalid|uninitialised|definitely lost|Mismatched|overlap)/) n++; block = ""; next }
            { block = block "\n" $0 } END { print n + 0 }' "$log")
echo "errors with our code in the stack: $ours"
grep -q "Erika Beispiel" "$work/geburt.dat" && saved=yes || saved=no
echo "the edit was saved: $saved"
[ "$ours" -eq 0 ] && [ "$saved" = yes ]
