#!/usr/bin/env bash
# Runs a command on a private X desktop: Xvfb with the openbox window manager. The desktop goes
# away with the command; its exit status is the command's.
set -euo pipefail

display=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -dpi 96 >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT

export DISPLAY="$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

openbox >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 || { echo "openbox did not start" >&2; exit 1; }

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
runtime_dir="$(mktemp -d)"
chmod 700 "$runtime_dir"
export XDG_RUNTIME_DIR="$runtime_dir"
"$@"
