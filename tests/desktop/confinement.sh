#!/usr/bin/env bash
# While the stopwatch runs the pointer cannot leave the client area, by absolute or relative
# moves, also after the window was minimised and restored and after another client's refused
# grab attempt; Stop and closing free it.
source "$(dirname "$0")/lib.sh"
try_grab_pointer="$2"

start_program
area="$(client_area_on_screen)"
read -r left top right bottom <<<"$area"
whole_screen="0 0 1279 1023"

click_client 62 316      # Start (the grab is taken once the button is up)
sleep 0.5
pointer_ends_inside "$area" mousemove 3 3 || fail "absolute move left the client area"
pointer_ends_inside "$area" mousemove_relative -- -900 -900 || fail "relative move left it"
pointer_ends_inside "$area" mousemove "$((left + 40))" "$((top - 12))" || fail "reached the menu bar"
pointer_ends_inside "$area" mousemove 1200 1000 || fail "reached another part of the screen"

# The X server drops the confinement of our grab before it refuses another client's attempt.
for attempt in 1 2 3; do
  status=$("$try_grab_pointer")
  [ "$status" = AlreadyGrabbed ] || fail "a foreign grab attempt got $status, not AlreadyGrabbed"
  sleep 0.1
  pointer_ends_inside "$area" mousemove 5 5 ||
    fail "attempt $attempt: a move 100 ms after a foreign grab attempt left the client area"
done

xdotool windowminimize --sync "$window"
sleep 0.5
wmctrl -i -a "$window"
sleep 0.8
area="$(client_area_on_screen)"
pointer_ends_inside "$area" mousemove 3 3 || fail "not confined after minimise and restore"

click_client 62 316      # Stop
sleep 0.3
pointer_ends_inside "$area" mousemove 3 3 && fail "still confined after Stop"
pointer_ends_inside "$whole_screen" mousemove 3 3 || fail "pointer not free after Stop"

click_client 62 316      # Start again, then close while running
sleep 0.5
pointer_ends_inside "$area" mousemove 3 3 || fail "second run not confined"
close_and_wait
pointer_ends_inside "$area" mousemove 3 3 && fail "still confined after closing"
echo "desktop confinement: passed"
