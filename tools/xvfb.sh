# Sourced by the scripts that run the program on a virtual display.
# start_xvfb [SCREEN]: an Xvfb on the first free display from :91, its process id in
# $xv and its name exported as DISPLAY; returns once it accepts connections.
start_xvfb() {
  local n
  for n in $(seq 91 140); do [ -e "/tmp/.X$n-lock" ] || break; done
  Xvfb ":$n" -screen 0 "${1:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
  xv=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  echo "Xvfb on :$n did not start" >&2
  return 1
}
