#!/usr/bin/env bash
# FIFOs in the place of TamoruWatch.ini and tick.wav (nobody writes to them) never hold up
# start-up: the settings read as a missing file (the usual box about it, then the window) and
# the sound as silence, and at close neither FIFO is written to nor replaced.
source "$(dirname "$0")/lib.sh"

rm "$work/TamoruWatch.ini" "$work/tick.wav"
mkfifo "$work/TamoruWatch.ini" "$work/tick.wav"
(cd "$work" && exec ./tamoruwatch) >"$work/stdout.log" 2>&1 &
pid=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^TamoruWatch$' | head -n 1 || true)
[ -n "$box" ] || fail "neither the box about the missing settings nor a window within 20 s"
xdotool windowactivate --sync "$box" key Return
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tamoru Watch' | head -n 1 || true)
[ -n "$window" ] || fail "no window after the box"
sleep 0.5
click_client 62 316      # Start, then Stop: the sound file is not a sound
sleep 0.3
click_client 62 316
close_and_wait
[ -p "$work/TamoruWatch.ini" ] || fail "the settings FIFO was replaced"
[ -p "$work/tick.wav" ] || fail "the sound FIFO was replaced"
stray=$(find "$work" -name '.TamoruWatch.ini*')
[ -z "$stray" ] || fail "temporary files left behind: $stray"
echo "desktop special files: passed"
