#!/usr/bin/env bash
# The same figures on each desktop the program is tested on, Xvfb with openbox and GNOME's
# (mutter) and KDE's (KWin) compositors through their Xwayland: start-up time to a mapped window
# (median of 5), CPU of the program, the X server and the window manager or compositor while
# running (median of 3 samples of 10 s), and where the pointer ends when it is pushed out of the
# running window (inside the client area, inside the window only, or outside, and how far short
# of the edge it stopped). As root, from the project folder:
#
#   bench/desktops.sh build/tamoruwatch
set -euo pipefail
if [ -z "${TAMORU_BENCH_DESKTOP:-}" ]; then
  program="$(realpath "$1")"
  TAMORU_BENCH_DESKTOP="Xvfb + openbox" tools/with-desktop.sh "$0" "$program"
  for compositor in mutter kwin; do
    TAMORU_BENCH_DESKTOP="$compositor + Xwayland" tools/with-wayland-desktop.sh "$compositor" \
      "$0" "$program"
  done
  exit
fi
source "$(dirname "$0")/cost_lib.sh"

echo "== $TAMORU_BENCH_DESKTOP"
startups=()
for _ in 1 2 3 4 5; do
  start_tamoru
  startups+=("$startup_ms")
  stop_app
done
report_median "start-up to mapped window, ms" "${startups[@]}"

samples=()
for _ in 1 2 3; do
  start_tamoru
  sleep 1
  click_start_tamoru
  sleep 1
  samples+=("$(measure_cpu with_wm)")
  stop_app
done
report_median "CPU % running (program+X+WM)" "${samples[@]}"

# Pushes from the Start button, in 20 steps of 40 px, the way a hand drags the mouse: to the
# left, right, up (over the menu bar and title bar), down and the four diagonals.
pushes=("-40 0" "40 0" "0 -40" "0 40" "-40 -40" "40 -40" "-40 40" "40 40")
start_tamoru
sleep 1
click_start_tamoru
sleep 0.3
read -r left top right bottom <<<"$(client_area_on_screen)"
window_top=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
in_client=0 in_window=0 outside=0 gaps=()
for push in "${pushes[@]}"; do
  read -r dx dy <<<"$push"
  xdotool mousemove --window "$window" 62 "$(client_to_window_y 316)"
  sleep 0.1
  for _ in $(seq 20); do xdotool mousemove_relative -- "$dx" "$dy"; sleep 0.01; done
  sleep 0.2
  read -r px py <<<"$(pointer_position)"
  if [ "$px" -ge "$left" ] && [ "$px" -le "$right" ] && [ "$py" -ge "$top" ] && [ "$py" -le "$bottom" ]; then
    in_client=$((in_client + 1))
  elif [ "$px" -ge "$left" ] && [ "$px" -le "$right" ] && [ "$py" -ge "$window_top" ] && [ "$py" -le "$bottom" ]; then
    in_window=$((in_window + 1))
  else
    outside=$((outside + 1))
  fi
  # How far short of the edge it was pushed towards the pointer stopped (0: on the edge).
  gap=0
  [ "$dx" -lt 0 ] && gap=$((px - left))
  [ "$dx" -gt 0 ] && gap=$((right - px))
  [ "$dy" -gt 0 ] && [ $((bottom - py)) -gt "$gap" ] && gap=$((bottom - py))
  [ "$dy" -lt 0 ] && [ $((py - top)) -gt "$gap" ] && gap=$((py - top))
  gaps+=("$gap")
done
stop_app
report "pointer pushed out 8 ways" "in client area $in_client, in menu/title bar only $in_window, outside $outside"
report_median "px short of the edge (<0: past it)" "${gaps[@]}"
