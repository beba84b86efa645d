#!/usr/bin/env bash
# Killed (SIGTERM), interrupted (Ctrl-C, SIGINT) or hung up (a closed terminal, SIGHUP), the
# program closes as through its own 終了: the running sound stops, the settings changed in the
# run are saved, and it exits with status 0. The sound library must not take over the signals.
source "$(dirname "$0")/lib.sh"

for signal in INT TERM HUP; do
  cp "$source_dir/assets/TamoruWatch.ini" "$work/"
  start_program
  choose_menu $menu_window_x Down Down Return   # 常に手前に表示: a change to save
  click_client 62 316                           # Start, with sound on
  sleep 0.8
  kill -s "$signal" "$pid"
  program_ends_within 3 "SIG$signal"
  grep -qx 'WindowForceFront=1' "$work/TamoruWatch.ini" || fail "SIG$signal: the change was lost"
done
echo "desktop signals: passed"
