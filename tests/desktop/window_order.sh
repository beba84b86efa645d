#!/usr/bin/env bash
# "常に手前に表示" keeps the window above a window raised later; "通常表示" lets it be covered.
source "$(dirname "$0")/lib.sh"

start_program
choose_menu $menu_window_x Down Down Return   # 常に手前に表示
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "no above state"

xmessage -geometry 700x700+0+0 "covering window" &
cover_pid=$!
trap 'kill $cover_pid 2>/dev/null || true; finish' EXIT
cover=$(xdotool search --sync --onlyvisible --name '^xmessage$' | head -n 1)
xdotool windowactivate --sync "$cover"; sleep 0.5
is_above "$window" "$cover" || fail "a window raised later covers the kept-in-front window"

choose_menu $menu_window_x Down Return        # 通常表示
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && fail "still above"
xdotool windowactivate --sync "$cover"; sleep 0.5
is_above "$cover" "$window" || fail "the normal window was not covered"

close_and_wait
grep -qx 'WindowForceFront=0' "$work/TamoruWatch.ini" || fail "the window order was not saved"
echo "desktop window order: passed"
