#!/usr/bin/env bash
# Starts the built program on the desktop and uses it as a person would: Start/Stop with the
# button, a notation from the menu, then closes it. The readout must run while started and
# freeze at Stop, the title follow the notation, the program end cleanly, and the settings
# file beside it keep the choice.
source "$(dirname "$0")/lib.sh"

start_program
readout="4 260 249 33"
start_button="4 300 117 33"
capture_client "$work/rest.png" $readout
capture_client "$work/button_rest.png" $start_button
click_client 62 316      # Start
sleep 1.2
capture_client "$work/running.png" $readout
capture_client "$work/button_running.png" $start_button
click_client 62 316      # Stop
sleep 0.3
capture_client "$work/stopped1.png" $readout
sleep 0.5
capture_client "$work/stopped2.png" $readout
capture_client "$work/button_stopped.png" $start_button

same_image "$work/rest.png" "$work/running.png" && fail "readout did not run"
same_image "$work/stopped1.png" "$work/stopped2.png" || fail "readout still runs after Stop"
same_image "$work/rest.png" "$work/stopped1.png" && fail "readout shows no time after Stop"
same_image "$work/button_rest.png" "$work/button_running.png" && fail "Start kept its caption"
same_image "$work/button_rest.png" "$work/button_stopped.png" || fail "Stop did not bring back the caption"

# 設定 > ﾗｯﾌﾟ表示形式 > ｺﾏ数
choose_menu $menu_setting_x Down Down Down Down Right Down Down Return
[ "$(window_title)" = "Tamoru Watch[コマ数]" ] || fail "title is '$(window_title)'"

close_and_wait
grep -qx 'LapType=3' "$work/TamoruWatch.ini" || fail "the notation was not saved: $(cat "$work/TamoruWatch.ini")"
# It ran with sound on: where there is no audio device it may say so, in one line at most.
[ "$(program_output | wc -l)" -le 1 ] || fail "too much output: $(program_output)"
echo "desktop smoke: passed"
