#!/usr/bin/env bash
# Screenshots of the main screens, driven by real clicks on a virtual display.
#   tools/screenshots.sh EXE OUTDIR [SCALE]
# Needs xvfb, xdotool, imagemagick, faketime. Uses the sample data in docs/sample.
set -eu
exe=$(readlink -f "$1"); out=$(readlink -f "$2"); scale=${3:-1}
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
work=$(mktemp -d); cp "$here"/docs/sample/*.dat "$work"/
. "$here/tools/xvfb.sh"
app= xv=
trap 'kill $app $xv 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb 1600x1400x24

start() {
  (cd "$work" && QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 \
    faketime -f "@2026-12-05 10:00:00" "$exe" >/dev/null 2>&1) & app=$!
  sleep 2
  wid=$(xdotool search --sync --onlyvisible --class quirnel | head -n 1)
  # The client area starts below the menu bar; the bar's height is what the window has more.
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  menubar=$(( HEIGHT - $(awk -v s="$scale" 'BEGIN { printf "%d", 393 * s + 0.5 }') ))
}
# click LEFT TOP: a click at the twips position in the client area
click() {
  local x y
  x=$(awk -v t="$1" -v s="$scale" 'BEGIN { printf "%d", t / 15 * s }')
  y=$(awk -v t="$2" -v s="$scale" -v m="$menubar" 'BEGIN { printf "%d", t / 15 * s + m }')
  xdotool mousemove --window "$wid" "$x" "$y" click 1
  sleep 0.4
}
# key KEYS...: real key presses to the focused window (XTEST), as a user types them
key() {
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  xdotool key --delay 150 "$@"
  sleep 0.5
}
shot() { sleep 0.3; import -window "$wid" "$out/$1.png"; }

start
shot overview
click 3652 4740; shot birthdays        # OK closes today's appointments
click 1327 405; shot appointments      # Termine
click 1327 705; shot month             # Monat (appointments)
click 1327 1005; shot week             # Woche (appointments)
click 5887 705; shot birthdays-month   # Monat (birthdays)
click 5887 1005; shot birthdays-week   # Woche (birthdays)
click 5887 1305; shot jubilees         # Jubiläen
click 5887 1995; shot edit-birthdays   # G-Daten
key alt+o Return; xdotool type --delay 100 "mu"; shot search   # Optionen / Eintrag suchen
click 6465 6442                        # Exit
click 1335 1995; shot edit-appointments # T-Daten
key alt+h Down Return; shot help        # Hilfe / Programmbeschreibung
kill "$app"; app=
echo "$out"
