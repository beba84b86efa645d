#!/usr/bin/env bash
# FIFOs in the place of TamoruWatch.ini and tick.wav (nobody writes to them) never hold up
# start-up: the window opens with the built-in state, silent, and at close neither FIFO is
# written to nor replaced.
source "$(dirname "$0")/lib.sh"

rm "$work/TamoruWatch.ini" "$work/tick.wav"
mkfifo "$work/TamoruWatch.ini" "$work/tick.wav"
start_program
click_client 62 316      # Start, then Stop: the sound file is not a sound
sleep 0.3
click_client 62 316
close_and_wait
[ -p "$work/TamoruWatch.ini" ] || fail "the settings FIFO was replaced"
[ -p "$work/tick.wav" ] || fail "the sound FIFO was replaced"
stray=$(find "$work" -name '.TamoruWatch.ini*')
[ -z "$stray" ] || fail "temporary files left behind: $stray"
echo "desktop special files: passed"
