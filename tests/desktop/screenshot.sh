#!/usr/bin/env bash
# Makes the README's picture of the running window: started with the laps shown in frames,
# three laps taken, captured while running.
#
#   tools/with-desktop.sh tests/desktop/screenshot.sh build/tamoruwatch docs/screenshot.png
source "$(dirname "$0")/lib.sh"
out="$(realpath -m "$2")"
sed -i 's/^LapType=.*/LapType=3/' "$work/TamoruWatch.ini"
start_program
click_client 62 316   # スタート
for pause in 0.8 1.1 0.9; do
  sleep "$pause"
  click_client 190 316  # ラップ
done
sleep 0.45
xdotool mousemove 0 0
mkdir -p "$(dirname "$out")"
import -silent -window "$window" "$out"
close_and_wait
echo "wrote $out"
