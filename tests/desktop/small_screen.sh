#!/usr/bin/env bash
# On a small or strongly scaled screen (800×600 at scale 1.5 and 2) the window opens with its
# title bar and menu bar on the screen: lower than designed where the screen is low, and at the
# top, running off the bottom, where even the dial, readout and buttons do not fit.
#   small_screen.sh PROGRAM                 runs each case on its own 800×600 desktop
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

if [ "${1:-}" != --inner ]; then
  source "$here/lib.sh"   # skips without a display, like every desktop test
  for scale in 1.5 2; do
    "$source_dir/tools/with-desktop.sh" --screen 800x600 "$here/small_screen.sh" --inner \
      "$program" "$scale" || fail "scale $scale"
  done
  echo "desktop small screen: passed"
  exit 0
fi

shift
scale="$2"
source "$here/lib.sh"
export QT_SCALE_FACTOR="$scale"
start_program
sleep 0.5
read -r frame_left _ frame_top frame_bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS |
  sed 's/.*= //; s/,//g')"
x=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
height=$(xwininfo -id "$window" | sed -n 's/.*Height: *//p')
echo "scale $scale: window at $x,$y, $height high, frame top $frame_top bottom $frame_bottom"
[ $((y - frame_top)) -ge 0 ] || fail "scale $scale: the title bar is above the screen"
[ $((x - frame_left)) -ge 0 ] || fail "scale $scale: the frame is left of the screen"
# 800×600 at scale 1.5 is 533×400 logical pixels: the window fits, lower than designed. At
# scale 2 (400×300) not even the 332 logical pixels of panels below the menu bar fit.
panels=$(awk -v s="$scale" 'BEGIN { printf "%d", 332 * s }')
if [ "$scale" = 1.5 ]; then
  [ $((y + height + frame_bottom)) -le 600 ] || fail "scale $scale: the window runs off the bottom"
else
  [ $((y - frame_top)) -eq 0 ] || fail "scale $scale: a window too tall must start at the top"
  [ "$height" -gt "$panels" ] || fail "scale $scale: the panels were shrunk ($height px)"
fi
close_and_wait
