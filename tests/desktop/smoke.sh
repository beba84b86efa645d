#!/usr/bin/env bash
# Starts the built program on the desktop, runs it for a moment with the Start/Stop button and
# closes it: the button must read differently while running, return to its caption at Stop,
# and the program must end cleanly.
source "$(dirname "$0")/lib.sh"

start_program
start_button="4 300 117 33"
capture_client "$work/rest.png" $start_button
click_client 62 316      # Start
sleep 0.8
capture_client "$work/running.png" $start_button
click_client 62 316      # Stop
sleep 0.3
capture_client "$work/stopped.png" $start_button

same_image "$work/rest.png" "$work/running.png" && fail "Start did not change the button"
same_image "$work/rest.png" "$work/stopped.png" || fail "Stop did not bring back the caption"
close_and_wait
echo "desktop smoke: passed"
