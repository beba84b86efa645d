#!/usr/bin/env bash
# The end of a desktop session, through the session manager: a checkpoint saves the settings
# and the program runs on; a logout saves them, and when it is cancelled the program runs on;
# when the session really ends the program closes as through 終了 and exits with 0.
source "$(dirname "$0")/lib.sh"
session_manager="$2"

coproc SM { "$session_manager"; }
read -r -t 10 -u "${SM[0]}" address || fail "the session manager did not start"
export SESSION_MANAGER="$address"
tell() { echo "$1" >&"${SM[1]}"; }
expect() {  # COMMAND EXPECTED_ANSWER
  local answer=""
  read -r -t 20 -u "${SM[0]}" answer || true
  [ "$answer" = "$2" ] || fail "session manager: $1 answered '$answer', not '$2'"
}
ask() { tell "$1"; expect "$@"; }
setting() { grep -x "WindowForceFront=$1" "$work/TamoruWatch.ini" >/dev/null; }

# The toolkit waits for the session manager's reply to its registration before the window shows.
tell wait-registered
start_program
expect wait-registered registered
choose_menu $menu_window_x Down Down Return   # 常に手前に表示
setting 0 || fail "saved before anything asked for it"
ask save saved
setting 1 || fail "a checkpoint did not save the settings"
kill -0 "$pid" 2>/dev/null || fail "a checkpoint ended the program"

choose_menu $menu_window_x Down Return        # 通常表示
ask logout saved
setting 0 || fail "the save before a logout did not save the settings"
ask cancel cancelled
sleep 1
kill -0 "$pid" 2>/dev/null || fail "a cancelled logout ended the program"

choose_menu $menu_window_x Down Down Return   # 常に手前に表示 once more
ask logout saved
ask die died
program_ends_within 5 "the end of the session"
setting 1 || fail "the settings were not saved at the end of the session"
echo "desktop session end: passed"
