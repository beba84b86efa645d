#!/usr/bin/env bash
# Runs a command on a private X desktop: Xvfb with the openbox window manager. The desktop goes
# away with the command; its exit status is the command's.
#
#   tools/with-desktop.sh [--screen WIDTHxHEIGHT] COMMAND...
#
# The X server picks a free display number itself (another server may hold a number although
# this machine's /tmp shows no trace of it, e.g. one in a container sharing the network), and it
# admits only clients that hold this run's secret cookie. Before the command runs, the script
# makes sure that the server it reaches is the one it started: the cookie opens it, no cookie is
# refused, and the Xvfb process is alive.
set -euo pipefail

screen=1280x1024
if [ "${1:-}" = --screen ]; then
  screen="$2"
  shift 2
fi
[ $# -gt 0 ] || { echo "usage: $0 [--screen WIDTHxHEIGHT] COMMAND..." >&2; exit 2; }

work="$(mktemp -d)"
chmod 700 "$work"
cleanup() {
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# An X authority file with one entry for any display of this host: family "wild" (0xffff), empty
# address and display number, the MIT-MAGIC-COOKIE-1 scheme and 16 random bytes.
write_cookie_file() {
  local cookie
  cookie="$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')"
  printf '\xff\xff\x00\x00\x00\x00\x00\x12MIT-MAGIC-COOKIE-1\x00\x10'"$(sed 's/../\\x&/g' <<<"$cookie")" >"$1"
}
export XAUTHORITY="$work/Xauthority"
write_cookie_file "$XAUTHORITY"

# -noreset: the checks below connect and leave; a server that resets when its last client goes
# refuses connections for a moment, and the window manager could start in that moment.
Xvfb -displayfd 3 -auth "$XAUTHORITY" -screen 0 "${screen}x24" -nolisten tcp -noreset -dpi 96 \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
number="$(head -n1 "$work/display" 2>/dev/null || true)"
[[ "$number" =~ ^[0-9]+$ ]] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$number"

kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb exited:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
xdpyinfo >/dev/null 2>&1 || { echo "the cookie does not open $DISPLAY" >&2; exit 1; }
if XAUTHORITY=/dev/null xdpyinfo >/dev/null 2>&1; then
  echo "$DISPLAY admits clients without the cookie: it is not the server started here" >&2
  exit 1
fi

openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
# A loaded machine (a build beside the tests) may take some seconds.
for _ in $(seq 300); do
  wmctrl -m >/dev/null 2>&1 && break
  kill -0 "$wm_pid" 2>/dev/null || break
  sleep 0.1
done
if ! wmctrl -m >/dev/null 2>&1; then
  echo "openbox did not start on $DISPLAY:" >&2
  cat "$work/openbox.log" >&2
  exit 1
fi

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
"$@"
